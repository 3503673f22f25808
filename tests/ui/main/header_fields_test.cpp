#include "header_fields.h"

#include "structure_test_support.h"

#include <gtest/gtest.h>

TEST(HeaderFieldsTest, DescriptorsEndAtTheTerminatorAndAtTheEndOfTheBytes) {
  std::string bytes = structuretest::EmptyTable({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}});
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), bytes.size()), 2);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), 32 + 32 + 31), 1);
  // 263 bytes after the terminator, counted in the header size.
  bytes.insert(32 + 64 + 1, std::string(263, '\0'));
  structuretest::SetHeaderSize(bytes, 32 + 64 + 1 + 263);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), bytes.size()), 2);
  structuretest::SetHeaderSize(bytes, 63);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), bytes.size()), 0);
}
