#include "docx_word_basic.h"

#include "dbf_texts.h"
#include "desktop_launcher.h"
#include "docx_package.h"
#include "exchange_folder.h"
#include "hand_over.h"
#include "page_text.h"

#include <filesystem>

namespace office {

namespace {

constexpr char kPageBreak[] = "<w:r><w:br w:type=\"page\"/></w:r>";

}  // namespace

DocxWordBasic::DocxWordBasic(std::string folder, ui::FileLauncher& launcher, const TextPage& page,
                             dbf::FileSystem& files)
    : folder_(std::move(folder)), launcher_(launcher), page_(page), files_(files) {}

void DocxWordBasic::FileNew(const std::string& templatePath) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(templatePath, ec)) {
    throw AutomationError(dbf::FillText(dbf::Tr("DocxWordBasic", "Нет шаблона документа %1"), {templatePath}));
  }
  document_ = std::make_unique<SpoolFile>(files_, folder_, "document");
  document_->Append(DocxDocumentHead());
  paragraph_.clear();
  text_.clear();
  paragraphHasText_ = false;
  breakBeforeNext_ = false;
}

void DocxWordBasic::Insert(const std::string& text) {
  if (!document_) throw AutomationError(dbf::Tr("DocxWordBasic", "Нет открытого документа"));
  for (const char c : text) {
    if (c == '\r') {
      EndParagraph();
    } else if (c == '\f') {
      if (!text_.empty()) {
        paragraph_ += "<w:r><w:t xml:space=\"preserve\">";
        page_.AppendXmlText(paragraph_, text_);
        paragraph_ += "</w:t></w:r>";
        text_.clear();
      }
      paragraph_ += kPageBreak;
    } else {
      text_ += c;
      paragraphHasText_ = true;
    }
  }
}

void DocxWordBasic::EndParagraph() {
  std::string xml = "<w:p>";
  if (!paragraphHasText_ && !paragraph_.empty()) {
    // A line of nothing but form feeds: the next line starts a new page.
    breakBeforeNext_ = true;
    paragraph_.clear();
    return;
  }
  if (breakBeforeNext_) xml += "<w:pPr><w:pageBreakBefore/></w:pPr>";
  breakBeforeNext_ = false;
  xml += paragraph_;
  if (!text_.empty()) {
    xml += "<w:r><w:t xml:space=\"preserve\">";
    page_.AppendXmlText(xml, text_);
    xml += "</w:t></w:r>";
  }
  xml += "</w:p>";
  document_->Append(xml);
  paragraph_.clear();
  text_.clear();
  paragraphHasText_ = false;
}

void DocxWordBasic::AppShow() {
  if (!document_) throw AutomationError(dbf::Tr("DocxWordBasic", "Нет открытого документа"));
  if (paragraphHasText_ || !paragraph_.empty()) EndParagraph();
  document_->Append(DocxDocumentTail());
  document_->Flush();
  const std::string path = ReserveFreshFile(folder_, "document", ".docx");
  std::unique_ptr<SpoolFile> done = std::move(document_);
  WriteDocxPackage(files_, path, *done);
  HandOver(launcher_, path);
}

}  // namespace office
