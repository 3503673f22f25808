// How the structure panels read what a person typed into an edit box.
#pragma once

#include <QString>

#include <optional>
#include <string>

// The text cut to `limit` characters and trimmed of blanks, as Windows 1251
// bytes.
std::string TypedText(const QString& text, int limit);

// A whole number by the standard integer conversion (leading blanks and a
// sign allowed, a `$` or `0x` prefix reads hexadecimal); empty text reads as
// 0. Nothing when the text is not a number.
std::optional<long long> WholeNumber(const std::string& text);
