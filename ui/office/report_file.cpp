#include "report_file.h"

#include "dbf_errors.h"
#include "safe_write.h"
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

// The lines, each ended by CR LF, into `file`, an empty file made for them;
// failures name `path`, the name the file is for.
class ReportLines : public LineSink {
 public:
  ReportLines(dbf::FileSystem& files, const std::string& file, const std::string& path)
      : files_(files), fd_(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC)), path_(path) {
    if (fd_.get() < 0) throw dbf::IoError(errno, path_);
    buffer_.reserve(kBufferBytes);
  }

  void Line(std::string_view line) override {
    buffer_.append(line);
    buffer_ += "\r\n";
    if (buffer_.size() >= kBufferBytes) Flush();
  }

  // Writes what is buffered and closes the file.
  void Close() {
    Flush();
    fd_.Close(path_);
  }

 private:
  void Flush() {
    size_t written = 0;
    const int error = ui::WriteAll(files_, fd_.get(), buffer_, written);
    buffer_.clear();
    if (error != 0) throw dbf::IoError(error, path_);
  }

  dbf::FileSystem& files_;
  ui::OwnedFd fd_;
  std::string path_;
  std::string buffer_;
};

}  // namespace

std::string ReportFileName(const std::string& tablePath) {
  return std::filesystem::path(tablePath).replace_extension(".txt").string();
}

void WriteReportFile(ui::FileServices& services, const std::string& path,
                     const std::function<void(LineSink& sink)>& write, mode_t mode) {
  ui::FileRewrite rewrite;
  rewrite.writeNew = [&](const std::string& file) {
    ReportLines lines(services.Files(), file, path);
    write(lines);
    lines.Close();
  };
  rewrite.nameOnly = true;
  rewrite.newMode = mode;
  ui::ReplaceFileContents(services, path, rewrite);
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
