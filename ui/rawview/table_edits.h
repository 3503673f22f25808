// The changes the operation windows make to the character table: inserting a
// run of one code, deleting a range, copying a range out and pasting bytes
// in. Positions are character indexes (see char_table.h). The callers check
// their numbers first; these functions assume the preconditions stated.
#pragma once

#include "raw_document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rawview {

// Sizes the table for FileLength + insertCount characters and returns that
// length. FileLength itself is left for the insertion to set.
int32_t SetNewSizeTable(RawDocument& doc, int32_t insertCount);

// Inserts insertCount cells of codeText before character `insertPos`
// (1-based, >= 1); a position after the last character appends at the end.
// The table must already be sized by SetNewSizeTable; newLength is what it
// returned.
void SdvigTableToEnd(RawDocument& doc, int64_t insertPos, int32_t insertCount, std::string_view codeText,
                     int32_t newLength);

// Deletes characters first .. last, 1 <= first <= FileLength, first <= last;
// a `last` at or after the end deletes through the end.
void DeleteChars(RawDocument& doc, int64_t first, int64_t last);

// The codes of characters first .. last (1 <= first <= last <= FileLength):
// each cell's trimmed text converted, its low 8 bits kept, an empty cell
// giving 0. None, with the conversion message in *error, when a cell does
// not convert.
std::optional<std::vector<uint8_t>> CopyChars(const RawDocument& doc, int64_t first, int64_t last,
                                              std::string* error);

// Inserts `bytes` after character `after` (0: at the start, FileLength: at
// the end; 0 <= after <= FileLength).
void PasteAfter(RawDocument& doc, const std::vector<uint8_t>& bytes, int64_t after);

}  // namespace rawview
