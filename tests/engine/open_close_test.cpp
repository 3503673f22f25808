// Opening tables (well-formed and damaged), closing them and the engine's numbered errors.
#include "engine_fixture.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

TableLayout ThreeRecords() {
  auto f = PeopleFields();
  return {f, {Record(f, {"Ann", "   12.50", "T"}), Record(f, {"Bob", "    3.00", "F"}, true),
              Record(f, {"Cid", "  -1.25", "T"})}};
}

}  // namespace

TEST_F(EngineTest, OpenReadsHeaderFieldsAndFirstLiveRecord) {
  auto layout = ThreeRecords();
  layout.records[0][0] = '*';
  db.DbfOpen(1, Write("t.dbf", layout));
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);
  EXPECT_EQ(db.DbfHeaderSize(1), 32 * 4 + 1);
  EXPECT_EQ(db.DbfRecordLength(1), 20u);
  EXPECT_EQ(db.DbfFieldCount(1), 3);
  EXPECT_EQ(Fields(1), (std::vector<std::string>{"NAME C 10.0 @1", "SUM N 8.2 @11", "OK L 1.0 @19"}));
  // Records 1 and 2 are marked deleted: the buffer holds record 3.
  EXPECT_EQ(db.DbfRecNo(1), 3);
  EXPECT_EQ(db.DbfGetStr(1, "NAME"), "Cid");

  // Stored offsets win, even overlapping; the running offset ignores them.
  auto f = PeopleFields();
  f[0].storedOffset = 9;
  db.DbfOpen(2, Write("o.dbf", TableLayout{f, {Record(PeopleFields(), {"ABCDEFGHIJ"})}}));
  EXPECT_EQ(Fields(2), (std::vector<std::string>{"NAME C 10.0 @9", "SUM N 8.2 @11", "OK L 1.0 @19"}));
  EXPECT_EQ(db.DbfGetStr(2, "NAME"), "IJ");
}

// Errors name the operation and the slot, and touch no file.
TEST_F(EngineTest, ClosedSlotsAndNumbersOutsideTheRangeAreNamedInTheError) {
  std::string path = Write("t.dbf", ThreeRecords());
  EXPECT_EQ(Abort([&] { db.DbfRecCount(1); }).message, " Ошибка 4 : Файл N   1 не открыт  ");
  EXPECT_EQ(reportedCodes, std::vector<int>{4});
  EXPECT_EQ(Abort([&] { db.DbfSkipEof(2); }).message, "Ошибка 8 - DbfSkipEof : Файл N   2 не открыт  ");
  EXPECT_EQ(Abort([&] { db.DbfFirst(12); }).message, "Ошибка 9 - DbfSkipBof : Файл N  12 не открыт  ");
  EXPECT_EQ(Abort([&] { db.DbfRead(200); }).message, "Ошибка 10 - DbfRead : Файл N 200 не открыт  ");
  EXPECT_EQ(Abort([&] { db.DbfGetStr(1, "A"); }).message, "Ошибка 11 - DbfWrite : Файл N   1 не открыт  ");
  EXPECT_EQ(Abort([&] { db.DbfOpen(0, path); }).code, 4);
  EXPECT_EQ(Abort([&] { db.DbfOpen(201, path); }).message, " Ошибка 4 : Файл N 201 не открыт  ");
  EXPECT_TRUE(db.DbfEof(65535));
  db.DbfRecall(0);
  EXPECT_EQ(db.DbfStatus(500), dbf::kStatusOpenFailed);
  EXPECT_EQ(ReadFile(path), TableBytes(ThreeRecords()));
}

struct CloseCase {
  const char* what;
  bool forWriting;
  std::function<void(dbf::Dbf2_lib&, const std::string&)> use;  // on slot 1, open on the file
  uint32_t count;                           // the header's count afterwards
  bool unchanged;                           // bytes and modification time as before
};

// The count written is the file size's (stray bytes count for nothing); errors, opening and
// assigning close a slot alike.
TEST_F(EngineTest, ClosingWritesTheCountOnlyAfterAWriteThroughTheSlot) {
  const CloseCase cases[] = {
      {"read", false, [](dbf::Dbf2_lib& engine, auto&) { engine.DbfSkip(1, 1); }, 100, true},
      {"opened for reading, writes refused as input/output errors", false,
       [](dbf::Dbf2_lib& engine, auto&) {
         EXPECT_THROW(engine.DbfDelete(1), dbf::IoError);
         EXPECT_THROW(engine.DbfAppendBlank(1), dbf::IoError);
       },
       100, true},
      {"opened for writing, only read", true, [](dbf::Dbf2_lib& engine, auto&) { engine.DbfGo(1, 3); }, 100, true},
      {"a mark set", true, [](dbf::Dbf2_lib& engine, auto&) { engine.DbfDelete(1); }, 3, false},
      {"a record appended", true, [](dbf::Dbf2_lib& engine, auto&) { engine.DbfAppendBlank(1); }, 4, false},
      {"a mark set, opened again", true,
       [](dbf::Dbf2_lib& engine, const std::string& path) {
         engine.DbfDelete(1), engine.DbfOpen(1, path);
         EXPECT_TRUE(engine.DbfIsOpen(1));
       },
       3, false},
      {"a mark taken off, another name assigned", true,
       [this](dbf::Dbf2_lib& engine, auto&) {
         engine.DbfRecall(1), engine.DbfAssign(1, dir.Path("other.dbf"));
         EXPECT_FALSE(engine.DbfIsOpen(1));
       },
       3, false},
      {"an engine error after a write", true,
       [this](dbf::Dbf2_lib& engine, auto&) {
         engine.DbfRecall(1);
         Abort([&] { engine.DbfGetNum(1, "NAME"); });
       },
       3, false},
      {"an engine error, nothing written", true, [this](dbf::Dbf2_lib& engine, auto&) { Abort([&] { engine.DbfGetNum(1, "NAME"); }); },
       100, true},
  };
  auto layout = ThreeRecords();
  layout.headerRecordCount = 100;
  const std::string original = TableBytes(layout) + "xyz";
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = Write("t.dbf", original);
    const timespec old[2] = {{1, 0}, {1, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    dbf::Dbf2_lib engine;
    if (c.forWriting) engine.DbfOpen(1, path);
    else engine.DbfOpenForReading(1, path);
    c.use(engine, path);
    engine.DbfCloseAll();
    const std::string after = ReadFile(path);
    EXPECT_EQ(U32At(after, 4), c.count);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(after == original && st.st_mtim.tv_sec == 1, c.unchanged);
  }
}

// A slot stays closed: status 2 where the file cannot be opened, error 13 where it is no table.
TEST_F(EngineTest, FilesThatAreNoTableAreRefusedWithCodeNameAndReason) {
  const std::string valid = TableBytes(ThreeRecords());
  auto withU16 = [&](size_t pos, uint16_t v) {
    std::string b = valid;
    b[pos] = static_cast<char>(v & 0xFF);
    b[pos + 1] = static_cast<char>(v >> 8);
    return b;
  };
  const std::string bad = dir.Path("bad.dbf"), notTable = "not a DBF table";
  const struct { const char* what; std::string path; std::string bytes; dbf::Access access; int code; std::string reason; } refusals[] = {
      {"absent", dir.Path("absent.dbf"), "", dbf::Access::Read, dbf::kTableMissing, std::strerror(ENOENT)},
      {"a folder", dir.dir(), "", dbf::Access::Write, dbf::kTableMissing, std::strerror(EISDIR)},
      {"text", bad, "not a table at all", dbf::Access::Read, dbf::kNotATable, notTable},
      {"empty", bad, "", dbf::Access::Write, dbf::kNotATable, notTable},
      {"truncated header", bad, valid.substr(0, 20), dbf::Access::Read, dbf::kNotATable, notTable},
      {"header size 32", bad, withU16(8, 32), dbf::Access::Read, dbf::kNotATable, notTable},
      {"header size 0", bad, withU16(8, 0), dbf::Access::Read, dbf::kNotATable, notTable},
      {"record length 0", bad, withU16(10, 0), dbf::Access::Read, dbf::kNotATable, notTable},
      {"descriptors past end", bad, withU16(8, 32 * 40 + 1), dbf::Access::Read, dbf::kNotATable, notTable},
      {"record length past 16 bits", bad, withU16(12, 0x4000), dbf::Access::Read, dbf::kNotATable, notTable},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.what);
    if (r.code == dbf::kNotATable) WriteFile(r.path, r.bytes);
    dbf::Table t;
    try {
      t.Open(r.path, r.access);
      ADD_FAILURE() << "opened";
    } catch (const dbf::TableError& e) {
      EXPECT_EQ(e.code, r.code);
      EXPECT_EQ(e.fileName, r.path);
      EXPECT_EQ(e.reason, r.reason);
    }
    EXPECT_FALSE(t.IsOpen());
    EXPECT_FALSE(dbf::OpensAsTable(r.path));
    if (r.code == dbf::kTableMissing) {
      db.DbfOpen(1, r.path);
      EXPECT_EQ(db.DbfStatus(1), dbf::kStatusOpenFailed);
      EXPECT_TRUE(reportedCodes.empty());
    } else {
      const dbf::DbfAbort abort = Abort([&] { db.DbfOpen(1, r.path); });
      EXPECT_EQ(abort.code, 13);
      EXPECT_EQ(abort.message, "Ошибка 13 - DbfOpen : Файл N   1 не типа DBF ");
      EXPECT_EQ(ReadFile(r.path), r.bytes);
    }
    EXPECT_FALSE(db.DbfIsOpen(1));
  }
  dbf::Table t;
  t.Open(Write("t.dbf", valid), dbf::Access::Read);
  EXPECT_EQ(t.Header().recordLength, 20u);
  EXPECT_TRUE(dbf::OpensAsTable(dir.Path("t.dbf")));
}

TEST_F(EngineTest, ReopenUsesTheBoundNameAsStored) {
  auto f = PeopleFields();
  f[0].name = std::string("NAME\0XYZ", 8);  // junk after the zero byte
  db.DbfOpen(1, Write("t.dbf", TableLayout{f, {Record(f, {"Ann"})}}));
  EXPECT_EQ(db.DbfGetStr(1, "NAME"), "Ann");
  db.DbfClose(1);
  EXPECT_EQ(db.DbfFields(1)->Name(), "NAME");  // the list outlives the close
  db.DbfReopen(1);
  EXPECT_TRUE(db.DbfIsOpen(1));
  EXPECT_EQ(Abort([&] { db.DbfGetStr(1, "NAME"); }).message, " Ошибка  2 - неверно описание поля NAME файла DBF ");
}

// Bytes past the fields belong to the record (other writers keep room there), also in a table
// without records, as the empty copy a save starts from.
TEST_F(EngineTest, TablesWithoutALiveRecordOpenWithStatus1UpToTheSixteenBitRecordLength) {
  auto deleted = ThreeRecords();
  for (auto& r : deleted.records) r[0] = '*';
  TableLayout long2000{PeopleFields(), {}}, long65535{PeopleFields(), {}};
  long2000.recordLengthOverride = 2000;
  long65535.recordLengthOverride = 65535;
  const struct { const char* what; std::string bytes; uint32_t length; int64_t count; } cases[] = {
      {"header only", kCreatedTable, 1, 0},  // the end mark is no record of length 1
      {"all deleted", TableBytes(deleted), 20, 3},
      {"records of 2000 bytes", TableBytes(long2000), 2000, 0},
      {"records of 65535 bytes", TableBytes(long65535), 65535, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    db.DbfOpen(1, Write("t.dbf", c.bytes));
    EXPECT_EQ(db.DbfStatus(1), dbf::kStatusEof);
    EXPECT_EQ(db.DbfRecordLength(1), c.length);
    EXPECT_EQ(db.DbfRecCount(1), c.count);
    EXPECT_EQ(Buffer(1), std::string(c.length - 1, ' '));
  }
  db.DbfOpen(1, Write("t.dbf", kCreatedTable));
  EXPECT_EQ(db.DbfRecNo(1), 1);
  EXPECT_EQ(db.DbfFields(1), nullptr);
}

// A byte whose character the other page lacks stays as it is and is counted.
TEST_F(EngineTest, CodePageConversionsAgreeWithIconvForEveryByte) {
  struct Way {
    const char* from;
    const char* to;
    size_t (dbf::Dbf2_lib::*convert)(std::string&);
  };
  for (const Way& way : {Way{"CP866", "CP1251", &dbf::Dbf2_lib::DosToWin},
                         Way{"CP1251", "CP866", &dbf::Dbf2_lib::WinToDos}}) {
    iconv_t cd = iconv_open(way.to, way.from);
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
      char in = static_cast<char>(b);
      char out[4] = {};
      char* inPtr = &in;
      char* outPtr = out;
      size_t inLeft = 1;
      size_t outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      const bool matched = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                           outLeft == sizeof out - 1;
      std::string text(1, static_cast<char>(b));
      const size_t unmatched = (db.*way.convert)(text);
      EXPECT_EQ(text, std::string(1, matched ? out[0] : static_cast<char>(b))) << way.from << " byte " << b;
      EXPECT_EQ(unmatched, matched ? 0u : 1u) << way.from << " byte " << b;
    }
    iconv_close(cd);
  }
  std::string name = "\x8f\xf1\xe2\xe0 \xfc" "5 \xc9";  // "Пётр №5 ╔" in 866
  EXPECT_EQ(db.DosToWin(name), 1u);
  EXPECT_EQ(name, "\xcf\xb8\xf2\xf0 \xb9" "5 \xc9");
}
