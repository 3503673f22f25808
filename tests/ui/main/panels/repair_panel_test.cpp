#include "dbf2_lib.h"
#include "panel_fixture.h"
#include "radio_group.h"
#include "repair_panel.h"
#include "structure_test_support.h"

#include <filesystem>

using structuretest::Padded;
using testsupport::FieldSpec;
using testsupport::ReadFile;

namespace {

const char kDone[] = "Correct End!";

class RepairPanelTest : public PanelTest {
 protected:
  // Chooses both files through the panel's dialogs and runs the repair; a
  // panel left open by a refused repair is closed first.
  void Repair(const std::string& source, const std::string& result, bool recomputeOffsets = false) {
    panel.Button12->click();
    guard.Run([this] { panel.N10Click(); });
    dialogs.WillOpen(source);
    panel.Button13->click();
    dialogs.saveAnswers.push_back(ui::FileChoice{result, 1});
    panel.Button14->click();
    panel.RadioGroup4->SetItemIndex(recomputeOffsets ? 1 : 0);
    panel.Button10->click();
  }

  std::string Write(const std::string& name, const testsupport::TableLayout& layout) {
    testsupport::WriteFile(dir.Path(name), testsupport::TableBytes(layout));
    return dir.Path(name);
  }

  // Fields of lengths 5, 10 and 3 with junk offsets, names with a blank or a
  // control character and junk after them, and two records.
  std::string WriteDamaged() {
    testsupport::TableLayout layout;
    layout.fields = {{"AB CDEFGHI", 'C', 5, 0, 77}, {"SUM\x01XY", 'N', 10, 2, 0}, {"OK", 'L', 3, 0, 0xFFFFFFFF}};
    layout.records = {testsupport::Record(layout.fields, {"abcde", "     12.50", "T"}),
                      testsupport::Record(layout.fields, {"fghij", "      1.00", "F"}, true)};
    return Write("damaged.dbf", layout);
  }

  // About 5 MB of records, copied in more than one block.
  std::string WriteLarge() {
    testsupport::TableLayout layout;
    layout.fields = {{"TEXT", 'C', 200}};
    for (int i = 0; i < 25000; ++i) layout.records.push_back(testsupport::Record(layout.fields, {std::to_string(i)}));
    return Write("large.dbf", layout);
  }

  TRepairPanel& panel = *new TRepairPanel(context);
};

}  // namespace

TEST_F(RepairPanelTest, CleansTheNamesAndOnRequestTheOffsets) {
  const std::string source = WriteDamaged();
  const std::string original = ReadFile(source);
  std::string expected = original;
  expected.replace(32, 10, Padded("AB"));
  expected.replace(64, 10, Padded("SUM"));
  Repair(source, dir.Path("kept.dbf"));
  EXPECT_EQ(ReadFile(dir.Path("kept.dbf")), expected);
  EXPECT_TRUE(panel.isHidden());
  EXPECT_EQ(table.TablePath(), source);
  EXPECT_EQ(pathStrip->text().toStdString(), source);  // the path strip names the file the commands act on

  Repair(source, dir.Path("offsets.dbf"), true);
  for (const auto& [index, offset] : {std::pair{0, 1}, std::pair{1, 6}, std::pair{2, 16}}) {
    const char stored[4] = {static_cast<char>(offset), 0, 0, 0};
    expected.replace(32 + 32 * index + 12, 4, stored, 4);
  }
  EXPECT_EQ(ReadFile(dir.Path("offsets.dbf")), expected);
  EXPECT_EQ(ReadFile(source), original);

  const std::string large = WriteLarge();
  Repair(large, dir.Path("large2.dbf"));
  EXPECT_EQ(ReadFile(dir.Path("large2.dbf")), ReadFile(large));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(3, kDone));
}

// The area after the header's terminator is left alone.
TEST_F(RepairPanelTest, OffsetsRunOnPastACharacterFieldLongerThan255) {
  // NOTE(300) as some writers store it: length byte 44, its high byte 1 in
  // the decimals byte. The offsets given are junk.
  testsupport::TableLayout layout;
  layout.fields = {{"ID", 'N', 3, 0, 9}, {"NOTE", 'C', 44, 1, 9}, {"SUM", 'N', 8, 2, 9}, {"OK", 'L', 1, 0, 9}};
  layout.recordLengthOverride = 1 + 3 + 300 + 8 + 1;
  layout.afterTerminator = std::string(263, '\x0D');
  const std::string note = std::string(299, 'n') + "!";
  layout.records = {"  7" + note + "   12.50T"};
  layout.records[0].insert(0, " ");
  const std::string source = Write("long.dbf", layout);
  Repair(source, dir.Path("fixed.dbf"), true);

  const std::string fixed = ReadFile(dir.Path("fixed.dbf"));
  for (const auto& [index, offset] : {std::pair{0, 1u}, std::pair{1, 4u}, std::pair{2, 304u}, std::pair{3, 312u}}) {
    EXPECT_EQ(testsupport::U32At(fixed, 32 + 32 * index + 12), offset) << index;
  }
  EXPECT_EQ(fixed.substr(32 * 5), ReadFile(source).substr(32 * 5));
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(1, dir.Path("fixed.dbf"));
  EXPECT_EQ(db.DbfGetStr(1, "ID"), "  7");
  EXPECT_EQ(db.DbfGetStr(1, "NOTE"), note);
  EXPECT_EQ(db.DbfGetStr(1, "SUM"), "   12.50");
  EXPECT_EQ(db.DbfGetStr(1, "OK"), "T");
}

TEST_F(RepairPanelTest, RefusesAMissingSourceHeadersWithoutDescriptorsAndTheSourceAsResult) {
  std::string bytes = structuretest::EmptyTable({{"A", 'C', 4}});
  structuretest::SetHeaderSize(bytes, 63);
  testsupport::WriteFile(dir.Path("short.dbf"), bytes);
  Repair(dir.Path("short.dbf"), dir.Path("fixed.dbf"));
  EXPECT_EQ(ReadFile(dir.Path("fixed.dbf")), bytes.substr(0, 32));
  EXPECT_FALSE(panel.isHidden());

  // The same file under another spelling or through a link.
  const std::string source = WriteDamaged();
  const std::string original = ReadFile(source);
  std::filesystem::create_symlink(source, dir.Path("link.dbf"));
  Repair(source, dir.dir() + "/./damaged.dbf");
  Repair(source, dir.Path("link.dbf"));
  // A source that is not there is named, and nothing is made.
  Repair(dir.Path("gone.dbf"), dir.Path("made.dbf"));
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(dialogs.messages.begin(), dialogs.messages.begin() + 3),
            (std::vector<std::string>{"No field in file!", "Результирующий файл совпадает с исходным!",
                                      "Результирующий файл совпадает с исходным!"}));
  EXPECT_NE(dialogs.messages[3].find(dir.Path("gone.dbf")), std::string::npos) << dialogs.messages[3];
  EXPECT_FALSE(std::filesystem::exists(dir.Path("made.dbf")));
  EXPECT_EQ(ReadFile(source), original);
}

