#include "main_window_fixture.h"
#include "structure_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest/QTest>

using structuretest::Descriptor;
using structuretest::Padded;
using testsupport::ReadFile;
using testsupport::U16At;
using testsupport::U32At;

namespace {

class NewFieldPanelTest : public MainWindowTest {
 protected:
  TNewFieldPanel& Panel() { return *form->Panel8; }

  // "Create File" with the save dialog answering `name`.
  std::string CreateTable(const std::string& name = "new.dbf") {
    const std::string path = dir.Path(name);
    dialogs.saveAnswers.push_back(ui::FileChoice{path, 1});
    form->CreateFile1->trigger();
    return path;
  }

  void Type(const char* name, int type, const char* length, const char* decimals) {
    Panel().Edit14->setText(QString::fromUtf8(name));
    Panel().ComboBox2->setCurrentIndex(type);
    Panel().Edit15->setText(QString::fromUtf8(length));
    Panel().Edit16->setText(QString::fromUtf8(decimals));
  }

  void Enter(QWidget* widget) { QTest::keyClick(widget, Qt::Key_Return); }
  QWidget* Focused() const { return form->focusWidget(); }

  std::vector<std::string> TakeMessages() { return std::exchange(dialogs.messages, {}); }
};

const char kAdded[] = "Структура файла изменена.\r\nНовое поле введено!";
const char kLengthError[] = "Ошибка длины поля!";
constexpr int kCharacter = 0, kNumeric = 1, kLogic = 2, kData = 3;

}  // namespace

TEST_F(NewFieldPanelTest, CreateFileMakesATableWithoutFieldsAndOpensThePanel) {
  OpenFromMenu(WritePeople());
  const std::string path = CreateTable();
  EXPECT_EQ(ReadFile(path).size(), 34u);
  EXPECT_EQ(form->TablePath, path);
  EXPECT_EQ(Shown(form->StaticText2), path);
  EXPECT_FALSE(Panel().isHidden());
  EXPECT_EQ(Panel().Edit16->text(), "0");
  EXPECT_EQ(Panel().ComboBox2->currentText(), "Character");
  EXPECT_EQ(Focused(), Panel().Edit14);
  // The grid still shows the table opened before.
  EXPECT_EQ(Cell(0, 1), "NAME");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NewFieldPanelTest, FieldsOfTheFourTypesAreAddedOneAfterAnother) {
  const std::string path = CreateTable();
  Type("name", kCharacter, "10", "0");
  Panel().Button18->click();
  Type("Summa", kNumeric, "8", "2");
  Panel().Button18->click();
  Type("OK", kLogic, "1", "0");
  Panel().Button18->click();
  Type("DAY", kData, "8", "0");
  Panel().Button18->click();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(4, kAdded));
  EXPECT_EQ(Focused(), Panel().Edit14);
  EXPECT_EQ(Panel().Edit14->text(), "DAY");  // ready for the next field

  const std::string bytes = ReadFile(path);
  EXPECT_EQ(U16At(bytes, 8), 32 * 5 + 1);
  EXPECT_EQ(U32At(bytes, 10), 1u + 10 + 8 + 1 + 8);
  EXPECT_EQ(bytes.size(), 32u * 5 + 2);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\x0D\x1A");
  const std::vector<std::tuple<std::string, char, uint32_t, int, int>> expected{
      {"name", 'C', 1, 10, 0}, {"Summa", 'N', 11, 8, 2}, {"OK", 'L', 19, 1, 0}, {"DAY", 'D', 20, 8, 0}};
  for (size_t i = 0; i < expected.size(); ++i) {
    const std::string d = Descriptor(bytes, static_cast<int>(i));
    const auto& [name, type, offset, length, decimals] = expected[i];
    EXPECT_EQ(d.substr(0, 10), Padded(name)) << i;  // letter case as typed
    EXPECT_EQ(d[11], type);
    EXPECT_EQ(U32At(d, 12), offset);
    EXPECT_EQ(static_cast<unsigned char>(d[16]), length);
    EXPECT_EQ(static_cast<unsigned char>(d[17]), decimals);
  }
}

TEST_F(NewFieldPanelTest, WrongInputsAreRefusedAndNothingIsWritten) {
  const std::string path = CreateTable();
  const struct {
    const char* name;
    int type;
    const char* length;
    const char* decimals;
    const char* message;
  } refused[] = {
      {"ELEVENCHARS", kCharacter, "10", "0", "Ошибка в имени поля!"},
      {"   ", kCharacter, "10", "0", "Ошибка в имени поля!"},
      {"A", kCharacter, "0", "0", kLengthError},
      {"A", kCharacter, "256", "0", kLengthError},
      {"A", kCharacter, "1x", "0", kLengthError},
      {"A", kNumeric, "10", "56", kLengthError},  // decimals, as "Записать" reports them
      {"A", -1, "10", "0", "Ошибка типа поля!"},
  };
  for (const auto& input : refused) {
    Type(input.name, input.type, input.length, input.decimals);
    Panel().Button18->click();
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{input.message}) << input.name << " " << input.length;
  }
  EXPECT_EQ(ReadFile(path).size(), 34u);

  // The limits themselves are accepted, 55 decimals also for a character field.
  Type("TENLETTERS", kCharacter, "255", "55");
  Panel().Button18->click();
  Type("  X  ", kNumeric, "  $1F ", "");
  Panel().Button18->click();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(2, kAdded));
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(Descriptor(bytes, 0).substr(0, 10), "TENLETTERS");
  EXPECT_EQ(static_cast<unsigned char>(Descriptor(bytes, 0)[16]), 255);
  EXPECT_EQ(Descriptor(bytes, 0)[17], 55);
  EXPECT_EQ(Descriptor(bytes, 1).substr(0, 10), Padded("X"));
  EXPECT_EQ(Descriptor(bytes, 1)[16], 31);
  EXPECT_EQ(Descriptor(bytes, 1)[17], 0);
}

TEST_F(NewFieldPanelTest, EnterChecksEachInputAndMovesOn) {
  CreateTable();
  Panel().Edit14->setText("ELEVENCHARS");
  Enter(Panel().Edit14);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Ошибка в имени поля!"});
  EXPECT_EQ(Focused(), Panel().Edit14);
  Panel().Edit14->setText("SUM");
  Enter(Panel().Edit14);
  EXPECT_EQ(Focused(), Panel().ComboBox2);
  Panel().ComboBox2->setCurrentIndex(kNumeric);
  Enter(Panel().ComboBox2);
  EXPECT_EQ(Focused(), Panel().Edit15);
  Panel().Edit15->setText("256");
  Enter(Panel().Edit15);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{kLengthError});
  Panel().Edit15->setText("12");
  Enter(Panel().Edit15);
  EXPECT_EQ(Focused(), Panel().Edit16);  // a number asks for its decimals
  Panel().Edit16->setText("56");
  Enter(Panel().Edit16);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Ошибка колич.знаков после зпт!"});
  Panel().Edit16->setText("55");
  Enter(Panel().Edit16);
  EXPECT_EQ(Focused(), Panel().Button18);

  // Any other type sets the decimals to 0 and goes straight to "Записать".
  Panel().ComboBox2->setCurrentIndex(kLogic);
  Panel().Edit16->setText("7");
  Enter(Panel().Edit15);
  EXPECT_EQ(Panel().Edit16->text(), "0");
  EXPECT_EQ(Focused(), Panel().Button18);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NewFieldPanelTest, CreateFileRefusesAnExistingName) {
  const std::string path = WritePeople();
  const std::string before = ReadFile(path);
  CreateTable("people.dbf");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"ERROR!!!\r\nDeblicate File Name!"});
  EXPECT_EQ(Shown(form->StaticText2), path);
  EXPECT_EQ(form->TablePath, path);
  EXPECT_TRUE(Panel().isHidden());
  EXPECT_EQ(ReadFile(path), before);
}

TEST_F(NewFieldPanelTest, AddNewFieldNeedsATableWithoutRecords) {
  OpenFromMenu(WritePeople());
  form->Addnewfield1->trigger();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Необходимо очистить файл!"});
  EXPECT_TRUE(Panel().isHidden());

  // A table without fields has only its end mark after the header, which the
  // engine counts as one record of length 1; it takes fields all the same.
  const std::string path = CreateTable();
  Panel().hide();
  OpenFromMenu(path);
  form->Addnewfield1->trigger();
  EXPECT_FALSE(Panel().isHidden());
  Type("A", kCharacter, "3", "0");
  Panel().Button18->click();
  form->Addnewfield1->trigger();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{kAdded});
  EXPECT_FALSE(Panel().isHidden());
  Panel().Button19->click();
  EXPECT_TRUE(Panel().isHidden());
}

TEST_F(NewFieldPanelTest, ThePanelLeftOpenDoesNotDropTheRecordsOfAnotherTable) {
  CreateTable();
  const std::string people = WritePeople();
  const std::string before = ReadFile(people);
  OpenFromMenu(people);
  ASSERT_FALSE(Panel().isHidden());
  Type("A", kCharacter, "3", "0");
  Panel().Button18->click();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Необходимо очистить файл!"});
  EXPECT_EQ(ReadFile(people), before);
}

TEST_F(NewFieldPanelTest, AFailedWriteLeavesTheTableAsItWas) {
  const std::string path = dir.Path("empty.dbf");
  testsupport::WriteFile(path, structuretest::EmptyTable({{"NAME", 'C', 10}}));
  const std::string before = ReadFile(path);
  OpenFromMenu(path);
  form->Addnewfield1->trigger();
  Type("SUM", kNumeric, "8", "2");
  {
    structuretest::FileSizeLimit limit(before.size() + 10);
    Panel().Button18->click();
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(exits.empty());
}

TEST_F(NewFieldPanelTest, AFailedCreateLeavesNoFileBehind) {
  std::string path;
  {
    structuretest::FileSizeLimit limit(20);
    path = CreateTable();
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(Panel().isHidden());
}
