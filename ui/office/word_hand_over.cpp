#include "word_hand_over.h"

#include "exchange_folder.h"
#include "office_session.h"
#include "report_file.h"

namespace office {

std::string WordTemplatePath(const std::string& exchangeFolder) { return exchangeFolder + "/zero_fil.txt"; }

void HandReportToWord(ui::FileServices& files, const std::string& reportPath, OfficeSession& session,
                      const TextPage& page) {
  const std::string folder = session.servers.ExchangeFolder();
  const std::string templatePath = WordTemplatePath(folder);
  session.word.reset();
  session.word = session.servers.CreateWordBasic(page);
  // The template starts empty every time: a new empty file takes its name.
  PrepareExchangeFolder(folder);
  WriteReportFile(files, templatePath, [](LineSink&) {}, 0600);
  session.word->FileNew(templatePath);
  ForEachLine(reportPath, [&](const std::string& line) { session.word->Insert(line + '\r'); });
  session.word->AppShow();
}

}  // namespace office
