// Record writes gathered in memory: the file they leave, what others see, failures reported.
#include "engine_fixture.h"
#include "process_limits.h"

namespace {

void AppendNamed(dbf::Dbf2_lib& db, uint16_t slot, const std::string& name) {
  db.DbfBlank(slot);
  db.DbfPutStr(slot, name, "NAME");
  db.DbfAppend(slot);
}

}  // namespace

TEST_F(EngineTest, GatheredAppendsLeaveTheSameFileOtherSlotsSeeThemAndAFailureIsReported) {
  auto f = PeopleFields();
  const std::string path = Write("t.dbf", TableLayout{f, {Record(f, {"Old"})}});
  db.DbfOpen(1, path);
  db.DbfGatherWrites(1, true);
  std::vector<std::string> expected{Record(f, {"Old"})};
  for (int i = 0; i < 30000; ++i) {  // more than one gathering
    AppendNamed(db, 1, "N" + std::to_string(i));
    if (i % 7 == 0) db.DbfDelete(1);  // inside the gathered bytes
    expected.push_back(Record(f, {"N" + std::to_string(i)}, i % 7 == 0));
  }
  EXPECT_EQ(db.DbfRecCount(1), 30001);
  db.DbfOpen(2, path);  // another handle reads what was gathered so far
  db.DbfGo(2, 29997);
  EXPECT_EQ(db.DbfGetStr(2, "NAME"), "N29995");
  EXPECT_EQ(db.DbfStatus(2), dbf::kStatusDeleted);
  db.DbfGo(2, 30001);
  EXPECT_EQ(db.DbfGetStr(2, "NAME"), "N29999");
  AppendNamed(db, 1, "Last");
  expected.push_back(Record(f, {"Last"}));
  db.DbfCloseAll();
  const std::string after = ReadFile(path);
  EXPECT_EQ(after, TableBytes(TableLayout{f, expected}));

  // A gathered write that fails is reported when the slot closes.
  db.DbfOpen(1, path);
  db.DbfGatherWrites(1, true);
  FileSizeLimit limit(after.size() + 100);
  for (int i = 0; i < 20; ++i) AppendNamed(db, 1, "X");
  EXPECT_THROW(db.DbfClose(1), dbf::IoError);
  EXPECT_FALSE(db.DbfIsOpen(1));
}
