// Commands on a table whose file went away (or changed) after it was shown:
// the message says what happened to which file, in the window's language,
// never the engine's own texts.
#include "main_window_fixture.h"

#include "rename_panel.h"
#include "sort_panel.h"

#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <functional>

namespace {

using MissingTableTest = MainWindowTest;

TEST_F(MissingTableTest, ProbeMessages) {
  const struct { const char* name; std::function<void()> run; } commands[] = {
      {"purge", [&] { dialogs.askAnswers.push_back(true); form->ToolButton8->trigger(); }},
      {"delete record", [&] { dialogs.askAnswers.push_back(true); form->Deleterecord1->trigger(); }},
      {"clear", [&] { dialogs.askAnswers.push_back(true); form->N12->trigger(); }},
      {"sort", [&] {
         form->Sortedfile1->trigger();
         form->Panel3->Edit5->setText(QString::fromStdString(dir.Path("sorted.dbf")));
         form->Panel3->Button1->click();
       }},
      {"copy structure", [&] { dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("s.dbf"), 1}); form->CopyStructurefile1->trigger(); }},
      {"delete field", [&] { dialogs.textAnswers.push_back("SUM"); form->Deletedfield1->trigger(); }},
      {"rename", [&] {
         form->N11->trigger();
         form->Panel7->Edit12->setText("SUM");
         form->Panel7->Edit13->setText("TOTAL");
         form->Panel7->Button15->click();
       }},
      {"copy from", [&] {
         dialogs.WillOpen(WritePeople("other.dbf"));
         dialogs.askAnswers.push_back(true);
         form->N13->trigger();
       }},
      {"reload", [&] { form->Reload1->trigger(); }},
      {"save", [&] { form->Save1->trigger(); }},
      {"save as", [&] { dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("copy.dbf"), 1}); form->Saveas1->trigger(); }},
      {"undo", [&] { form->Undo1->trigger(); }},
  };
  for (const auto& c : commands) {
    const std::string table = WritePeople();
    OpenFromMenu(table);
    std::filesystem::remove(table);
    dialogs.messages.clear();
    c.run();
    std::cout << "### " << c.name << ":";
    for (const auto& m : dialogs.messages) std::cout << " [" << m << "]";
    std::cout << std::endl;
    dialogs.askAnswers.clear();
    dialogs.saveAnswers.clear();
    dialogs.openAnswers.clear();
    dialogs.textAnswers.clear();
  }
}

}  // namespace
