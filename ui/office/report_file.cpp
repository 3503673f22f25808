#include "report_file.h"

#include "dbf_errors.h"
#include "write_all.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace office {

namespace {

constexpr size_t kBufferBytes = 256 << 10;

}  // namespace

std::string ReportFileName(const std::string& tablePath) {
  return std::filesystem::path(tablePath).replace_extension(".txt").string();
}

ReportFile::ReportFile(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) throw dbf::IoError(errno, path);
  buffer_.reserve(kBufferBytes);
}

ReportFile::~ReportFile() {
  if (fd_ >= 0) ::close(fd_);
}

void ReportFile::Line(std::string_view line) {
  buffer_.append(line);
  buffer_ += "\r\n";
  if (buffer_.size() >= kBufferBytes) Flush();
}

void ReportFile::Flush() {
  size_t written = 0;
  const int error = ui::WriteAll(fd_, buffer_, written);
  buffer_.clear();
  if (error != 0) throw dbf::IoError(error, path_);
}

void ReportFile::Close() {
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw dbf::IoError(errno, path_);
}

void ForEachLine(const std::string& path, const std::function<void(const std::string& line)>& visit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw dbf::IoError(errno, path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    visit(line);
  }
  if (in.bad()) throw dbf::IoError(errno, path);
}

}  // namespace office
