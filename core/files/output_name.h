// The name a command writes a new file under: a link planted there (even
// one pointing nowhere) would make the command create or overwrite the file
// it points to, so such a name is refused, never followed, and new files
// are made only where nothing was.
#pragma once

#include <sys/types.h>

#include <string>

namespace ui {

// Throws std::runtime_error whose text names `path` when a link stands
// under that name.
void RefuseLinkAt(const std::string& path);

// Makes a new file under `path` for writing, with `mode` less the umask,
// where nothing stood before (a link there counts as something); returns
// its descriptor, or -1 with errno set (EEXIST when the name was taken).
int CreateNewFile(const std::string& path, mode_t mode = 0666);

}  // namespace ui
