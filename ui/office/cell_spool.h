// Worksheet cells written in any order, kept in a scratch file so that a
// sheet of millions of cells costs little memory, and read back in row order.
//
// Cells are appended as they come; every time a row lower than the one before
// arrives a new run begins. Reading merges the runs by row (a few runs, as a
// caller that writes one cell out of order makes, are merged from the file;
// many are sorted in memory). Within a row, cells come in the order they were
// written, so a cell written twice comes last with its last text.
#pragma once

#include "spool_file.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace office {

class CellSpool {
 public:
  // Makes the scratch file in `folder`, written through `files`; throws
  // AutomationError when it cannot.
  CellSpool(dbf::FileSystem& files, const std::string& folder) : file_(files, folder, "cells") {}

  // Rows and columns count from 1; `kind` is what the text is to the
  // spreadsheet (a CellKind). Throws AutomationError when the file cannot be written.
  void Add(uint32_t row, uint32_t col, std::string_view text, uint8_t kind = 0);

  using CellVisitor = std::function<void(uint32_t row, uint32_t col, uint8_t kind, std::string_view text)>;
  void ForEachInRowOrder(const CellVisitor& visit);

  int64_t CellCount() const { return cells_; }
  size_t RunCount() const { return runStarts_.size(); }
  // The longest text, in bytes, written into each column so far; index 0 is column 1.
  const std::vector<uint32_t>& LongestTexts() const { return longest_; }

 private:
  void MergeRuns(const CellVisitor& visit);
  void SortInMemory(const CellVisitor& visit);

  SpoolFile file_;
  std::vector<int64_t> runStarts_;
  uint32_t lastRow_ = 0;
  int64_t cells_ = 0;
  std::vector<uint32_t> longest_;
};

}  // namespace office
