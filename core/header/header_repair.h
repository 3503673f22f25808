// Copying a table into a new file while repairing its header: the names of
// the field descriptors are cleaned and, on request, the field offsets are
// computed afresh; everything else is copied as it stands.
#pragma once

#include <cstdint>
#include <functional>

namespace dbf {
class TableFile;
}

// Copies `source` into the empty `result`. Each descriptor name is cut at its
// first byte below 33, the rest of bytes 0 .. 9 becoming zero; with
// `recomputeOffsets` bytes 12 .. 15 get 1 plus the lengths of the fields
// before, each length read by the engine's rule (dbf::DescriptorLength). The bytes after the descriptors (terminator, records, end mark) are
// copied in blocks, `progress` seeing the source position after each.
// Returns false, with only the 32 header bytes written, when the header
// holds no descriptors.
bool RepairHeader(dbf::TableFile& source, dbf::TableFile& result, bool recomputeOffsets,
                  const std::function<void(int64_t position)>& progress);
