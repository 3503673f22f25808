#include "caption_1251.h"
#include "docx_word_basic.h"
#include "office_test_support.h"
#include "page_text.h"
#include "process_limits.h"
#include "recording_launcher.h"

#include <gtest/gtest.h>

namespace {

class DocxWordBasicTest : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::WriteFile(templatePath, ""); }
  std::string Body() {
    const std::string xml = officetest::ZipMember(launcher.opened.at(0), "word/document.xml");
    const size_t begin = xml.find("<w:body>") + 8;
    return xml.substr(begin, xml.find("<w:sectPr>") - begin);
  }

  testsupport::TempDir dir;
  std::string templatePath = dir.Path("zero_fil.txt");
  RecordingLauncher launcher;
  office::DocxWordBasic word{dir.Path("exchange"), launcher, office::TextPage::Of(ui::CodePage::Windows1251),
                            dbf::SystemFileSystem()};
};

std::string Paragraph(const std::string& text) {
  return "<w:p><w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r></w:p>";
}

TEST_F(DocxWordBasicTest, LinesBecomeParagraphsAndFormFeedsPageBreaks) {
  word.FileNew(templatePath);
  word.Insert(office::To1251("  Сумма & <итог>") + "\r");
  word.Insert("\r");
  word.Insert("\f\r");
  word.Insert("next page");
  word.Insert(" continues\ta\fb\r");
  word.Insert("\f\r");  // a last form feed starts no empty page
  word.AppShow();
  ASSERT_EQ(launcher.opened.size(), 1u);
  EXPECT_EQ(launcher.opened[0].rfind(dir.Path("exchange/document-"), 0), 0u);
  EXPECT_EQ(Body(), Paragraph("  Сумма &amp; &lt;итог&gt;") + "<w:p></w:p>" +
                        "<w:p><w:pPr><w:pageBreakBefore/></w:pPr><w:r><w:t xml:space=\"preserve\">next page "
                        "continues\ta</w:t></w:r><w:r><w:br w:type=\"page\"/></w:r><w:r><w:t "
                        "xml:space=\"preserve\">b</w:t></w:r></w:p>");
  const std::string styles = officetest::ZipMember(launcher.opened[0], "word/styles.xml");
  EXPECT_NE(styles.find("w:ascii=\"Courier New\""), std::string::npos);
  EXPECT_NE(officetest::ZipMember(launcher.opened[0], "[Content_Types].xml").find("/word/document.xml"),
            std::string::npos);
}

TEST_F(DocxWordBasicTest, ControlBytesDoNotBreakTheXmlAndCallsWithoutADocumentFail) {
  EXPECT_THROW(word.Insert("x\r"), office::AutomationError);
  EXPECT_THROW(word.AppShow(), office::AutomationError);
  EXPECT_THROW(word.FileNew(dir.Path("no_template.txt")), office::AutomationError);
  word.FileNew(templatePath);
  word.Insert(std::string("a\x01z\x98", 4));  // the last line needs no carriage return
  word.AppShow();
  EXPECT_EQ(Body(), Paragraph("a\xEF\xBF\xBDz\xEF\xBF\xBD"));
  EXPECT_THROW(word.Insert("after showing\r"), office::AutomationError);
}

TEST_F(DocxWordBasicTest, AWriteThatFailsPartWayLeavesNoDocument) {
  word.FileNew(templatePath);
  for (int i = 0; i < 5000; ++i) word.Insert("line " + std::to_string(i * 104729) + "\r");
  testsupport::FileSizeLimit limit(30000);
  const std::string error = officetest::AutomationErrorOf([&] { word.AppShow(); });
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_TRUE(launcher.opened.empty());
  EXPECT_EQ(officetest::FilesEndingWith(dir.Path("exchange"), ".docx"), 0);
}

}  // namespace
