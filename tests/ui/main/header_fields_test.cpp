#include "header_fields.h"

#include "structure_test_support.h"

#include <gtest/gtest.h>

using testsupport::FieldSpec;

namespace {

const std::vector<FieldSpec> kTwoFields{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}};

void SetHeaderSize(std::string& bytes, size_t size) {
  bytes[8] = static_cast<char>(size & 0xFF);
  bytes[9] = static_cast<char>(size >> 8);
}

}  // namespace

TEST(HeaderFieldsTest, CountsTheDescriptorsTheHeaderSizeGives) {
  const std::string bytes = structuretest::EmptyTable(kTwoFields);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), bytes.size()), 2);
  // Below 64 bytes of header there is no descriptor.
  std::string small = bytes;
  SetHeaderSize(small, 63);
  EXPECT_EQ(CountFieldDescriptors(small.data(), small.size()), 0);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), 31), 0);
}

TEST(HeaderFieldsTest, StopsAtTheTerminatorAndAtTheEndOfTheBytes) {
  // A writer that leaves 263 bytes after the terminator: the header size
  // says nine descriptors, the terminator ends them after two.
  std::string bytes = structuretest::EmptyTable(kTwoFields);
  const size_t terminator = 32 + 2 * 32;
  bytes.insert(terminator + 1, std::string(263, '\0'));
  SetHeaderSize(bytes, terminator + 1 + 263);
  EXPECT_EQ(CountFieldDescriptors(bytes.data(), bytes.size()), 2);
  // Descriptors running past the bytes given are not counted.
  std::string cut = structuretest::EmptyTable(kTwoFields);
  EXPECT_EQ(CountFieldDescriptors(cut.data(), 32 + 32 + 31), 1);
}

TEST(HeaderFieldsTest, NamesEndAtTheFirstByteBelow33) {
  std::string descriptor(32, '\0');
  std::memcpy(descriptor.data(), "AB C\x01XYZQQ", 10);
  descriptor[11] = 'N';
  descriptor[16] = 12;
  descriptor[17] = 3;
  EXPECT_EQ(DescriptorName(descriptor.data()), "AB");
  EXPECT_EQ(DescriptorParameters(descriptor.data()), "N ( 12.3 )");
}
