// Builds raw-view documents from bytes and reads them back, for the tests.
#pragma once

#include "raw_document.h"

#include <gtest/gtest.h>

#include <string>

inline rawview::RawDocument DocOf(const std::string& bytes) {
  rawview::RawDocument doc;
  const auto n = static_cast<int64_t>(bytes.size());
  doc.cells.SetRowCount(std::max<int64_t>(1, rawview::RowsFor(n)));
  for (int64_t at = 0; at < n; at += rawview::kCodesPerRow) {
    doc.cells.SetLoadedRow(at / rawview::kCodesPerRow + 1, reinterpret_cast<const uint8_t*>(bytes.data()) + at,
                           static_cast<int>(std::min<int64_t>(rawview::kCodesPerRow, n - at)));
  }
  doc.FileLength = static_cast<int32_t>(n);
  return doc;
}

// Characters 1 .. FileLength as bytes; '?' marks a cell that is not a code.
inline std::string BytesOf(const rawview::RawDocument& doc) {
  std::string s;
  for (int64_t i = 1; i <= doc.FileLength; ++i) {
    const auto c = doc.cells.Code(i);
    s += c ? static_cast<char>(*c) : '?';
  }
  return s;
}

// "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn..." cut to n characters.
inline std::string Letters(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += static_cast<char>('A' + i % 58);
  return s;
}
