// Names another user may have planted things under: a link where a command
// writes its output is reported and never followed, and a FIFO where a table
// or a CSV file is read is refused without waiting on it.
#include "main_window_fixture.h"

#include <sys/stat.h>


namespace {

using UntrustedNamesTest = MainWindowTest;

TEST_F(UntrustedNamesTest, ALinkWhereACommandWritesIsReportedAndWhatItNamesStaysAsItWas) {
  const std::string table = WritePeople();
  OpenFromMenu(table);
  testsupport::WriteFile(dir.Path("in.csv"), "NAME\r\nAnn\r\n");
  const std::string victim = dir.Path("victim.dbf");
  const struct { const char* name; QAction* command; const char* out; } commands[] = {
      {"CSV out", form->Controls().SaveasCSV1, "out.csv"},
      {"CSV in", form->Controls().CreatefromCSV1, "out.dbf"},
      {"save as", form->Controls().Saveas1, "out.dbf"},
  };
  // The victim's file there, or not yet there (a dangling link).
  for (const bool victimThere : {true, false}) {
    for (const auto& c : commands) {
      SCOPED_TRACE(std::string(c.name) + (victimThere ? ", link to a file" : ", dangling link"));
      const bool csvIn = c.command == form->Controls().CreatefromCSV1;
      const std::string out = dir.Path(c.out);
      std::filesystem::remove(victim);
      std::filesystem::remove(out);
      if (victimThere) testsupport::WriteFile(victim, "the victim's own");
      std::filesystem::create_symlink(victim, out);
      if (csvIn) dialogs.WillOpen(dir.Path("in.csv")), dialogs.askAnswers.push_back(false);
      dialogs.saveAnswers.push_back(ui::FileChoice{out, 1});
      dialogs.messages.clear();
      c.command->trigger();
      // Refused with the name: as a link, or (CSV in) as a name already taken.
      ASSERT_FALSE(dialogs.messages.empty());
      EXPECT_NE(dialogs.messages.back().find(out), std::string::npos) << dialogs.messages.back();
      EXPECT_TRUE(dialogs.messages.back().find("стоит ссылка") != std::string::npos || (victimThere && csvIn))
          << dialogs.messages.back();
      EXPECT_EQ(std::filesystem::exists(victim), victimThere);
      if (victimThere) {
        EXPECT_EQ(testsupport::ReadFile(victim), "the victim's own");
      }
      EXPECT_TRUE(std::filesystem::is_symlink(out));
    }
  }
  EXPECT_EQ(form->Table().TablePath(), table);
  EXPECT_TRUE(exits.empty());
}

TEST_F(UntrustedNamesTest, AFifoAsTheTableTheRecentTableOrTheCsvSourceIsRefusedAtOnce) {
  const std::string fifo = dir.Path("pipe.dbf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string csvFifo = dir.Path("pipe.csv");
  ASSERT_EQ(::mkfifo(csvFifo.c_str(), 0600), 0);
  const std::string table = WritePeople();
  const struct { const char* name; std::function<void()> run; std::string named; } reads[] = {
      {"open", [&] { OpenFromMenu(fifo); }, fifo},
      {"open at start", [&] { guard.Run([&] { form->OpenAtStart(fifo); }); }, fifo},
      {"recent table", [&] { guard.Run([&] { form->OpenRecentTable(fifo); }); }, fifo},
      {"CSV in", [&] {
         OpenFromMenu(table);
         dialogs.WillOpen(csvFifo);
         dialogs.askAnswers.push_back(false);
         dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("from_pipe.dbf"), 1});
         form->Controls().CreatefromCSV1->trigger();
       }, csvFifo},
  };
  for (const auto& r : reads) {
    SCOPED_TRACE(r.name);
    dialogs.messages.clear();
    r.run();  // a hang here is the failure
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(),
              r.named + ": это не обычный файл (канал, устройство или папка), он не читается");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path("from_pipe.dbf")));
  EXPECT_TRUE(exits.empty());
}

}  // namespace
