#include "new_field_panel.h"
#include "panel_fixture.h"
#include "people_table.h"
#include "process_limits.h"
#include "structure_commands.h"
#include "structure_test_support.h"

#include <QComboBox>
#include <QtTest/QTest>

using structuretest::Descriptor;
using testsupport::ReadFile;

namespace {

const char kAdded[] = "Структура файла изменена.\r\nНовое поле введено!";
const char kLengthError[] = "Ошибка длины поля!";
const char kNotEmpty[] = "Необходимо очистить файл!";
constexpr int kCharacter = 0, kNumeric = 1, kLogic = 2, kData = 3;

class NewFieldPanelTest : public PanelTest {
 protected:
  // "Add new field", which shows the panel for a table without records.
  void AddNewField() { guard.Run([this] { panel.Addnewfield1Click(); }); }

  // "Create File" with the save dialog answering `name`.
  std::string CreateTable(const std::string& name = "new.dbf") {
    dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path(name), 1});
    guard.Run([this] { commands.CreateFile1Click(); });
    return dir.Path(name);
  }

  void Type(const char* name, int type, const char* length, const char* decimals = "0") {
    panel.Edit14->setText(QString::fromUtf8(name));
    panel.ComboBox2->setCurrentIndex(type);
    panel.Edit15->setText(QString::fromUtf8(length));
    panel.Edit16->setText(QString::fromUtf8(decimals));
  }

  void Write(const char* name, int type, const char* length, const char* decimals = "0") {
    Type(name, type, length, decimals);
    panel.Button18->click();
  }

  QWidget* FocusAfterEnter(QWidget* input) {
    QTest::keyClick(input, Qt::Key_Return);
    return window.focusWidget();
  }

  std::vector<std::string> TakeMessages() { return std::exchange(dialogs.messages, {}); }

  TNewFieldPanel& panel = *new TNewFieldPanel(context);
  TStructureCommands commands{context, panel};
};

}  // namespace

TEST_F(NewFieldPanelTest, CreateFileThenFieldsOfTheFourTypes) {
  Open(testsupport::WritePeople(dir));
  const std::string path = CreateTable("new") + ".dbf";  // named without an extension
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new")));
  EXPECT_EQ(ReadFile(path).size(), 34u);
  EXPECT_EQ(table.TablePath(), path);
  EXPECT_EQ(pathStrip->text().toStdString(), path);
  EXPECT_EQ(Cell(0, 1), "NAME");  // the grid still shows the table opened before
  EXPECT_FALSE(panel.isHidden());
  EXPECT_EQ(window.focusWidget(), panel.Edit14);

  Write("name", kCharacter, "10");
  Write("Summa", kNumeric, "8", "2");
  Write("OK", kLogic, "1");
  Write("DAY", kData, "8");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(4, kAdded));
  EXPECT_EQ(panel.Edit14->text(), "DAY");  // ready for the next field

  // Names as typed; offsets follow the lengths; the header ends the file.
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(testsupport::U16At(bytes, 8), 32 * 5 + 1);
  EXPECT_EQ(testsupport::U32At(bytes, 10), 28u);
  EXPECT_EQ(bytes.substr(32 * 5), "\x0D\x1A");
  EXPECT_EQ(Descriptor(bytes, 0), std::string("name\0\0\0\0\0\0\0C\x01\0\0\0\x0A\0", 18) + std::string(14, '\0'));
  EXPECT_EQ(Descriptor(bytes, 1).substr(0, 18), std::string("Summa\0\0\0\0\0\0N\x0B\0\0\0\x08\x02", 18));
  EXPECT_EQ(Descriptor(bytes, 2).substr(11, 7), std::string("L\x13\0\0\0\x01\0", 7));
  EXPECT_EQ(Descriptor(bytes, 3).substr(11, 7), std::string("D\x14\0\0\0\x08\0", 7));
}

TEST_F(NewFieldPanelTest, WrongInputsAreRefusedOnEnterAndWriteAndTheLimitsTaken) {
  const std::string path = CreateTable();
  const struct { const char *name, *length, *decimals, *message; int type; } refused[] = {
      {"ELEVENCHARS", "10", "0", "Ошибка в имени поля!", kCharacter},
      {"   ", "10", "0", "Ошибка в имени поля!", kCharacter},
      {"A", "0", "0", kLengthError, kCharacter},
      {"A", "256", "0", kLengthError, kCharacter},
      {"A", "1x", "0", kLengthError, kCharacter},
      {"A", "10", "56", kLengthError, kNumeric},  // decimals, as "Записать" reports them
      {"A", "10", "0", "Ошибка типа поля!", -1},
  };
  for (const auto& input : refused) {
    Write(input.name, input.type, input.length, input.decimals);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{input.message}) << input.name << " " << input.length;
  }
  EXPECT_EQ(ReadFile(path).size(), 34u);
  // Enter checks each input and moves on.
  Type("ELEVENCHARS", kNumeric, "256", "56");
  EXPECT_EQ(FocusAfterEnter(panel.Edit14), panel.Edit14);
  EXPECT_EQ(FocusAfterEnter(panel.Edit15), panel.Edit14);
  EXPECT_EQ(FocusAfterEnter(panel.Edit16), panel.Edit14);
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Ошибка в имени поля!", kLengthError,
                                                       "Ошибка колич.знаков после зпт!"}));
  Type("SUM", kNumeric, "12", "55");
  EXPECT_EQ(FocusAfterEnter(panel.Edit14), panel.ComboBox2);
  EXPECT_EQ(FocusAfterEnter(panel.ComboBox2), panel.Edit15);
  EXPECT_EQ(FocusAfterEnter(panel.Edit15), panel.Edit16);  // a number asks for its decimals
  EXPECT_EQ(FocusAfterEnter(panel.Edit16), panel.Button18);
  // Any other type sets the decimals to 0 and goes straight to "Записать".
  Type("OK", kLogic, "1", "7");
  EXPECT_EQ(FocusAfterEnter(panel.Edit15), panel.Button18);
  EXPECT_EQ(panel.Edit16->text(), "0");
  EXPECT_TRUE(dialogs.messages.empty());

  Write("TENLETTERS", kCharacter, "255", "55");  // 55 decimals also for a character field
  Write("  X  ", kNumeric, "  $1F ", "");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(2, kAdded));
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(Descriptor(bytes, 0).substr(0, 18), std::string("TENLETTERS\0C\x01\0\0\0\xFF\x37", 18));
  EXPECT_EQ(Descriptor(bytes, 1).substr(0, 18), std::string("X\0\0\0\0\0\0\0\0\0\0N\0\x01\0\0\x1F\0", 18));
}

TEST_F(NewFieldPanelTest, OnlyNewNamesAndTablesWithoutRecords) {
  const std::string people = testsupport::WritePeople(dir);
  const std::string before = ReadFile(people);
  CreateTable("people.dbf");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"ERROR!!!\r\nDeblicate File Name!"});
  EXPECT_EQ(pathStrip->text().toStdString(), people);
  EXPECT_TRUE(panel.isHidden());

  Open(people);
  AddNewField();
  EXPECT_TRUE(panel.isHidden());
  // Records of the flag byte alone are records all the same.
  const std::string flags = dir.Path("flags.dbf");
  testsupport::WriteFile(flags, testsupport::TableBytes({{{"NOTE", 'C', 0}}, {" ", "*"}}));
  Open(flags);
  AddNewField();
  EXPECT_TRUE(panel.isHidden());
  // A table without fields: nothing but the end mark after its header.
  const std::string path = CreateTable();
  Open(path);
  AddNewField();
  EXPECT_FALSE(panel.isHidden());
  // The panel outlives opening another table, which then keeps its records.
  Open(people);
  Write("A", kCharacter, "3");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(3, kNotEmpty));
  EXPECT_EQ(ReadFile(people), before);
  panel.Button19->click();
  EXPECT_TRUE(panel.isHidden());
}

// A failed field write is in the sweep of failing writes; a table that
// cannot be made leaves none half made and no panel shown.
TEST_F(NewFieldPanelTest, AFailedCreateLeavesNoTableHalfMade) {
  {
    testsupport::FileSizeLimit limit(20);
    CreateTable();
  }
  EXPECT_TRUE(testsupport::OnlyTooLarge(TakeMessages()));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new.dbf")));
  EXPECT_TRUE(panel.isHidden());
}
