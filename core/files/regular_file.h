// Opening a file the user named for reading, when only a regular file will
// do: a FIFO, a device or a folder under a table's or a CSV file's name
// must not hang the program (an open of a FIFO waits for a writer, a read
// of a device may never end) nor be read as data.
#pragma once

#include <string>

namespace ui {

// Opens `path` with `flags` (O_RDONLY or O_RDWR; O_CLOEXEC is added)
// without waiting on it, and keeps it only when it is a regular file; the
// descriptor then blocks as usual. Returns -1 with errno set when the open
// fails, and -1 with errno 0 for something that is no regular file.
int OpenRegularFile(const std::string& path, int flags);

// True when `path` names something that is there and is no regular file
// (links followed).
bool IsOtherThanRegularFile(const std::string& path);

// "<path>: это не обычный файл …", in the window's language.
std::string NotRegularFileText(const std::string& path);

}  // namespace ui
