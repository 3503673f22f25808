#include "record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

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

// The purge of rows as read, as "Удалить отмеченные" asks for it: the marks
// the rows show decide, whether they are still the records' flags or were
// changed, and the kept rows show their records with blank flags.
TEST(RecordStoreTest, APurgeKeepsTheUnmarkedRowsWithTheirOwnNumbers) {
  const struct {
    const char* name;
    std::function<void(RecordStore&)> before;
    std::vector<std::string> names;  // of the rows kept
  } cases[] = {
      {"marks as read", [](RecordStore&) {}, {"Bob", "Cleo"}},
      {"a mark set and one taken off",
       [](RecordStore& s) {
         s.SetCell(1, 0, "1");
         s.SetCell(3, 0, "3 Delete");
       },
       {"Anna", "Bob"}},
      {"a row inserted and taken back",
       [](RecordStore& s) {
         s.InsertRow(2);
         s.Undo();
       },
       {"Bob", "Cleo"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordStore store({"#", "NAME"}, {{1, 5}}, 6, 3);
    std::memcpy(store.Records(), "*Anna  Bob   Cleo ", 18);
    store.TakeMarks(0, 3);
    ASSERT_EQ(store.MarkedCount(20), 1);
    c.before(store);
    ASSERT_TRUE(store.AsRead());
    store.Purge([&store](int64_t record, char) { return !store.MarkedDeleted(static_cast<int>(record), 20); });
    ASSERT_EQ(store.RowCount(), static_cast<int>(c.names.size()) + 1);
    EXPECT_EQ(store.MarkedCount(20), 0);
    EXPECT_TRUE(store.AsRead());
    for (int row = 1; row < store.RowCount(); ++row) {
      EXPECT_EQ(store.Cell(row, 0), std::string(6, ' ') + std::to_string(row));
      EXPECT_EQ(store.Cell(row, 1), c.names[static_cast<size_t>(row) - 1]);
      EXPECT_EQ(*store.SourceRecord(row), ' ');
    }
  }
}
