// How a field's text is cut from a record's bytes: the one rule behind
// DbfGetStr and every reader that keeps whole records (the record grid).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dbf {

// The text of the field at `offset` (1 = the first byte after the flag) and
// `length` in `data`, the `size` bytes of a record that follow its flag:
// trailing blanks and control characters removed. Where the field lies
// partly outside those bytes (junk offsets in old files) that part reads as
// blanks, and the text is built in `scratch`; otherwise the view points into
// `data`.
std::string_view FieldText(const char* data, size_t size, uint32_t offset, uint16_t length,
                           std::string& scratch);

}  // namespace dbf
