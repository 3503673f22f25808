#include "word_hand_over.h"

#include "dbf_errors.h"
#include "office_session.h"
#include "report_file.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace office {

std::string WordTemplatePath(const std::string& reportPath) {
  return (std::filesystem::path(reportPath).parent_path() / "zero_fil.txt").string();
}

void HandReportToWord(const std::string& reportPath, OfficeSession& session) {
  const std::string templatePath = WordTemplatePath(reportPath);
  session.word.reset();
  session.word = session.servers.CreateWordBasic();
  // The template starts empty every time.
  const int fd = ::open(templatePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw dbf::IoError(errno, templatePath);
  ::close(fd);
  session.word->FileNew(templatePath);
  ForEachLine(reportPath, [&](const std::string& line) { session.word->Insert(line + '\r'); });
  session.word->AppShow();
}

}  // namespace office
