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

// Every cell as the grid would show it, and what Save would take from it.
std::string Picture(const RecordStore& store) {
  std::string picture;
  for (int row = 0; row < store.RowCount(); ++row) {
    for (int col = 0; col < store.ColumnCount(); ++col) {
      picture += std::string(store.Cell(row, col)) + (store.CellChanged(row, col) ? "*" : "") + "|";
    }
    picture += store.SourceRecord(row) ? "rec\n" : "new\n";
  }
  return picture + "marked " + std::to_string(store.MarkedCount(20));
}

}  // namespace

// An inserted row moves the fields down and leaves column 0 (numbers and marks) where it was.
TEST(RecordStoreTest, CellsComeFromTheRecordsUntilTypedOrMovedByAnInsertedRow) {
  RecordStore store = TwoRecords();
  EXPECT_EQ(Picture(store), "#|NAME|JUNK|new\n      1 Delete|Anna| x|rec\n      2|Bob||rec\nmarked 1");
  EXPECT_EQ(store.Cell(3, 1), "");
  store.SetCell(2, 1, "Bob");  // the text it shows already
  EXPECT_FALSE(store.RowChanged(2));
  store.SetCell(2, 2, "new");
  EXPECT_TRUE(store.RowChanged(2));
  EXPECT_EQ(store.SourceRecord(2), store.Records() + 7);
  store.InsertRow(1);
  EXPECT_EQ(Picture(store), "#|NAME|JUNK|new\n      1 Delete|*|*|new\n      2|Anna| x|rec\n|Bob|new*|rec\nmarked 1");
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

// The marks the rows show decide, whether still the records' flags or changed.
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

struct HistoryCase {
  const char* name;
  std::function<void(RecordStore&)> edit;  // one step
};

// Undone to the very rows read (nothing typed, no edit left) and redone to the rows made.
TEST(RecordStoreHistoryTest, EveryStepIsUndoneToTheRowsAsReadAndRedoneAsMade) {
  const std::vector<HistoryCase> cases{
      {"typed cell", [](RecordStore& s) { s.SetCell(2, 1, "Rob"); }},
      {"cell typed twice in one group",
       [](RecordStore& s) {
         s.BeginGroup();
         s.SetCell(2, 1, "Rob");
         s.SetCell(2, 1, "Robin");
         s.EndGroup();
       }},
      {"mark set", [](RecordStore& s) { s.SetCell(2, 0, "      2 Delete"); }},
      {"mark taken off", [](RecordStore& s) { s.SetCell(1, 0, "      1"); }},
      {"mark of another text", [](RecordStore& s) { s.SetCell(2, 0, "x Delete"); }},
      {"row inserted", [](RecordStore& s) { s.InsertRow(1); }},
      {"row inserted and typed in (a paste)",
       [](RecordStore& s) {
         s.BeginGroup();
         s.InsertRow(3);
         s.SetCell(3, 1, "Eve");
         s.SetCell(1, 2, "7");
         s.EndGroup();
       }},
  };
  for (const HistoryCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordStore store = TwoRecords();
    const std::string read = Picture(store);
    c.edit(store);
    const std::string made = Picture(store);
    ASSERT_NE(made, read);
    ASSERT_TRUE(store.CanUndo());
    store.Undo();
    EXPECT_EQ(Picture(store), read);
    EXPECT_FALSE(store.HasEdits());
    EXPECT_FALSE(store.RowChanged(1) || store.RowChanged(2));
    EXPECT_FALSE(store.CanUndo());
    store.Redo();
    EXPECT_EQ(Picture(store), made);
    EXPECT_FALSE(store.CanRedo());
  }
}

TEST(RecordStoreHistoryTest, StepsGoBackOneAtATimeAndANewEditForgetsTheUndone) {
  RecordStore store = TwoRecords();
  store.SetCell(1, 1, "A");
  store.SetCell(2, 0, "      2 Delete");
  store.InsertRow(2);
  const auto place = store.Undo();  // the row
  ASSERT_TRUE(place);
  EXPECT_EQ(place->row, 2);
  EXPECT_EQ(store.RowCount(), 3);
  EXPECT_EQ(store.Undo()->column, 0);  // the mark
  EXPECT_EQ(store.Cell(2, 0), "      2");
  EXPECT_EQ(store.Cell(1, 1), "A");
  EXPECT_TRUE(store.HasEdits());
  store.SetCell(2, 1, "B");  // the undone mark is forgotten
  EXPECT_FALSE(store.CanRedo());
  store.Undo();
  store.Undo();
  EXPECT_FALSE(store.CanUndo());
  EXPECT_FALSE(store.HasEdits());
}
