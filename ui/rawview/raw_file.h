// Loading a file into the character table and writing the table back.
#pragma once

#include "file_services.h"
#include "raw_document.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rawview {

enum class LoadResult {
  Missing,     // no such file: the table is untouched
  Unreadable,  // exists but cannot be opened: the table is left with one empty row
  Loaded,      // the table holds the file (an empty file: one empty row)
};

// Reads the whole file into doc. `progress` sees the number of bytes read so
// far after every block, and the file size first. A read failure after the
// file was opened, or a file longer than a 32-bit signed length, throws
// std::system_error.
LoadResult LoadFile(const std::string& path, RawDocument& doc,
                    const std::function<void(int64_t done, int64_t size)>& progress = {});

// Cells among characters 1 .. FileLength whose trimmed text is not a number
// 0 .. 255.
int64_t CountBadCells(const RawDocument& doc);

// Writes characters 1 .. FileLength (all cells must be good) to `path`
// through ui::ReplaceFileContents on `files`: a failure never leaves `path` cut short,
// and the file keeps its owner, permissions and extended attributes; where a
// new file cannot take its place, its bytes are rewritten in place. A file
// that may not be written is refused. Failures throw std::system_error
// carrying the system's text.
void WriteTable(ui::FileServices& files, const RawDocument& doc, const std::string& path);

// "Сохранить" (mustExist) and "Сохранить как :": refuses a missing file with
// "Нет файла!", writes nothing for an empty table, refuses bad cells with
// their count, else writes the file. Returns the message to show, which is
// doneMessage after a write and empty when there is nothing to say.
std::string SaveTable(ui::FileServices& files, RawDocument& doc, const std::string& path, bool mustExist, const std::string& doneMessage);

}  // namespace rawview
