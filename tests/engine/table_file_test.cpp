// Direct reads of a table file: they see what any handle wrote and refuse to
// read past the end.
#include "engine_fixture.h"

TEST_F(EngineTest, DirectReadsSeeOtherHandlesWritesAndStopAtTheEnd) {
  const std::string path = Write("f.bin", "0123456789");
  dbf::TableFile reader;
  dbf::TableFile writer;
  ASSERT_TRUE(reader.Open(path));
  ASSERT_TRUE(writer.Open(path));
  char bytes[4] = {};
  reader.ReadAt(0, bytes, 4);  // fills the read-ahead window
  writer.WriteAt(2, "ab", 2);
  reader.ReadDirectAt(1, bytes, 4);
  EXPECT_EQ(std::string(bytes, 4), "1ab4");
  EXPECT_THROW(reader.ReadDirectAt(8, bytes, 4), dbf::IoError);
  EXPECT_THROW(reader.ReadDirectAt(-1, bytes, 1), dbf::IoError);
}

TEST_F(EngineTest, CopiesBytesIntoAnotherFileAtTheSamePosition) {
  const std::string source = Write("from.bin", "0123456789");
  dbf::TableFile in;
  dbf::TableFile out;
  ASSERT_TRUE(in.OpenForReading(source));
  ASSERT_TRUE(out.Open(Write("to.bin", "abcdef")));
  char first[2] = {};
  out.ReadAt(0, first, 2);  // a read-ahead window the copy must not leave stale
  EXPECT_EQ(in.CopyInto(out, 4, 4), 4u);
  EXPECT_EQ(in.CopyInto(out, 8, 100), 2u);  // up to the end of the source
  EXPECT_EQ(in.CopyInto(out, 10, 100), 0u);
  char bytes[10] = {};
  out.ReadAt(0, bytes, 10);
  EXPECT_EQ(std::string(bytes, 10), "abcd456789");
  EXPECT_THROW(in.WriteAt(0, "x", 1), dbf::IoError);  // opened for reading only
}
