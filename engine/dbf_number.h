// Text of numeric (N) fields: reading the digits a field holds and writing a
// value right-justified in the field's width.
#pragma once

#include <string>
#include <string_view>

namespace dbf {

// Numeric fields carry the type letter N, in old files also n.
inline bool IsNumericType(char type) { return type == 'N' || type == 'n'; }

// Blanks and control characters anywhere are skipped; '+', '-', '.', ',' and
// digits are taken; any other byte makes the value 0. The first comma counts
// as the decimal point. Text that is not a well-formed number reads as 0.
double ParseFieldNumber(std::string_view bytes);

// The value in fixed-point notation with `decimals` digits after '.', rounded
// half away from zero on its shortest decimal form (so 2.675 gives 2.68),
// right-aligned in `width` characters. Empty when it does not fit.
std::string FormatFieldNumber(double value, int width, int decimals);

}  // namespace dbf
