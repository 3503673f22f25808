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
