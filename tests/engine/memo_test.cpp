#include "dbf_memo.h"
#include "engine_fixture.h"
#include "memo_bytes.h"

#include <tuple>

namespace {

using dbf::Memo;

TEST_F(EngineTest, MemoFilesOfEachFormatReadTheirTexts) {
  // Memos "first" and `text`, the second's byte `damageAt` set to 2; `text` read up to `limit`.
  struct Case {
    MemoKind kind;
    uint16_t blockSize;
    const char* name;
    std::string text;
    size_t limit;
    std::tuple<Memo::Status, std::string, bool> expected;  // status, bytes, cut
    int damageAt;
  };
  const Case cases[] = {
      {MemoKind::kDbase3, 512, "c.dbt", std::string(1500, 'x'), 700, {Memo::kText, std::string(700, 'x'), true}, -1},
      {MemoKind::kDbase4, 64, "d.dbt", "four\r\n", 100, {Memo::kText, "four\r\n", false}, -1},
      {MemoKind::kDbase4, 512, "f.dbt", "abc", 9, {Memo::kDamaged, "", false}, 4},  // a length below the head's
      {MemoKind::kFoxPro, 64, "g.fpt", "fox\x1A", 100, {Memo::kText, "fox\x1A", false}, -1},
      {MemoKind::kFoxPro, 64, "h.fpt", "fox", 100, {Memo::kDamaged, "", false}, 6},  // a length past the end
      {MemoKind::kFoxPro, 32, "i.fpt", "\x89PNG", 100, {Memo::kBinary, "", false}, 3},  // type 2: an object
  };
  for (const Case& c : cases) {
    std::string bytes = MemoFileBytes(c.kind, {"first", c.text}, c.blockSize);
    const uint32_t first = 512 / c.blockSize;
    if (c.damageAt >= 0) bytes[(first + 1) * c.blockSize + static_cast<size_t>(c.damageAt)] = '\x02';
    WriteFile(dir.Path(c.name), bytes);
    dbf::MemoFile file;
    ASSERT_TRUE(file.Open(dir.Path(c.name), c.kind == MemoKind::kDbase3 ? 0x83 : 0x8B)) << c.name;
    const Memo read = file.Read(first + 1, c.limit);
    EXPECT_EQ(std::tie(read.status, read.bytes, read.cut), c.expected) << c.name;
    EXPECT_EQ(file.Read(first, 100).bytes, "first") << c.name;
    EXPECT_EQ(file.Read(static_cast<uint32_t>(bytes.size() / c.blockSize), 9).status, Memo::kPastEnd) << c.name;
  }
}

TEST_F(EngineTest, MemoFieldsAndTheirBlockNumbers) {
  const std::pair<std::string, std::optional<uint32_t>> numbers[] = {
      {"        12", 12},            {std::string(10, ' '), 0},     {std::string("\x20\0\0\0", 4), 32},
      {"  12 3     ", std::nullopt}, {"99999999999", std::nullopt}, {std::string("0000000007\0", 11), 7}};
  for (const auto& [bytes, expected] : numbers) EXPECT_EQ(dbf::MemoBlockNumber(bytes.data(), bytes.size()), expected);
  EXPECT_TRUE(dbf::IsMemoField('G', 4) && dbf::IsMemoField('B', 10) && !dbf::IsMemoField('B', 8));
}

}  // namespace
