// The word-processor server of this platform: FileNew starts a document,
// Insert adds text (a carriage return ends a paragraph, a form feed breaks
// the page), and AppShow writes the document as a real .docx file under a
// fresh name in the program's exchange folder, in a monospaced font, and
// opens it with the desktop's word processor. Text is read in the code page
// the server was created with; the document and its scratch file are
// written through the file system the server is handed.
#pragma once

#include "office_automation.h"
#include "spool_file.h"

#include <memory>
#include <string>

namespace ui {
class FileLauncher;
}

namespace office {

class TextPage;

class DocxWordBasic : public WordBasic {
 public:
  DocxWordBasic(std::string folder, ui::FileLauncher& launcher, const TextPage& page, dbf::FileSystem& files);

  void FileNew(const std::string& templatePath) override;
  void Insert(const std::string& text) override;
  void AppShow() override;

 private:
  void EndParagraph();

  std::string folder_;
  ui::FileLauncher& launcher_;
  const TextPage& page_;
  dbf::FileSystem& files_;
  std::unique_ptr<SpoolFile> document_;  // document.xml so far; none without a document
  std::string paragraph_;                // runs of the paragraph being typed
  bool paragraphHasText_ = false;
  bool breakBeforeNext_ = false;  // a line of form feeds starts the next paragraph on a new page
  std::string text_;              // plain text of the run being typed, not yet escaped
};

}  // namespace office
