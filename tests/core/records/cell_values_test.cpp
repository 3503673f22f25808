#include "cell_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

TEST(CellValues, LogicalCellsKeepFAndTAndReadOtherTextAsAWholeNumber) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"t", "T"},  {" T ", "T"}, {"1", "T"},   {"f", "F"},  {"0", "F"},     {"", "F"},
      {"Y", "F"},  {"2", "2"},   {"-1", "-1"}, {"1x", "T"}, {"-1x", "T"},   {"$1", "T"},
      {"0x0", "F"}, {"x1", "T"}, {"$ff", "$FF"}, {"+1", "T"}, {"\xe4\xe0", "F"} /* "да" */};
  for (const auto& [cell, stored] : cases) EXPECT_EQ(cells::LogicalValue(cell), stored) << '"' << cell << '"';
}

TEST(CellValues, NumericCellsAreReadAsFarAsTheyGo) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"", 0},          {"  12,5 ", 12.5}, {"12.5", 12.5}, {"-3", -3},    {"+.5", 0.5},
      {"7.", 7},        {"1e3", 1000},     {"2E-2", 0.02}, {"1e", 1},     {"1e+", 1},
      {"12.5abc", 12.5}, {"1.2.3", 1.2},   {"1,2,3", 1.2}, {"1 234", 1},  {"abc", 0},
      {"-", 0},         {".", 0},          {"inf", 0},     {"nan", 0},    {"0x10", 0},
      {"1e-400", 0}};
  for (const auto& [cell, value] : cases) EXPECT_DOUBLE_EQ(cells::DecimalValue(cell), value) << '"' << cell << '"';
  EXPECT_TRUE(std::isinf(cells::DecimalValue("1e400")));
  EXPECT_TRUE(std::isinf(cells::DecimalValue("-0.1e400")));
}

TEST(CellValues, TrimmingAndRowMarks) {
  EXPECT_EQ(cells::Trimmed("  a b \t"), "a b");
  EXPECT_TRUE(cells::HasDeleteMark("12 Delete"));
  EXPECT_FALSE(cells::HasDeleteMark("     12 delete"));
}
