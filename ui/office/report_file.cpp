#include "report_file.h"

#include "dbf_errors.h"
#include "exchange_folder.h"
#include "write_all.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace office {

namespace {

constexpr size_t kBufferBytes = 256 << 10;

}  // namespace

std::string ReportFileName(const std::string& tablePath) {
  return std::filesystem::path(tablePath).replace_extension(".txt").string();
}

ReportFile::ReportFile(const std::string& path, mode_t mode) : path_(path) {
  const std::filesystem::path name(path);
  const std::string folder = name.has_parent_path() ? name.parent_path().string() : ".";
  fd_ = CreateFreshFile(folder, "." + name.filename().string(), ".new", mode, newPath_);
  if (fd_ < 0) throw dbf::IoError(errno, path);
  buffer_.reserve(kBufferBytes);
}

ReportFile::~ReportFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(newPath_.c_str());
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
  if (::fsync(fd_) != 0) throw dbf::IoError(errno, path_);
  const int fd = fd_;
  fd_ = -1;
  // rename() replaces the name itself, whatever it named.
  if (::close(fd) != 0 || ::rename(newPath_.c_str(), path_.c_str()) != 0) {
    const int error = errno;
    ::unlink(newPath_.c_str());
    throw dbf::IoError(error, path_);
  }
}

void ForEachLine(const std::string& path, const std::function<void(const std::string& line)>& visit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  std::unique_ptr<FILE, int (*)(FILE*)> in(fd >= 0 ? ::fdopen(fd, "rb") : nullptr, std::fclose);
  if (!in) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    throw dbf::IoError(error, path);
  }
  char* data = nullptr;  // getline's buffer, grown as lines need
  const std::unique_ptr<char*, void (*)(char**)> freeData(&data, [](char** p) { std::free(*p); });
  size_t capacity = 0;
  ssize_t length;
  while ((length = ::getline(&data, &capacity, in.get())) >= 0) {
    std::string line(data, static_cast<size_t>(length));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    visit(line);
  }
  if (std::ferror(in.get())) throw dbf::IoError(errno, path);
}

}  // namespace office
