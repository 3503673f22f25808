// The 32 characters that start at a row, read as a table header or as a
// field descriptor, and edited values written back into the row's cells.
// Texts here are bytes in the program's code page; the windows convert them
// for display.
#pragma once

#include "raw_document.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rawview {

using RowBytes = std::array<uint8_t, 32>;

// b0 .. b31 from row `row` and the row after it: each cell trimmed, cut to
// 12 characters and converted, an empty cell counting 0, low 8 bits kept.
// None, with the message to show in *error, when `row` is the last row
// ("Недопустимый номер строки!") or a cell does not convert.
std::optional<RowBytes> ReadRowBytes(const CharTable& cells, int64_t row, std::string* error);

// The texts of the header edits (Edit6 .. Edit10).
struct HeaderTexts {
  std::string version;       // b0
  std::string date;          // b1-b2-b3, two digits each at least
  std::string headerSize;    // b8 .. b9
  std::string recordLength;  // b10 .. b13
  std::string recordCount;   // b4 .. b7
};

// The texts of the field-descriptor edits (Edit11 .. Edit15).
struct DescriptorTexts {
  std::string name;      // b0 .. b9, bytes of code 33 or more
  std::string type;      // b11
  std::string length;    // b16
  std::string offset;    // b12 .. b15
  std::string decimals;  // b17
};

// Whether the document's table stores character field lengths above 255
// with the high byte in the decimals byte: the engine's rule
// (dbf::HeaderHasWideCharLengths) on the header and the descriptors as the
// cells hold them, read as ReadRowBytes reads a cell. False when a cell among
// them does not convert.
bool WideCharLengths(const RawDocument& doc);

HeaderTexts DecodeHeader(const RowBytes& b);
// With `wideCharLengths` (as WideCharLengths gives it) a character field's
// length is b16 + 256 x b17 and its decimals 0, as the engine reads them.
DescriptorTexts DecodeDescriptor(const RowBytes& b, bool wideCharLengths);

// Writes the header edits into row `row`: version and the three date pieces
// as typed, header size, record length and record count as their bytes.
// Every text is trimmed and cut to 12 characters first. Returns the message
// to show; when a number does not convert, or there is no such row
// ("Недопустимый номер строки!"), nothing is written.
std::string WriteHeader(CharTable& cells, int64_t row, const HeaderTexts& edits);

// Writes the descriptor edits into row `row` and the row after it. The name
// and type must already be upper-cased. Returns the messages to show in
// order: "Error type Field!" for a type that is not C, D, L, M or N (the
// rest is still written), or a conversion message or "Недопустимый номер
// строки!" (nothing written). Where the table has WideCharLengths and the
// row held a character field before the write, a length of 0 .. 65535 goes
// into b16 and b17 and the decimals edit is not used, so that the length
// shown by DecodeDescriptor is the length written.
std::vector<std::string> WriteDescriptor(RawDocument& doc, int64_t row, const DescriptorTexts& edits);

// An edit's text as the write-backs take it: trimmed, at most 12 characters.
std::string EditValue(const std::string& text);

}  // namespace rawview
