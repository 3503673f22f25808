// The report's text file: lines of bytes, each ended by CR LF.
#pragma once

#include "text_report.h"

#include <sys/types.h>

#include <functional>
#include <string>

namespace office {

// The table's name with its extension replaced by ".txt" (added when it has none).
std::string ReportFileName(const std::string& tablePath);

// The lines go into a new file beside `path`, which takes that name only
// once it is complete. Whatever had the name loses it and is left as it
// was: a link there is replaced, never followed, and no file is cut short.
class ReportFile : public LineSink {
 public:
  // Makes the new file with `mode`, less the umask. Input/output failures
  // throw dbf::IoError with the system's text.
  explicit ReportFile(const std::string& path, mode_t mode = 0666);
  // A file not closed is removed.
  ~ReportFile() override;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  void Line(std::string_view line) override;
  // Writes what is buffered and puts the file in place under its name.
  void Close();

 private:
  void Flush();

  std::string path_;
  std::string newPath_;
  int fd_ = -1;
  std::string buffer_;
};

// The lines of a text file without their line ends (CR LF or LF); a link
// is not followed. Input/output failures throw dbf::IoError.
void ForEachLine(const std::string& path, const std::function<void(const std::string& line)>& visit);

}  // namespace office
