// Direct reads and copies of a table file see what any handle wrote.
#include "engine_fixture.h"

TEST_F(EngineTest, ReadsAndCopiesSeeOtherHandlesWritesAndStopAtTheEnd) {
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

  // Bytes copied from another file land at the same position; the target's read-ahead is not stale.
  dbf::TableFile in;
  ASSERT_TRUE(in.OpenForReading(Write("from.bin", "ABCDEFGHIJ")));
  writer.ReadAt(0, bytes, 2);
  EXPECT_EQ(in.CopyInto(writer, 4, 4), 4u);
  EXPECT_EQ(in.CopyInto(writer, 8, 100), 2u);  // up to the end of the source
  EXPECT_EQ(in.CopyInto(writer, 10, 100), 0u);
  char all[10] = {};
  writer.ReadAt(0, all, 10);
  EXPECT_EQ(std::string(all, 10), "01abEFGHIJ");
  EXPECT_THROW(in.WriteAt(0, "x", 1), dbf::IoError);  // opened for reading only
}
