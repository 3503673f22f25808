// Moving through records, appending, and the deletion flag, checked against the file's bytes.
#include "engine_fixture.h"

namespace {

TableLayout Abc(bool endMark = true) {
  auto f = PeopleFields();
  return {f, {Record(f, {"A"}), Record(f, {"B"}, true), Record(f, {"C"})}, endMark};
}

}  // namespace

// Skipping before the first record, or flagging off a record start, touches
// nothing in the file; another slot's writes are seen.
TEST_F(EngineTest, MovementsOverThreeRecordsWithTheMiddleDeletedAndAnotherSlotsWrites) {
  const std::string path = Write("t.dbf", Abc());
  db.DbfOpen(1, path);
  // Each move, then the status, record number and name it leaves (0 and null: not looked at).
  const struct { const char* move; std::function<void()> go; int status; int64_t recNo; const char* name; } moves[] = {
      {"first", [&] { db.DbfFirst(1); }, dbf::kStatusDone, 1, "A"},
      {"skip", [&] { db.DbfSkip(1, 1); }, dbf::kStatusDeleted, 2, "B"},
      {"read", [&] { db.DbfRead(1); }, dbf::kStatusDone, 3, "C"},
      {"go 2", [&] { db.DbfGo(1, 2); }, dbf::kStatusDeleted, 2, "B"},
      {"go 4", [&] { db.DbfGo(1, 4); }, dbf::kStatusEof, 2, "B"},
      {"go 0", [&] { db.DbfGo(1, 0); }, dbf::kStatusEof, 0, nullptr},
      {"go 3 unread", [&] { db.DbfGoNoRead(1, 3); }, dbf::kStatusDone, 3, nullptr},
      {"go 2 unread", [&] { db.DbfGoNoRead(1, 2); }, dbf::kStatusDeleted, 2, nullptr},
      {"flag set and taken off on the end mark",
       [&] { db.DbfGo(1, 9), db.DbfDelete(1), db.DbfRecall(1); EXPECT_FALSE(db.DbfIsDeleted(1)); }, dbf::kStatusEof, 0,
       nullptr},
      {"skip before the first", [&] { db.DbfTop(1), db.DbfSkip(1, -5); EXPECT_FALSE(db.DbfEof(1)); }, dbf::kStatusEof,
       0, "A"},
      {"skip from there", [&] { db.DbfSkip(1, 1); }, dbf::kStatusDeleted, 2, "B"},
  };
  for (const auto& m : moves) {
    m.go();
    EXPECT_EQ(db.DbfStatus(1), m.status) << m.move;
    if (m.recNo != 0) { EXPECT_EQ(db.DbfRecNo(1), m.recNo) << m.move; }
    if (m.name) { EXPECT_EQ(db.DbfGetStr(1, "NAME"), m.name) << m.move; }
  }
  db.DbfCloseAll();
  EXPECT_EQ(ReadFile(path), TableBytes(Abc()));

  // A second slot's writes show in the first one's walk past its read-ahead.
  db.DbfOpen(1, path);
  db.DbfOpen(2, path);
  EXPECT_EQ(Walk("NAME").size(), 3u);
  db.DbfGo(2, 1);
  db.DbfPutStr(2, "Changed", "NAME");
  db.DbfWriteBuffer(2);
  db.DbfAppend(2);
  EXPECT_EQ(Walk("NAME"), (std::vector<std::string>{"1Changed", "2*B", "3C", "4Changed"}));
}

// With or without the end mark, and stray bytes after (a partial record is none and no failure).
TEST_F(EngineTest, EveryReaderVisitsEachCountedRecordOnceWithOrWithoutTheEndMark) {
  const struct { const char* name; TableLayout layout; const char* tail; } tables[] = {
      {"no end mark", Abc(false), ""},
      {"end mark", Abc(true), ""},
      {"end mark, junk", Abc(true), "junk"},
      {"half a record", Abc(false), " half"},
  };
  const auto seen = [&] {
    return std::to_string(db.DbfRecNo(1)) + (db.DbfIsDeleted(1) ? "*" : "") + db.DbfGetStr(1, "NAME");
  };
  using Seen = std::vector<std::string>;
  const struct { const char* name; std::function<Seen()> read; Seen want; } readers[] = {
      {"top and skip", [&] { return Walk("NAME"); }, {"1A", "2*B", "3C"}},
      {"by number", [&] {
         Seen out;
         for (int64_t n = 1; n <= db.DbfRecCount(1); ++n) {
           db.DbfGo(1, n);
           if (db.DbfStatus(1) != dbf::kStatusEof) out.push_back(seen());
         }
         return out;
       }, {"1A", "2*B", "3C"}},
      {"first and read, live ones", [&] {
         Seen out;
         for (db.DbfFirst(1); db.DbfStatus(1) != dbf::kStatusEof && out.size() < 10; db.DbfRead(1)) {
           out.push_back(seen());
           db.DbfGoNoRead(1, db.DbfRecNo(1) + 1);
         }
         return out;
       }, {"1A", "3C"}},
  };
  for (const auto& t : tables) {
    SCOPED_TRACE(t.name);
    const std::string bytes = TableBytes(t.layout) + t.tail;
    const std::string path = Write("t.dbf", bytes);
    db.DbfOpen(1, path);
    EXPECT_EQ(db.DbfRecCount(1), 3);
    for (const auto& r : readers) EXPECT_EQ(r.read(), r.want) << r.name;
    db.DbfCloseAll();
    EXPECT_EQ(ReadFile(path), bytes);  // reading wrote nothing, not even the mark
  }
}

// The count waits for the close; AppendBlank and WriteBuffer give the same bytes.
TEST_F(EngineTest, AppendWritesRecordAndEndMarkAndCountWaitsForClose) {
  auto f = PeopleFields();
  std::string path = Write("t.dbf", TableLayout{f, {Record(f, {"A"}, true)}, false});
  db.DbfOpen(1, path);
  db.DbfBlank(1);
  db.DbfPutStr(1, "Zed", "NAME");
  db.DbfPutNum(1, 7, "SUM");
  db.DbfAppend(1);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);
  EXPECT_EQ(db.DbfRecNo(1), 2);
  const std::string zed = Record(f, {"Zed", "    7.00"});
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{f, {Record(f, {"A"}, true), zed}, true, 3, 1}));
  db.DbfDelete(1);
  EXPECT_TRUE(db.DbfIsDeleted(1));
  db.DbfRecall(1);
  EXPECT_FALSE(db.DbfIsDeleted(1));
  db.DbfAppendBlank(1);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusEof);
  EXPECT_EQ(db.DbfRecNo(1), 3);
  db.DbfBlank(1);
  db.DbfPutStr(1, "B", "NAME");
  db.DbfWriteBuffer(1);
  db.DbfGo(1, 1);
  db.DbfWriteBuffer(1);  // writing a deleted record leaves it live
  db.DbfCloseAll();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{f, {Record(f, {"A"}), zed, Record(f, {"B"})}}));
}

// An engine that notes each record hook with its slot and phase.
struct Hooked : dbf::Dbf2_lib {
  std::vector<std::pair<uint16_t, dbf::Phase>> calls;
  void RecordHook(uint16_t slot) override { calls.emplace_back(slot, Phase()); }
};

// A raw read on the end mark of one-byte records reads nothing.
TEST_F(EngineTest, RecordHookSeesReadsAndWritesWithTheirPhase) {
  Hooked hooked;
  hooked.DbfOpen(2, Write("t.dbf", Abc()));
  hooked.DbfAppend(2);
  EXPECT_EQ(hooked.calls, (std::vector<std::pair<uint16_t, dbf::Phase>>{{2, dbf::Phase::AfterRead},
                                                                         {2, dbf::Phase::BeforeWrite}}));
  TableLayout layout{{{"A", 'C', 1}}, {" ", "*"}};
  layout.recordLengthOverride = 1;  // the flag byte alone
  hooked.DbfOpen(1, Write("one.dbf", layout));
  hooked.DbfGo(1, 2);
  EXPECT_EQ(hooked.DbfStatus(1), dbf::kStatusDeleted);
  const size_t calls = hooked.calls.size();
  hooked.DbfGo(1, 3);  // no such record: the position goes to the end mark
  hooked.DbfReadRaw(1);
  EXPECT_EQ(hooked.DbfStatus(1), dbf::kStatusEof);
  EXPECT_EQ(hooked.calls.size(), calls);
}
