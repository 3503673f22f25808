// The report's text file: lines of bytes, each ended by CR LF.
#pragma once

#include "text_report.h"

#include <string>

namespace office {

// The table's name with its extension replaced by ".txt" (added when it has none).
std::string ReportFileName(const std::string& tablePath);

class ReportFile : public LineSink {
 public:
  // Creates the file, emptying one that exists. Input/output failures throw
  // dbf::IoError with the system's text.
  explicit ReportFile(const std::string& path);
  ~ReportFile() override;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  void Line(std::string_view line) override;
  // Writes what is buffered and closes the file.
  void Close();

 private:
  void Flush();

  std::string path_;
  int fd_ = -1;
  std::string buffer_;
};

// The lines of a text file without their line ends (CR LF or LF).
// Input/output failures throw dbf::IoError.
void ForEachLine(const std::string& path, const std::function<void(const std::string& line)>& visit);

}  // namespace office
