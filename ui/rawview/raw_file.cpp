#include "raw_file.h"

#include "dbf_texts.h"
#include "int_text.h"
#include "safe_write.h"
#include "write_all.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string_view>
#include <system_error>
#include <vector>

namespace rawview {

namespace {

[[noreturn]] void ThrowErrno(int err, const std::string& path) {
  throw std::system_error(err, std::generic_category(), path);
}

// Reads `want` bytes, fewer only at the end of the file. A short read is
// continued, so every block but the last holds whole rows.
size_t ReadFull(int fd, uint8_t* data, size_t want, const std::string& path) {
  size_t got = 0;
  while (got < want) {
    const ssize_t n = ::read(fd, data + got, want - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno, path);
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return got;
}

void WriteAll(dbf::FileSystem& files, int fd, const uint8_t* data, size_t n, const std::string& path) {
  size_t written = 0;
  const int error = ui::WriteAll(files, fd, std::string_view(reinterpret_cast<const char*>(data), n), written);
  if (error != 0) ThrowErrno(error, path);
}

// Writes characters 1 .. FileLength in blocks.
void WriteCells(dbf::FileSystem& files, int fd, const RawDocument& doc, const std::string& path) {
  constexpr size_t kBlock = 1 << 16;
  std::vector<uint8_t> block;
  block.reserve(kBlock);
  for (int64_t i = 1; i <= doc.FileLength; ++i) {
    block.push_back(*doc.cells.Code(i));
    if (block.size() == kBlock) {
      WriteAll(files, fd, block.data(), block.size(), path);
      block.clear();
    }
  }
  WriteAll(files, fd, block.data(), block.size(), path);
}

// Writes characters 1 .. FileLength as the whole contents of the file.
void WriteFileBytes(dbf::FileSystem& files, const RawDocument& doc, const std::string& path) {
  ui::OwnedFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
  if (fd.get() < 0) ThrowErrno(errno, path);
  WriteCells(files, fd.get(), doc, path);
  fd.Close(path);
}

}  // namespace

LoadResult LoadFile(const std::string& path, RawDocument& doc,
                    const std::function<void(int64_t, int64_t)>& progress) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return LoadResult::Missing;
  doc.cells.SetRowCount(0);
  doc.cells.SetRowCount(1);
  doc.FileLength = 0;
  // Not blocking: a named pipe without a writer would otherwise hold the
  // program here for good; it reads as an empty file.
  ui::OwnedFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK));
  if (fd.get() < 0) return LoadResult::Unreadable;
  if (::fstat(fd.get(), &st) != 0) ThrowErrno(errno, path);
  if (st.st_size > INT32_MAX) ThrowErrno(EFBIG, path);
  doc.loadedPath = path;
  doc.loaded = FileStamp::Of(path);
  const auto size = static_cast<int32_t>(st.st_size);
  if (size == 0) return LoadResult::Loaded;
  if (progress) progress(0, size);
  doc.cells.SetRowCount(RowsFor(size));

  constexpr size_t kBlock = 1 << 20;  // a whole number of rows
  std::vector<uint8_t> block(kBlock);
  int64_t done = 0;
  while (done < size) {
    const auto want = static_cast<size_t>(std::min<int64_t>(kBlock, size - done));
    const size_t n = ReadFull(fd.get(), block.data(), want, path);
    for (size_t off = 0; off < n; off += kCodesPerRow) {
      const int count = static_cast<int>(std::min<size_t>(kCodesPerRow, n - off));
      doc.cells.SetLoadedRow(RowOfIndex(done + static_cast<int64_t>(off) + 1), block.data() + off, count);
    }
    done += static_cast<int64_t>(n);
    if (progress) progress(done, size);
    if (n < want) break;  // the file shrank while being read
  }
  doc.FileLength = static_cast<int32_t>(done);
  doc.cells.SetRowCount(std::max<int64_t>(1, RowsFor(done)));
  return LoadResult::Loaded;
}

std::string SaveTable(ui::FileServices& files, RawDocument& doc, const std::string& path, bool mustExist, const std::string& doneMessage) {
  if (mustExist && ::access(path.c_str(), R_OK) != 0) return dbf::Tr("RawFile", "Нет файла!");
  if (doc.FileLength == 0) {
    doc.cells.SetRowCount(0);
    doc.cells.SetRowCount(1);
    return {};
  }
  if (const int64_t bad = CountBadCells(doc); bad > 0) {
    return dbf::FillText(dbf::Tr("RawFile", "Обнаружено ошибок : %1\r\nЗапись не выполнена!"),
                         {ui::RightAligned(bad, 12)});
  }
  // The file shown, changed or replaced by another program since: writing
  // would drop or overwrite what that program wrote.
  const std::optional<FileStamp> now = FileStamp::Of(path);
  const bool shownFile = path == doc.loadedPath || (now && doc.loaded && now->identity == doc.loaded->identity);
  if (shownFile && now && now != doc.loaded) {
    return dbf::FillText(
        dbf::Tr("RawFile", "Файл %1 изменён другой программой после загрузки.\r\nЗапись не выполнена!"), {path});
  }
  WriteTable(files, doc, path);
  if (shownFile) doc.loaded = FileStamp::Of(path);
  return doneMessage;
}

int64_t CountBadCells(const RawDocument& doc) {
  int64_t bad = 0;
  for (int64_t i = 1; i <= doc.FileLength; ++i) bad += doc.cells.Code(i) ? 0 : 1;
  return bad;
}

void WriteTable(ui::FileServices& files, const RawDocument& doc, const std::string& path) {
  ui::FileRewrite rewrite;
  rewrite.writeNew = [&](const std::string& file) { WriteFileBytes(files.Files(), doc, file); };
  ui::ReplaceFileContents(files, path, rewrite);
}

}  // namespace rawview
