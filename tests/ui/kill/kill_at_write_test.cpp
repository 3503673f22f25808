// Every command that rewrites a table where it stands or replaces it, killed
// at each of its writes in turn (this program run again as the child): the
// table is then the old one or the new one, or else the version kept before
// the write is marked as broken off, is named at the next start, and puts the
// old one back.
#include "main_window.h"
#include "new_field_panel.h"
#include "recording_launcher.h"
#include "remembered_settings.h"
#include "scripted_dialog_service.h"
#include "string_grid.h"
#include "table_bytes.h"
#include "table_versions.h"
#include "write_kill_seam.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<testsupport::FieldSpec>;

const Fields kFields{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}};

// 300 records, every 7th marked deleted; none when `records` is 0.
std::string TableOf(int records) {
  testsupport::TableLayout layout;
  layout.fields = kFields;
  for (int i = 0; i < records; ++i) {
    layout.records.push_back(testsupport::Record(kFields, {"N" + std::to_string(i), "    1.00"}, i % 7 == 3));
  }
  return testsupport::TableBytes(layout);
}

// A window over the table "t.dbf" of a folder, its versions beside it.
struct TableWindow {
  explicit TableWindow(const std::string& folder) : table(folder + "/t.dbf"), versions(folder + "/versions") {
    guard.InstallEngineReporters();
    RememberedSettings::Clear();
    MainWindowLinks links{dialogs, guard, launcher, {}, {}};
    links.versionsFolder = versions;
    form = std::make_unique<TForm2>(links);
    form->show();
    form->OpenAtStart(table);
    QApplication::processEvents();
  }

  const std::string table;
  const std::string versions;
  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard{dialogs, [](int) {}};
  RecordingLauncher launcher;
  std::unique_ptr<TForm2> form;
};

// Writes the table into the folder, with a second name when `hardLinked`.
void WriteTable(const std::string& folder, const std::string& bytes, bool hardLinked) {
  testsupport::WriteFile(folder + "/t.dbf", bytes);
  if (hardLinked) std::filesystem::create_hard_link(folder + "/t.dbf", folder + "/other-name.dbf");
}

struct Command {
  const char* name;
  int records;
  std::function<void(TForm2&)> run;
};

const Command kCommands[] = {
    {"purge of the marked", 300, [](TForm2& form) { form.Controls().ToolButton8->trigger(); }},
    {"record deleted", 300,
     [](TForm2& form) { form.Controls().StringGrid1->SetSelectedCell(5, 1), form.Controls().ToolButton2->trigger(); }},
    {"save", 300,
     [](TForm2& form) { form.Controls().StringGrid1->SetCell(2, 1, "EDITED"), form.Controls().Save1->trigger(); }},
    {"new field", 0,
     [](TForm2& form) {
       form.Controls().Addnewfield1->trigger();
       TNewFieldPanel& panel = *form.Controls().Panel8;
       panel.Edit14->setText(QStringLiteral("EXTRA")), panel.ComboBox2->setCurrentIndex(0);
       panel.Edit15->setText(QStringLiteral("5")), panel.Edit16->setText(QStringLiteral("0")), panel.Button18->click();
     }},
};

const char kJob[] = "DBFVIEW_KILL_AT_WRITE";

// Runs this program again as the child that runs command `index` on the
// table in `folder` and is killed at write `n`; its wait status. A fresh
// process, as a fork of this one could inherit locks its other threads hold.
int RunKilled(size_t index, const std::string& folder, long n) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  env.push_back(std::string(kJob) + "=" + std::to_string(index) + " " + std::to_string(n) + " " + folder);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string self = "/proc/self/exe", filter = "--gtest_filter=KillAtWriteChild.*";
  char* argv[] = {self.data(), filter.data(), nullptr};
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::execve(argv[0], argv, envp.data());
    ::_exit(127);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return status;
}

// The child's part: skipped unless this program was run as a child.
TEST(KillAtWriteChild, RunsTheCommandUntilKilled) {
  const char* job = std::getenv(kJob);
  if (!job) GTEST_SKIP();
  size_t index = 0;
  long n = 0;
  char folder[4096] = {};
  ASSERT_EQ(std::sscanf(job, "%zu %ld %4095[^\n]", &index, &n, folder), 3);
  TableWindow window(folder);
  killseam::KillAtWrite(n);
  kCommands[index].run(*window.form);
}

class KillAtWriteTest : public ::testing::TestWithParam<bool> {};

TEST_P(KillAtWriteTest, LeavesTheOldTableOrTheNewOrNamesTheBrokenWrite) {
  const bool hardLinked = GetParam();
  // What the killed writes stage goes with the test's folders.
  const testsupport::TempDir staging;
  ::setenv("TMPDIR", staging.dir().c_str(), 1);
  for (size_t index = 0; index < std::size(kCommands); ++index) {
    const Command& command = kCommands[index];
    SCOPED_TRACE(command.name);
    const std::string old = TableOf(command.records);
    // Run to its end first, its writes counted.
    const testsupport::TempDir finished;
    WriteTable(finished.dir(), old, hardLinked);
    TableWindow window(finished.dir());
    killseam::KillAtWrite(0);
    command.run(*window.form);
    const long writes = killseam::WritesCounted();
    killseam::KillAtWrite(0);
    const std::string fresh = testsupport::ReadFile(window.table);
    ASSERT_NE(fresh, old);
    ASSERT_GT(writes, 0);
    for (long n = 1; n <= writes; ++n) {
      SCOPED_TRACE("killed at write " + std::to_string(n) + " of " + std::to_string(writes));
      const testsupport::TempDir dir;
      WriteTable(dir.dir(), old, hardLinked);
      const int status = RunKilled(index, dir.dir(), n);
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
      const std::string left = testsupport::ReadFile(dir.Path("t.dbf"));
      if (left == old || left == fresh) continue;
      ui::TableVersions versions(dir.Path("versions"));
      const std::vector<ui::TableVersion> broken = versions.Interrupted();
      ASSERT_EQ(broken.size(), 1u) << "a torn table nobody would be told of";
      ASSERT_TRUE(versions.RestoreLast(broken[0].path));
      EXPECT_EQ(testsupport::ReadFile(dir.Path("t.dbf")), old);
    }
  }
  ::unsetenv("TMPDIR");
}

INSTANTIATE_TEST_SUITE_P(OwnNameAndHardLinked, KillAtWriteTest, ::testing::Bool());

}  // namespace
