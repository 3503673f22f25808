#include "record_store.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Two records of NAME (offset 1, length 5) and a field whose offset runs
// past the record (junk in some old files): "*Anna x", " Bob   ".
RecordStore TwoRecords() {
  RecordStore store({"#", "NAME", "JUNK"}, {{1, 5}, {5, 4}}, 7, 2);
  std::memcpy(store.Records(), "*Anna x Bob  \x01", 14);
  store.TakeMarks(0, 2);
  return store;
}

}  // namespace

TEST(RecordStoreTest, CellsAreCutFromTheRecordsAsTheEngineReadsFields) {
  RecordStore store = TwoRecords();
  ASSERT_EQ(store.RowCount(), 3);
  EXPECT_EQ(store.Cell(0, 1), "NAME");
  EXPECT_EQ(store.Cell(1, 0), "      1 Delete");
  EXPECT_EQ(store.Cell(2, 0), "      2");
  EXPECT_EQ(store.Cell(1, 1), "Anna");
  EXPECT_EQ(store.Cell(2, 1), "Bob");
  EXPECT_EQ(store.Cell(1, 2), " x");  // the part outside the record reads as blanks
  EXPECT_EQ(store.Cell(2, 2), "");
  EXPECT_EQ(store.Cell(3, 1), "");
}

TEST(RecordStoreTest, OnlyTypedTextChangesACellAndTheRowKeepsItsRecord) {
  RecordStore store = TwoRecords();
  store.SetCell(2, 1, "Bob");  // the text it shows already
  EXPECT_FALSE(store.RowChanged(2));
  store.SetCell(2, 2, "new");
  EXPECT_TRUE(store.RowChanged(2));
  EXPECT_TRUE(store.CellChanged(2, 2));
  EXPECT_FALSE(store.CellChanged(2, 1));
  EXPECT_EQ(store.Cell(2, 1), "Bob");
  EXPECT_EQ(store.Cell(2, 2), "new");
  EXPECT_EQ(store.SourceRecord(2), store.Records() + 7);
}

TEST(RecordStoreTest, InsertedRowsMoveTheFieldsDownAndLeaveColumnZero) {
  RecordStore store = TwoRecords();
  store.InsertRow(1);
  ASSERT_EQ(store.RowCount(), 4);
  EXPECT_EQ(store.Cell(1, 0), "      1 Delete");
  EXPECT_EQ(store.Cell(1, 1), "");
  EXPECT_EQ(store.SourceRecord(1), nullptr);
  EXPECT_TRUE(store.CellChanged(1, 1));
  EXPECT_EQ(store.Cell(2, 0), "      2");
  EXPECT_EQ(store.Cell(2, 1), "Anna");
  EXPECT_EQ(store.Cell(3, 1), "Bob");
  EXPECT_EQ(store.Cell(3, 0), "");
}

TEST(RecordStoreTest, MarksOfEveryFormReadAsTheGridShowsThem) {
  RecordStore store = TwoRecords();
  const struct {
    const char* text;
    bool marked;
  } cases[] = {{"2 Delete", true}, {"2", false}, {"      2 Delete", true}, {"  x Delete", true}, {"", false}};
  for (const auto& c : cases) {
    store.SetCell(2, 0, c.text);
    EXPECT_EQ(store.Cell(2, 0), c.text);
    EXPECT_EQ(store.MarkedDeleted(2, 20), c.marked) << c.text;
    EXPECT_EQ(store.MarkedCount(20), c.marked ? 2 : 1) << c.text;  // record 1 is marked
  }
  store.InsertRow(3);  // marks typed into new rows count too
  store.SetCell(3, 0, "Delete");
  EXPECT_EQ(store.MarkedCount(20), 2);
}
