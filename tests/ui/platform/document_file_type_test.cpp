#include "desktop_launcher.h"
#include "document_file_type.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

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
// mark every file executable; programs, scripts, archives and desktop entries
// do not, whatever their names.
TEST_F(DocumentFileTypeTest, OnlySpreadsheetsTextsAndDocumentsAreHandedOverAndTheLauncherRefusesTheRest) {
  const std::vector<std::tuple<std::string, std::string, bool>> files{
      {"sums.csv", "NAME;SUM\nIvanov;12.50\n", true},
      {"sums.xlsx", kZip + "[Content_Types].xml", true},
      {"sums.xls", kOle + std::string(504, '\0'), true},
      {"notes.txt", "plain words\n", true},
      {"letter.odt", kZip + "mimetypeapplication/vnd.oasis.opendocument.text", true},
      {"tool", kElf + std::string(64, '\0'), false},
      {"run.sh", "echo hello\n", false},
      {"run", "#!/bin/sh\necho hello\n", false},
      {"report.xls", "#!/bin/sh\necho hello\n", false},  // a script given a spreadsheet's name
      {"notes.txt", "#!/usr/bin/env python3\nprint(1)\n", false},
      {"app.jar", kZip + "META-INF/MANIFEST.MF", false},
      {"setup.exe", "MZ\x90" + std::string(61, '\0'), false},
      {"sheet.desktop", "[Desktop Entry]\nType=Application\nExec=true\n", false},
      {"data.zip", kZip + "data.csv", false},
      {"data.tar.gz", std::string("\x1F\x8B\x08\x00", 4) + std::string(16, '\0'), false},
      {"page.html", "<html><script>alert(1)</script></html>\n", false},
  };
  for (const auto& [name, content, document] : files) {
    for (const bool executable : {false, true}) {
      EXPECT_EQ(ui::IsDocumentFile(Write(name, content, executable)), document) << name << " executable=" << executable;
    }
  }
  EXPECT_FALSE(ui::IsDocumentFile(dir.Path("missing.xls")));
  EXPECT_FALSE(ui::IsDocumentFile(dir.Path("")));  // the folder itself
  // Only a refusal is tried: a file the launcher accepts would really be handed to the desktop.
  EXPECT_FALSE(ui::DesktopLauncher().Open(Write("sheet.desktop", "[Desktop Entry]\nExec=true\n", false)));
}
