#include "record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

RecordStore TwoRecords() {
  RecordStore store({"#", "NAME", "SUM"}, {{1, 5}, {6, 3}}, 9, 2);
  std::memcpy(store.Records(), "*Anna 12 " " Bob    3", 18);
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

struct HistoryCase {
  const char* name;
  std::function<void(RecordStore&)> edit;  // one step
};

}  // namespace

// Each kind of step is taken back to the very rows read (the records' own
// bytes, nothing typed, no edit left) and done again to the rows it made.
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
