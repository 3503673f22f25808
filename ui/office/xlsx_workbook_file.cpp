#include "xlsx_workbook_file.h"

#include "cell_spool.h"
#include "office_automation.h"
#include "page_text.h"
#include "scratch_output.h"
#include "work_steps.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

namespace office {

namespace {

// The steps told per cell: writing its row, packing the file.
constexpr int64_t kRowsWeight = 3;
constexpr int64_t kPackWeight = 2;
// How often the packing is looked at.
constexpr auto kPackPoll = std::chrono::milliseconds(5);

[[noreturn]] void Fail(const std::string& path, lxw_error error, int systemError) {
  std::remove(path.c_str());
  const std::string why = systemError != 0 ? std::strerror(systemError) : lxw_strerror(error);
  throw AutomationError(path + ": " + why);
}

constexpr char kDateFormat[] = "dd.mm.yyyy";

int Digits(std::string_view text, size_t at, size_t n) {
  int value = 0;
  std::from_chars(text.data() + at, text.data() + at + n, value);
  return value;
}

// Writes one cell as its kind says; `utf8` is scratch for a text.
lxw_error WriteCell(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, CellKind kind, const std::string& text,
                    const TextPage& page, std::string& utf8, lxw_format* dateFormat) {
  switch (kind) {
    case CellKind::Number: {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      return worksheet_write_number(ws, r, c, value, nullptr);
    }
    case CellKind::Date: {
      lxw_datetime date{Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2), 0, 0, 0};
      return worksheet_write_datetime(ws, r, c, &date, dateFormat);
    }
    case CellKind::Boolean:
      return worksheet_write_boolean(ws, r, c, text == "1", nullptr);
    case CellKind::Text:
      break;
  }
  utf8 = page.XlsxCellText(text);
  return worksheet_write_string(ws, r, c, utf8.c_str(), nullptr);
}

// Packs the workbook into its file. The packing cannot stop on the way, so
// for a command that watches its steps it runs on a thread of its own while
// the steps are told here (the running command handles its events then); a
// stop asked meanwhile takes effect once the file is packed, and removes it.
lxw_error Pack(lxw_workbook* book, const std::string& path, int64_t done, int64_t total, int& systemError) {
  if (!WorkSteps::Watched()) {
    errno = 0;
    const lxw_error closed = workbook_close(book);
    systemError = errno;
    return closed;
  }
  std::atomic<bool> packed = false;
  lxw_error closed = LXW_NO_ERROR;
  std::thread packer([&] {
    errno = 0;
    closed = workbook_close(book);
    systemError = errno;
    packed = true;
  });
  bool stopped = false;
  do {
    std::this_thread::sleep_for(kPackPoll);
    try {
      WorkSteps::Tell(done, total);
    } catch (const dbf::Stopped&) {
      stopped = true;
    }
  } while (!packed);
  packer.join();
  if (stopped) {
    std::remove(path.c_str());
    throw dbf::Stopped{};
  }
  return closed;
}

}  // namespace

void WriteXlsxWorkbook(dbf::FileSystem& files, const std::string& path, const std::vector<SheetToWrite>& sheets,
                       const std::string& scratchFolder, const TextPage& page) {
  const ScratchOutput output(files, path);
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = const_cast<char*>(scratchFolder.c_str());
  options.use_zip64 = LXW_TRUE;
  errno = 0;
  lxw_workbook* book = workbook_new_opt(output.Scratch().c_str(), &options);
  if (!book) Fail(path, LXW_ERROR_MEMORY_MALLOC_FAILED, errno);
  lxw_error failure = LXW_NO_ERROR;
  int systemError = 0;
  std::string utf8;
  // The cells of one row, by column, the last text written to each: an
  // empty text clears the cell, which the writer itself cannot.
  std::map<uint32_t, std::pair<uint8_t, std::string>> row;
  lxw_format* dateFormat = nullptr;
  uint32_t rowNumber = 0;
  auto writeRow = [&](lxw_worksheet* ws) {
    for (const auto& [col, cell] : row) {
      const auto& [kind, text] = cell;
      if (failure != LXW_NO_ERROR || text.empty()) continue;
      errno = 0;
      const lxw_error e = WriteCell(ws, rowNumber - 1, static_cast<lxw_col_t>(col - 1), static_cast<CellKind>(kind),
                                    text, page, utf8, dateFormat);
      if (e != LXW_NO_ERROR) {
        failure = e;
        systemError = errno;
      }
    }
    row.clear();
  };
  int64_t cells = 0;
  for (const SheetToWrite& sheet : sheets) cells += sheet.cells->CellCount();
  const int64_t total = std::max<int64_t>((kRowsWeight + kPackWeight) * cells, 1);
  int64_t visited = 0;
  try {
    for (const SheetToWrite& sheet : sheets) {
      lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
      for (size_t c = 0; c < sheet.widths.size(); ++c) {
        if (sheet.widths[c] > 0) worksheet_set_column(ws, c, c, sheet.widths[c], nullptr);
      }
      sheet.cells->ForEachInRowOrder([&](uint32_t r, uint32_t col, uint8_t kind, std::string_view text) {
        if (r != rowNumber) {
          writeRow(ws);
          WorkSteps::Tell(kRowsWeight * visited, total);
        }
        ++visited;
        rowNumber = r;
        if (kind == static_cast<uint8_t>(CellKind::Date) && !dateFormat) {
          dateFormat = workbook_add_format(book);
          format_set_num_format(dateFormat, kDateFormat);
        }
        row[col] = {kind, std::string(text)};
      });
      writeRow(ws);
    }
  } catch (...) {
    // Nothing of a workbook not written whole is packed.
    lxw_workbook_free(book);
    std::remove(path.c_str());
    throw;
  }
  int closeError = 0;
  const lxw_error closed = Pack(book, path, kRowsWeight * cells, total, closeError);
  if (failure == LXW_NO_ERROR && closed != LXW_NO_ERROR) {
    failure = closed;
    systemError = closeError;
  }
  if (failure != LXW_NO_ERROR) Fail(path, failure, systemError);
  output.Place();
}

}  // namespace office
