// How the text of a grid cell becomes a field's stored value when the grid
// is written into a table. Cells hold Windows 1251 bytes. Reading numbers
// from cell text never fails: it takes what it can and stops at the first
// character that does not fit.
#pragma once

#include <string>
#include <string_view>

namespace cells {

// The text without leading and trailing blanks (and control characters).
std::string Trimmed(std::string_view cell);

// A whole number as in a logical cell: an optional sign and decimal digits,
// or hexadecimal digits after "$", "x" or "0x". Empty text is 0. When the
// reading stops before the end, the digits read so far give the value,
// without the sign.
long long WholeNumber(std::string_view text);

// A logical cell's stored text: trimmed and in capitals; "F" and "T" stay,
// other text read as a whole number gives "F" for 0 and "T" for 1, and stays
// as it is for any other number.
std::string LogicalValue(std::string_view cell);

// A numeric cell's value: trimmed, the first "," taken as the decimal point,
// then an optional sign, digits with at most one point and an optional
// exponent, read as far as they go (nothing readable is 0). A value too
// large for a double is infinite.
double DecimalValue(std::string_view cell);

// Column 0 of a data row holds the record number right-aligned in 7
// characters, followed by " Delete" when the row is marked for deletion.
// True when the text carries the deletion mark: it contains "Delete".
bool HasDeleteMark(std::string_view text);

}  // namespace cells
