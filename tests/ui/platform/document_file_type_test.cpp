#include "desktop_launcher.h"
#include "document_file_type.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;  // name, content

const std::string kZip("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10);
const std::string kOle("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const std::string kElf("\x7F" "ELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x3E\x00", 20);

class DocumentFileTypeTest : public ::testing::Test {
 protected:
  // Writes each file, with or without execute bits, and returns its path.
  std::string Write(const std::string& name, const std::string& content, bool executable) {
    const std::string path = dir.Path((executable ? "x_" : "") + name);
    testsupport::WriteFile(path, content);
    if (executable) {
      std::filesystem::permissions(path, std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec,
                                   std::filesystem::perm_options::add);
    }
    return path;
  }

  testsupport::TempDir dir;
};

}  // namespace

// Spreadsheets, texts and documents go to the desktop, also from media that
// mark every file executable.
TEST_F(DocumentFileTypeTest, SpreadsheetsTextsAndDocumentsAreHandedOver) {
  const Files documents{
      {"sums.csv", "NAME;SUM\nIvanov;12.50\n"},
      {"sums.xlsx", kZip + "[Content_Types].xml"},
      {"sums.xls", kOle + std::string(504, '\0')},
      {"notes.txt", "plain words\n"},
      {"letter.odt", kZip + "mimetypeapplication/vnd.oasis.opendocument.text"},
  };
  for (const auto& [name, content] : documents) {
    for (const bool executable : {false, true}) {
      EXPECT_TRUE(ui::IsDocumentFile(Write(name, content, executable))) << name << " executable=" << executable;
    }
  }
}

TEST_F(DocumentFileTypeTest, ProgramsScriptsArchivesAndDesktopEntriesAreRefused) {
  const Files others{
      {"tool", kElf + std::string(64, '\0')},
      {"run.sh", "echo hello\n"},
      {"run", "#!/bin/sh\necho hello\n"},
      {"report.xls", "#!/bin/sh\necho hello\n"},  // a script given a spreadsheet's name
      {"notes.txt", "#!/usr/bin/env python3\nprint(1)\n"},
      {"app.jar", kZip + "META-INF/MANIFEST.MF"},
      {"setup.exe", "MZ\x90" + std::string(61, '\0')},
      {"sheet.desktop", "[Desktop Entry]\nType=Application\nExec=true\n"},
      {"data.zip", kZip + "data.csv"},
      {"data.tar.gz", std::string("\x1F\x8B\x08\x00", 4) + std::string(16, '\0')},
      {"page.html", "<html><script>alert(1)</script></html>\n"},
  };
  for (const auto& [name, content] : others) {
    for (const bool executable : {false, true}) {
      EXPECT_FALSE(ui::IsDocumentFile(Write(name, content, executable))) << name << " executable=" << executable;
    }
  }
  EXPECT_FALSE(ui::IsDocumentFile(dir.Path("missing.xls")));
  EXPECT_FALSE(ui::IsDocumentFile(dir.Path("")));  // the folder itself
}

// Only a refusal is tried: a file the launcher accepts would really be
// handed to the desktop.
TEST_F(DocumentFileTypeTest, TheLauncherRefusesWhatIsNotADocument) {
  ui::DesktopLauncher launcher;
  EXPECT_FALSE(launcher.Open(Write("sheet.desktop", "[Desktop Entry]\nExec=true\n", false)));
}
