#include "main_window_fixture.h"
#include "radio_group.h"
#include "structure_test_support.h"

#include <QLineEdit>

using structuretest::Descriptor;
using structuretest::Padded;
using testsupport::FieldSpec;
using testsupport::ReadFile;
using testsupport::U32At;

namespace {

class RepairPanelTest : public MainWindowTest {
 protected:
  TRepairPanel& Panel() { return *form->Panel6; }

  // Chooses both files through the panel's dialogs and runs the repair.
  void Repair(const std::string& source, const std::string& result, bool recomputeOffsets) {
    form->N10->trigger();
    dialogs.WillOpen(source);
    Panel().Button13->click();
    dialogs.saveAnswers.push_back(ui::FileChoice{result, 1});
    Panel().Button14->click();
    Panel().RadioGroup4->SetItemIndex(recomputeOffsets ? 1 : 0);
    Panel().Button10->click();
  }

  // Three fields of lengths 5, 10 and 3 with junk offsets and names with a
  // blank, a control character and junk after them; two records.
  std::string WriteDamaged(const std::string& name = "damaged.dbf") {
    const std::vector<FieldSpec> fields{
        {"AB CDEFGHI", 'C', 5, 0, 77}, {"SUM\x01XY", 'N', 10, 2, 0}, {"OK", 'L', 3, 0, 0xFFFFFFFF}};
    testsupport::TableLayout layout;
    layout.fields = fields;
    layout.records = {testsupport::Record(fields, {"abcde", "     12.50", "T"}),
                      testsupport::Record(fields, {"fghij", "      1.00", "F"}, true)};
    const std::string path = dir.Path(name);
    testsupport::WriteFile(path, testsupport::TableBytes(layout));
    return path;
  }

  // About 5 MB of records with distinct contents and clean names.
  std::string WriteLarge() {
    const std::vector<FieldSpec> fields{{"TEXT", 'C', 200}};
    testsupport::TableLayout layout;
    layout.fields = fields;
    for (int i = 0; i < 25000; ++i) layout.records.push_back(testsupport::Record(fields, {std::to_string(i)}));
    const std::string path = dir.Path("large.dbf");
    testsupport::WriteFile(path, testsupport::TableBytes(layout));
    return path;
  }
};

const char kDone[] = "Correct End!";

}  // namespace

TEST_F(RepairPanelTest, CleansTheNamesAndKeepsEveryOtherByte) {
  const std::string source = WriteDamaged();
  const std::string original = ReadFile(source);
  Repair(source, dir.Path("fixed.dbf"), false);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kDone});
  EXPECT_TRUE(Panel().isHidden());
  EXPECT_TRUE(Panel().ProgressBar3->isHidden());
  EXPECT_EQ(form->TablePath, source);
  EXPECT_EQ(form->SecondPath, dir.Path("fixed.dbf"));

  std::string expected = original;
  expected.replace(32, 10, Padded("AB"));
  expected.replace(64, 10, Padded("SUM"));
  EXPECT_EQ(ReadFile(dir.Path("fixed.dbf")), expected);
  EXPECT_EQ(ReadFile(source), original);
}

TEST_F(RepairPanelTest, RecomputesTheOffsetsOnRequest) {
  const std::string source = WriteDamaged();
  std::string expected = ReadFile(source);
  Repair(source, dir.Path("fixed.dbf"), true);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kDone});
  expected.replace(32, 10, Padded("AB"));
  expected.replace(64, 10, Padded("SUM"));
  for (const auto& [index, offset] : {std::pair{0, 1}, std::pair{1, 6}, std::pair{2, 16}}) {
    const char stored[4] = {static_cast<char>(offset), 0, 0, 0};
    expected.replace(32 + 32 * index + 12, 4, stored, 4);
  }
  const std::string repaired = ReadFile(dir.Path("fixed.dbf"));
  EXPECT_EQ(repaired, expected);
  EXPECT_EQ(U32At(Descriptor(repaired, 2), 12), 16u);
}

TEST_F(RepairPanelTest, LeavesTheAreaAfterTheTerminatorAlone) {
  // A writer that keeps 263 bytes after the terminator, counted in the header size.
  std::string bytes = structuretest::EmptyTable({{"A B", 'C', 4}});
  bytes.insert(32 + 32 + 1, std::string(263, '\x0D'));
  bytes[8] = static_cast<char>((65 + 263) & 0xFF);
  bytes[9] = static_cast<char>((65 + 263) >> 8);
  const std::string source = dir.Path("fox.dbf");
  testsupport::WriteFile(source, bytes);
  Repair(source, dir.Path("fixed.dbf"), true);
  std::string expected = bytes;
  expected.replace(32, 10, Padded("A"));
  expected[32 + 12] = 1;  // the one offset computed
  EXPECT_EQ(ReadFile(dir.Path("fixed.dbf")), expected);
}

TEST_F(RepairPanelTest, AHeaderWithoutDescriptorsGivesNoFieldInFile) {
  std::string bytes = structuretest::EmptyTable({{"A", 'C', 4}});
  bytes[8] = 63;
  const std::string source = dir.Path("short.dbf");
  testsupport::WriteFile(source, bytes);
  Repair(source, dir.Path("fixed.dbf"), false);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"No field in file!"});
  EXPECT_EQ(ReadFile(dir.Path("fixed.dbf")), bytes.substr(0, 32));
  EXPECT_FALSE(Panel().isHidden());
}

TEST_F(RepairPanelTest, RefusesTheSourceAsResultUnderAnyName) {
  const std::string source = WriteDamaged();
  const std::string original = ReadFile(source);
  std::filesystem::create_symlink(source, dir.Path("link.dbf"));
  Repair(source, dir.dir() + "/./damaged.dbf", false);
  Repair(source, dir.Path("link.dbf"), false);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, "Результирующий файл совпадает с исходным!"));
  EXPECT_EQ(ReadFile(source), original);
}

TEST_F(RepairPanelTest, DoesNothingWithoutBothNamesOrAReadableSource) {
  form->N10->trigger();
  Panel().Edit10->setText(QString::fromStdString(WriteDamaged()));
  Panel().Button10->click();
  Panel().Edit10->setText(QString::fromStdString(dir.Path("missing.dbf")));
  Panel().Edit11->setText(QString::fromStdString(dir.Path("fixed.dbf")));
  Panel().Button10->click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.Path("fixed.dbf")));
  Panel().Button12->click();
  EXPECT_TRUE(Panel().isHidden());
}

TEST_F(RepairPanelTest, CopiesATableOfSeveralBlocksWhole) {
  const std::string source = WriteLarge();
  Repair(source, dir.Path("fixed.dbf"), false);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kDone});
  EXPECT_EQ(ReadFile(dir.Path("fixed.dbf")), ReadFile(source));
}

TEST_F(RepairPanelTest, AFailedWriteIsReportedAndTheSourceKept) {
  const std::string source = WriteLarge();
  const std::string original = ReadFile(source);
  {
    structuretest::FileSizeLimit limit(original.size() / 2);
    Repair(source, dir.Path("fixed.dbf"), false);
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_FALSE(Panel().isHidden());
  EXPECT_TRUE(Panel().ProgressBar3->isHidden());
  EXPECT_EQ(ReadFile(source), original);
  EXPECT_TRUE(exits.empty());
}
