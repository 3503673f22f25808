#include "hand_over.h"
#include "office_test_support.h"
#include "recording_launcher.h"

#include <gtest/gtest.h>

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

struct Case {
  std::string name;
  std::string content;  // the file's bytes, or none for a zip package
  Members members;      // the package's members
  bool handedOver;
};

const std::string kCompound = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0');
const Members kWorkbook{{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<workbook/>"}};
const Members kDocument{{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "<w:document/>"}};

const std::vector<Case> kCases{
    {"sums.xls", kCompound, {}, true},
    {"SUMS.XLSX", "", kWorkbook, true},
    {"sums.ods", "", {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", "<x/>"}}, true},
    {"sums.csv", "NAME;SUM\r\n\xC8\xE2\xE0\xED\xEE\xE2;12.50\r\n\f", {}, true},
    {"notes.txt", "plain words, 1 < 2\n", {}, true},
    {"text.xls", "NAME\tSUM\n", {}, true},  // tables exported as text under a spreadsheet's name
    {"README", "plain words\n", {}, true},
    {"letter.docx", "", kDocument, true},
    // A name that promises a spreadsheet over other content.
    {"page.xls", "<html><script>alert(1)</script></html>\n", {}, false},
    {"picture.xls", "<svg xmlns=\"http://www.w3.org/2000/svg\"><script>alert(1)</script></svg>", {}, false},
    {"page", "<html><body>1</body></html>", {}, false},
    {"notes.html", "plain words\n", {}, false},
    {"short.xls", kCompound.substr(0, 8), {}, false},
    {"renamed.xls", "", kWorkbook, false},
    {"page.csv", "  <!DOCTYPE html><p>1;2</p>", {}, false},
    {"late.csv", "a;b\n1;2\n<SCRIPT>alert(1)</SCRIPT>\n", {}, false},
    {"run.csv", "#!/bin/sh\necho hello\n", {}, false},
    {"program.txt", "\x7F" "ELF\x02\x01\x01" + std::string(16, '\0'), {}, false},
    {"app.xlsx", "", {{"META-INF/MANIFEST.MF", "Main-Class: App\n"}}, false},
    {"macros.xlsx", "", {kWorkbook[0], kWorkbook[1], {"xl/vbaProject.bin", "macro"}}, false},
    {"letter.ods", "", {{"mimetype", "application/vnd.oasis.opendocument.text"}}, false},
    {"broken.xlsx", "PK\x03\x04 not really a package", {}, false},
    {"data.zip", "", kWorkbook, false},
};

TEST(HandOverTest, OnlyContentOfTheKindItsNameSaysIsHandedOver) {
  testsupport::TempDir dir;
  RecordingLauncher launcher;
  for (const Case& c : kCases) {
    const std::string path = dir.Path(c.name);
    if (c.members.empty()) testsupport::WriteFile(path, c.content);
    else officetest::WriteZip(path, c.members);
    EXPECT_EQ(office::HoldsWhatItsNameSays(path), c.handedOver) << c.name;
    const size_t opened = launcher.opened.size();
    EXPECT_EQ(officetest::AutomationErrorOf([&] { office::HandOver(launcher, path); }),
              c.handedOver ? "" : "Содержимое файла не соответствует его типу: " + path) << c.name;
    EXPECT_EQ(launcher.opened.size(), opened + c.handedOver) << c.name;
  }
  EXPECT_FALSE(office::HoldsWhatItsNameSays(dir.Path("missing.xls")));
}

}  // namespace
