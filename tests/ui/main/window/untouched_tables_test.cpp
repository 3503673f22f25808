// Every command leaves the tables it was not asked to change, bytes and
// modification times, as they were, also when a write of its own fails.
#include "main_window_fixture.h"

#include "process_limits.h"
#include "radio_group.h"
#include "sele_rec_form.h"
#include "structure_test_support.h"
#include "task_panel.h"
#include "creat_f_form.h"
#include "structure_commands.h"


#include <QApplication>
#include <QComboBox>

#include <cstring>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>

using namespace testsupport;

namespace {

const std::vector<FieldSpec> kPay{{"FIO", 'C', 8}, {"ACCOUNT", 'C', 4}, {"TIN", 'C', 4}, {"SUMMA", 'N', 6, 2}};

struct CommandCase {
  const char* command;
  std::function<void()> arrange, run;
  std::set<std::string> changes;  // names of the files the command is asked to change
};

class UntouchedTablesTest : public MainWindowTest {
 protected:
  // Every file of the test's folder aged to a second after the epoch, so
  // that any write shows.
  void AgeFiles() const {
    const timespec old[2] = {{1, 0}, {1, 0}};
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path(""))) {
      if (entry.is_regular_file()) ::utimensat(AT_FDCWD, entry.path().c_str(), old, 0);
    }
  }

  // The people table with a header count of 0, which no reading command may
  // put right, beside the payment table and a second people table.
  void WriteTables() {
    TableLayout people{{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}}, {}};
    people.records = {Record(people.fields, {"Ann", "   12.50", "T"}), Record(people.fields, {"Bob", "    0.00", "F"}, true),
                      Record(people.fields, {"Carol", "    4.00", "T"})};
    people.headerRecordCount = 0;
    testsupport::WriteFile(dir.Path("people.dbf"), TableBytes(people));
    testsupport::WriteFile(dir.Path("pay.dbf"),
                           TableBytes(TableLayout{kPay, {Record(kPay, {"Ann", "1", "2", "5"})}}));
    WritePeople("other.dbf");
  }

  void Sort(const std::string& output) { SortedCopy(dir.Path(output)); }
  void Report() { FillReport(), form->Controls().Panel4->Button8->click(); }
  void Export() {
    form->Controls().ToolButton5->trigger();
    form->Controls().Panel5->Button3->click();
  }
  void SaveCsv(const char* name = "out.csv") {
    dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path(name), 1});
    form->Controls().SaveasCSV1->trigger();
  }

  // What the window shows: the table, its rows' count, headings and first
  // row, the panels and bars shown, the field lists.
  std::vector<std::string> Window() const {
    std::vector<std::string> shown{form->Table().TablePath(), std::to_string(form->Controls().StringGrid1->RowCount())};
    for (int col = 0; col < form->Controls().StringGrid1->ColCount(); ++col) shown.push_back(Cell(0, col) + "|" + Cell(1, col));
    for (const QWidget* widget : QApplication::allWidgets()) {
      const auto* list = qobject_cast<const QComboBox*>(widget);
      for (int i = 0; list && list->isVisible() && i < list->count(); ++i) shown.push_back(list->itemText(i).toStdString());
    }
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
      if (widget->isVisible() && (dynamic_cast<const TaskPanel*>(widget) || qobject_cast<const QProgressBar*>(widget))) {
        shown.push_back(std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString());
      }
    }
    return shown;
  }
};

TEST_F(UntouchedTablesTest, EveryCommandLeavesTheTablesItDoesNotChangeAsTheyWere) {
  const auto answer = [this](std::optional<std::string> text) { dialogs.textAnswers.push_back(std::move(text)); };
  const CommandCase cases[] = {
      {"open", [] {}, [] {}, {}},
      {"reload", [] {}, [this] { form->Controls().Reload1->trigger(); }, {}},
      {"go to record", [&] { answer("2"); }, [this] { form->Controls().GoTo1->trigger(); }, {}},
      {"column sum", [this] { form->Controls().Edit4->setText("SUM"); }, [this] { form->Controls().Button4->click(); }, {}},
      {"zero sums of a text field refused", [this] { form->Controls().Edit4->setText("NAME"); }, [this] { form->Controls().Button5->click(); }, {}},
      {"code page switch", [] {}, [this] { form->Controls().cbCheckBox1->click(), form->Controls().cbCheckBox1->click(); }, {}},
      {"edit mode on and off", [] {}, [this] { form->Controls().N5->trigger(), form->Controls().N6->trigger(); }, {}},
      {"export", [] {}, [this] { Export(); }, {}},
      {"report", [] {}, [this] { Report(); }, {"people.txt"}},
      {"CSV out", [] {}, [this] { SaveCsv(); }, {"out.csv"}},
      {"Save as", [this] { dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("copy")}); },
       [this] { form->Controls().Saveas1->trigger(); }, {"copy.dbf"}},
      {"sorted copy", [] {}, [this] { Sort("sorted"); }, {"sorted.dbf"}},
      {"sorted copy over another table", [] {}, [this] { Sort("other.dbf"); }, {"other.dbf"}},
      {"range into a new table",
       [this] { FillRange("range", "1", "2"); },
       [this] { form->Controls().Button2->click(); }, {"range.dbf"}},
      {"structure copy", [this] { dialogs.WillOpen(dir.Path("empty.dbf")); },
       [this] { form->Controls().CopyStructurefile1->trigger(); }, {"empty.dbf"}},
      {"all records into another table",
       [this] { form->Controls().N14->trigger(), dialogs.WillOpen(dir.Path("other.dbf")), dialogs.askAnswers.push_back(true); },
       [this] { form->Controls().SeleRecForm->Button3->click(); }, {"other.dbf"}},
      {"records of another table appended",
       [this] { dialogs.WillOpen(dir.Path("other.dbf")), dialogs.askAnswers.push_back(true); },
       [this] { form->Controls().N13->trigger(); }, {"people.dbf"}},
      {"repair into a result", [this] { FillRepair(dir.Path("people.dbf"), dir.Path("fixed.dbf")); },
       [this] { form->Controls().Panel6->Button10->click(); }, {"fixed.dbf"}},
      {"new field refused", [] {}, [this] { form->Controls().Addnewfield1->trigger(); }, {}},
      {"field deletion refused", [] {}, [this] { form->Controls().Deletedfield1->trigger(); }, {}},
      {"undo with nothing kept", [] {}, [this] { form->Controls().Undo1->trigger(); }, {}},
      {"copy to a spreadsheet refused", [] {}, [this] { form->Controls().N17->trigger(); }, {}},
      {"raw view", [] {}, [this] { form->Controls().Openfileastext1->trigger(); }, {}},
      {"payment list", [this] { OpenFromMenu(dir.Path("pay.dbf")); }, [this] { form->Controls().N16->trigger(); }, {}},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.command);
    StartAfresh();
    WriteTables();
    OpenFromMenu(dir.Path("people.dbf"));
    c.arrange();
    AgeFiles();
    auto before = Files(false);

    c.run();
    form.reset();  // closing the window writes nothing either

    auto after = Files(false);
    for (const std::string& name : c.changes) before.erase(name), after.erase(name);
    EXPECT_EQ(after, before);
  }
}

// Each writing command with one of its writes failing (its own, the
// engine's, the report's, the office servers'): it names the file, every file
// and the window stay as they were, no bar left shown, and the window goes on.
TEST_F(UntouchedTablesTest, ACommandWhoseWriteFailsLeavesItsFileAsItWas) {
  using testsupport::Call;
  struct FailingCase {
    const char* command;
    std::function<void()> arrange, run;
    const char* file;  // the file it writes
    Call failing;
    int nth = 1;
    bool putBack = false;  // the bytes before the failed write are written again: the file's time is new
    const char* writtenBefore = "";  // a file it writes whole before that one
  };
  const auto range = [this](const char* name) { return [this, name] { FillRange(name); }; };
  const auto bare = [this] { OpenFromMenu(dir.Path("bare.dbf")); };
  const FailingCase cases[] = {
      {"Очистить весь файл, the engine's write", [] {}, [this] { form->Controls().N12->trigger(); }, "people.dbf", Call::Pwrite},
      {"save, the engine's write", [this] { form->Controls().StringGrid1->SetCell(1, 1, "Dan"); },
       [this] { form->Controls().Save1->trigger(); }, "people.dbf", Call::Pwrite},
      {"Save as over another table",
       [this] { form->Controls().StringGrid1->SetCell(1, 1, "Dan"), dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("other")}); },
       [this] { form->Controls().Saveas1->trigger(); }, "other.dbf", Call::Pwrite, 2},
      {"records of another table appended, the engine's write in place",
       [this] { dialogs.WillOpen(dir.Path("other.dbf")), dialogs.askAnswers.push_back(true); },
       [this] { form->Controls().N13->trigger(); }, "people.dbf", Call::Pwrite},
      {"zero sums removed", [this] { form->Controls().Edit4->setText("SUM"); }, [this] { form->Controls().Button5->click(); },
       "people.dbf", Call::Pwrite, 2},
      {"report, its lines", [this] { FillReport(); }, [this] { form->Controls().Panel4->Button8->click(); }, "people.txt", Call::Write},
      {"report, the new file's rename", [this] { FillReport(); }, [this] { form->Controls().Panel4->Button8->click(); }, "people.txt", Call::Rename},
      {"CSV out, its lines", [] {}, [this] { SaveCsv(); }, "out.csv", Call::Write},
      {"table from CSV",
       [this] {
         testsupport::WriteFile(dir.Path("in.csv"), "NAME\r\nAnn\r\n");
         dialogs.WillOpen(dir.Path("in.csv")), dialogs.askAnswers.push_back(false);
         dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("from_csv.dbf"), 1});
       },
       [this] { form->Controls().CreatefromCSV1->trigger(); }, "from_csv.dbf", Call::Pwrite},
      {"CSV out over a file there", [] {}, [this] { SaveCsv("old.csv"); }, "old.csv", Call::Write},
      {"sorted copy", [this] { FillSortPanel(dir.Path("sorted.dbf")); }, [this] { form->Controls().Panel3->Button1->click(); },
       "sorted.dbf", Call::Pwrite, 2},
      {"sorted copy over another table", [this] { FillSortPanel(dir.Path("other.dbf")); },
       [this] { form->Controls().Panel3->Button1->click(); }, "other.dbf", Call::Pwrite, 2},
      {"range into a new table", range("range"), [this] { form->Controls().Button2->click(); }, "range.dbf", Call::Pwrite, 2},
      {"range onto a table", range("other"), [this] { form->Controls().Button2->click(); }, "other.dbf", Call::Pwrite, 2},
      {"all records into another table",
       [this] { form->Controls().N14->trigger(), dialogs.WillOpen(dir.Path("other.dbf")), dialogs.askAnswers.push_back(true); },
       [this] { form->Controls().SeleRecForm->Button3->click(); }, "other.dbf", Call::Pwrite, 2},
      {"structure copy", [this] { dialogs.WillOpen(dir.Path("empty.dbf")); },
       [this] { form->Controls().CopyStructurefile1->trigger(); }, "empty.dbf", Call::Pwrite},
      {"repair into a result", [this] { FillRepair(dir.Path("people.dbf"), dir.Path("fixed.dbf")); }, [this] { form->Controls().Panel6->Button10->click(); }, "fixed.dbf", Call::CopyFileRange, 2},
      {"field renamed",
       [this] { form->Controls().N11->trigger(), form->Controls().Panel7->Edit12->setText("SUM"), form->Controls().Panel7->Edit13->setText("TOTAL"); },
       [this] { form->Controls().Panel7->Button15->click(); }, "people.dbf", Call::Pwrite, 1, true},
      {"field deleted",
       [&] { bare(), form->Controls().Deletedfield1->trigger(), form->Controls().StructureCommands->Creat_FForm->Edit1->setText("NAME"); },
       [this] { form->Controls().StructureCommands->Creat_FForm->Button2->click(); }, "bare.dbf", Call::Pwrite},
      {"new field",
       [&] {
         bare(), form->Controls().Addnewfield1->trigger();
         form->Controls().Panel8->Edit14->setText("DAY"), form->Controls().Panel8->Edit15->setText("8");
         form->Controls().Panel8->ComboBox2->setCurrentIndex(3);
       },
       [this] { form->Controls().Panel8->Button18->click(); }, "bare.dbf", Call::Pwrite, 2},
      {"export, its cells' scratch file", [this] { form->Controls().ToolButton5->trigger(); }, [this] { form->Controls().Panel5->Button3->click(); }, "exchange/cells-", Call::Write},
      {"export, the workbook's bytes", [this] { form->Controls().ToolButton5->trigger(); }, [this] { form->Controls().Panel5->Button3->click(); }, "exchange/workbook-", Call::Pwrite},
      {"report to the word processor, the document's bytes",
       [this] { FillReport(), form->Controls().Panel4->RadioGroup2->SetItemIndex(1); },
       [this] { form->Controls().Panel4->Button8->click(); }, "exchange/document-",
       Call::Pwrite, 1, false, "people.txt"},
  };
  for (const FailingCase& c : cases) {
    SCOPED_TRACE(c.command);
    StartAfresh();
    WriteTables();
    testsupport::WriteFile(dir.Path("bare.dbf"), structuretest::EmptyTable({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}}));
    // The report has one from before, and so has one of the CSV files.
    for (const char* there : {"people.txt", "old.csv"}) testsupport::WriteFile(dir.Path(there), "the old one\n");
    OpenFromMenu(dir.Path("people.dbf"));
    c.arrange();
    auto before = Files(false);
    const auto window = Window();
    fileSystem.Arm(c.failing, c.nth, ENOSPC);
    c.run();
    EXPECT_TRUE(fileSystem.Failed());
    fileSystem.Arm(std::nullopt, 1, 0);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(dialogs.messages.back().find(dir.Path(c.file)), std::string::npos) << dialogs.messages.back();
    EXPECT_NE(dialogs.messages.back().find(std::strerror(ENOSPC)), std::string::npos) << dialogs.messages.back();
    auto after = Files(false);
    if (c.putBack) after.at(c.file).second = before.at(c.file).second;
    before.erase(c.writtenBefore), after.erase(c.writtenBefore);
    EXPECT_EQ(after, before);
    EXPECT_EQ(Window(), window);
    EXPECT_TRUE(exits.empty());
    // The window goes on: the table shown can still be saved.
    form->Controls().Save1->trigger();
    EXPECT_EQ(dialogs.messages.back(), "Сохранение выполнено!");
  }
}

// The export and every reading command run on a table its user may not
// write; a Save into it is refused naming the reason.
TEST_F(UntouchedTablesTest, ATableTheUserMayNotWriteIsReadByEveryReadingCommand) {
  WriteTables();
  for (const char* name : {"people.dbf", "pay.dbf"}) ASSERT_EQ(::chmod(dir.Path(name).c_str(), 0444), 0);
  ASSERT_EQ(::chmod(dir.dir().c_str(), 0777), 0);
  const auto before = Files(false);
  const auto readEverything = [&] {
    OpenFromMenu(dir.Path("people.dbf"));
    form->Controls().Edit4->setText("SUM");
    form->Controls().Button4->click();
    Export();
    Report();
    SaveCsv();
    Sort("sorted.dbf");
    OpenFromMenu(dir.Path("pay.dbf"));
    form->Controls().N16->trigger();
    for (const std::string& m : dialogs.messages) {
      if (m.find("Ошибка") != std::string::npos || m.find("не удается") != std::string::npos) return 1;
    }
    // Writing it is refused with the reason.
    OpenFromMenu(dir.Path("people.dbf"));
    form->Controls().StringGrid1->SetCell(1, 1, "Anna");
    form->Controls().Save1->trigger();
    if (dialogs.messages.back() != "Файл " + dir.Path("people.dbf") + " не удается открыть для чтения и записи: " +
                                       std::strerror(EACCES)) return 3;
    return std::filesystem::exists(dir.Path("sorted.dbf")) && std::filesystem::exists(dir.Path("out.csv")) ? 0 : 2;
  };
  // Root reads as another user; any other user may not write the tables as they are.
  EXPECT_EQ(::geteuid() == 0 ? testsupport::RunAsOtherUser(readEverything) : readEverything(), 0);
  for (const char* name : {"people.dbf", "pay.dbf"}) EXPECT_EQ(Files(false).at(name), before.at(name)) << name;
}

}  // namespace
