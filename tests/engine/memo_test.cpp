#include "dbf_memo.h"
#include "engine_fixture.h"
#include "memo_bytes.h"

#include <optional>

namespace {

using dbf::Memo;

// Each case: a memo file of "first" and `text`, maybe damaged at byte
// `damageAt` (from the second memo's block), and what reading `text` gives.
struct ReadCase {
  MemoKind kind;
  uint16_t blockSize;
  uint8_t tableVersion;
  const char* name;
  std::string text;
  size_t limit;
  Memo::Status status;
  std::string expected;
  bool cut;
  int damageAt = -1;
};

TEST_F(EngineTest, MemoFilesOfEachFormatReadTheirTexts) {
  const std::string x(1500, 'x');
  const ReadCase cases[] = {
      {MemoKind::kDbase3, 512, 0x83, "a.dbt", "one\r\ntwo", 100, Memo::kText, "one\r\ntwo", false},
      {MemoKind::kDbase3, 512, 0x83, "b.DBT", x, 5000, Memo::kText, x, false},
      {MemoKind::kDbase3, 512, 0x83, "c.dbt", x, 700, Memo::kText, x.substr(0, 700), true},
      {MemoKind::kDbase4, 64, 0x8B, "d.dbt", "four\r\n", 100, Memo::kText, "four\r\n", false},
      {MemoKind::kDbase4, 512, 0x8B, "e.dbt", "abcdef", 3, Memo::kText, "abc", true},
      {MemoKind::kDbase4, 512, 0x8B, "f.dbt", "abc", 9, Memo::kDamaged, "", false, 4},  // length below the head's
      {MemoKind::kFoxPro, 64, 0x30, "g.fpt", "fox\x1A", 100, Memo::kText, "fox\x1A", false},
      {MemoKind::kFoxPro, 64, 0x30, "h.fpt", "fox", 100, Memo::kDamaged, "", false, 6},  // length past the end
  };
  for (const ReadCase& c : cases) {
    MemoBytes memo = MemoFileBytes(c.kind, {"first", c.text}, c.blockSize);
    if (c.damageAt >= 0) memo.bytes[memo.blocks[1] * c.blockSize + static_cast<size_t>(c.damageAt)] = '\x01';
    WriteFile(dir.Path(c.name), memo.bytes);
    dbf::MemoFile file;
    ASSERT_TRUE(file.Open(dir.Path(c.name), c.tableVersion)) << c.name;
    const Memo read = file.Read(memo.blocks[1], c.limit);
    EXPECT_EQ(std::tie(read.status, read.bytes, read.cut), std::tie(c.status, c.expected, c.cut)) << c.name;
    EXPECT_EQ(file.Read(memo.blocks[0], 100).bytes, "first") << c.name;
    EXPECT_EQ(file.Read(static_cast<uint32_t>(memo.bytes.size() / c.blockSize), 9).status, Memo::kPastEnd) << c.name;
  }
  WriteFile(dir.Path("pictures.fpt"), MemoFileBytes(MemoKind::kFoxPro, {"\x89PNG"}, 32, 0).bytes);
  WriteFile(dir.Path("short.dbt"), std::string(100, '\0'));
  dbf::MemoFile pictures;
  ASSERT_TRUE(pictures.Open(dir.Path("pictures.fpt"), 0xF5));
  EXPECT_EQ(pictures.Read(16, 100).status, Memo::kBinary);
  EXPECT_FALSE(dbf::MemoFile().Open(dir.Path("short.dbt"), 0x83));
  EXPECT_FALSE(dbf::MemoFile().Open(dir.Path("none.dbt"), 0x83));
}

TEST_F(EngineTest, MemoFieldsBlockNumbersAndMemoFileNames) {
  const std::pair<std::string, std::optional<uint32_t>> numbers[] = {
      {BlockDigits(12), 12},         {std::string(10, ' '), 0},     {std::string("\x20\0\0\0", 4), 32},
      {"  12 3     ", std::nullopt}, {"99999999999", std::nullopt}, {std::string("0000000007\0", 11), 7}};
  for (const auto& [bytes, expected] : numbers) EXPECT_EQ(dbf::MemoBlockNumber(bytes.data(), bytes.size()), expected);
  EXPECT_TRUE(dbf::IsMemoField('M', 10) && dbf::IsMemoField('G', 4) && dbf::IsMemoField('B', 10));
  EXPECT_FALSE(dbf::IsMemoField('B', 8) || dbf::IsMemoField('C', 10));
  WriteFile(dir.Path("t.DBT"), "");
  EXPECT_EQ(dbf::FindMemoFile(dir.Path("t.dbf")), dir.Path("t.DBT"));
  EXPECT_EQ(dbf::FindMemoFile(dir.Path("u.dbf")), "");
}

}  // namespace
