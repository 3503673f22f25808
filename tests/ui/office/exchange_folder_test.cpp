#include "docx_word_basic.h"
#include "exchange_folder.h"
#include "page_text.h"
#include "office_window_fixture.h"
#include "recording_launcher.h"
#include "xlsx_spreadsheet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

// Sets the time a file (or a link itself) was last changed to `hours` ago.
void MakeOld(const std::string& path, int hours) {
  timespec times[2];
  ::clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec -= hours * 3600;
  times[1] = times[0];
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

class ExchangeFolderTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  std::string exchange = dir.Path("exchange");
  RecordingLauncher launcher;
};

// Workbooks, documents and copies of the user's files are readable by the
// user alone, in a folder no one else may enter, also where an earlier
// version left the folder open.
TEST_F(ExchangeFolderTest, EveryFileIsTheUsersAlone) {
  fs::create_directory(exchange);
  fs::permissions(exchange, fs::perms(0755));
  const std::string mine = dir.Path("mine.xls");
  testsupport::WriteFile(mine, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'));
  fs::permissions(mine, fs::perms(0755));
  const office::TextPage& page = office::TextPage::Of(ui::CodePage::Windows1251);
  office::XlsxSpreadsheet excel(exchange, launcher, page, dbf::SystemFileSystem());
  office::DocxWordBasic word(exchange, launcher, page, dbf::SystemFileSystem());
  testsupport::WriteFile(dir.Path("zero_fil.txt"), "");
  const std::vector<std::pair<const char*, std::function<void()>>> producers{
      {"workbook", [&] { excel.WorkBooks().Add().WorkSheets(1).Cells(1, 1, "x"), excel.Visible(true); }},
      {"copy of the user's file", [&] { excel.WorkBooks().Add(mine), excel.Visible(true); }},
      {"document", [&] { word.FileNew(dir.Path("zero_fil.txt")), word.AppShow(); }},
  };
  for (const auto& [what, produce] : producers) {
    produce();
    ASSERT_FALSE(launcher.opened.empty()) << what;
    EXPECT_EQ(ModeOf(launcher.opened.back()), 0600u) << what;
    EXPECT_EQ(ModeOf(exchange), 0700u) << what;
  }
  EXPECT_EQ(launcher.opened.size(), producers.size());
}

// A folder that is a link, or another user's, is not used.
TEST_F(ExchangeFolderTest, AFolderThatIsNotTheUsersOwnIsRefused) {
  struct Folder {
    const char* what;
    std::function<bool()> make;  // false: cannot be made here
    std::string why;
  };
  fs::create_directory(dir.Path("elsewhere"));
  const std::vector<Folder> folders{
      {"a link to a folder",
       [&] { return fs::create_directory_symlink(dir.Path("elsewhere"), exchange), true; },
       "это ссылка или не папка"},
      // Only root can give a folder away.
      {"another user's folder",
       [&] { return fs::create_directory(exchange) && ::geteuid() == 0 && ::chown(exchange.c_str(), 65534, 65534) == 0; },
       "папка принадлежит другому пользователю"},
  };
  for (const Folder& f : folders) {
    fs::remove_all(exchange);
    if (!f.make()) continue;
    EXPECT_EQ(officetest::AutomationErrorOf([&] { office::ReserveFreshFile(exchange, "workbook", ".xlsx"); }),
              exchange + ": " + f.why) << f.what;
    EXPECT_TRUE(fs::is_empty(dir.Path("elsewhere"))) << f.what;
    EXPECT_EQ(ModeOf(dir.Path("elsewhere")) & 077, 0755u & 077) << f.what;
  }
}

using ExchangeCleanUpTest = OfficeWindowTest;

// At the start only what is older than a day goes: files and links, never
// what a link names, nor a subfolder.
TEST_F(ExchangeCleanUpTest, FilesOlderThanADayGoWhenTheWindowOpens) {
  struct Entry {
    std::string name;
    int hours;
    bool kept;
  };
  const std::string folder = servers.ExchangeFolder();
  const std::string outside = dir.Path("outside.xlsx");
  testsupport::WriteFile(outside, "the user's own");
  MakeOld(outside, 48);
  const std::vector<Entry> entries{{"workbook-1.xlsx", 25, false}, {"document-1.docx", 23, true},
                                   {".~lock.workbook-1.xlsx#", 30, false}, {"zero_fil.txt", 1, true},
                                   {"link.xlsx", 48, false}, {"folder", 48, true}};
  for (const Entry& e : entries) {
    const std::string path = folder + "/" + e.name;
    if (e.name == "link.xlsx") fs::create_symlink(outside, path);
    else if (e.name == "folder") fs::create_directory(path);
    else testsupport::WriteFile(path, "x");
    MakeOld(path, e.hours);
  }
  OpenWindow();
  for (const Entry& e : entries) {
    EXPECT_EQ(fs::exists(fs::symlink_status(folder + "/" + e.name)), e.kept) << e.name;
  }
  EXPECT_EQ(testsupport::ReadFile(outside), "the user's own");
  EXPECT_EQ(form->Controls().StaticText1->text(), "");

  // What is left, when it is much, is named in the status text.
  fs::resize_file(folder + "/document-1.docx", 150ull << 20);  // sparse: takes no room
  OpenWindow();
  EXPECT_EQ(form->Controls().StaticText1->text().toStdString(), "Файлы для офисных программ занимают 150 МБ: " + folder);
}

}  // namespace
