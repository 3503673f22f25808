// Rewriting a file so that a failure part way never leaves it cut short.
//
// The new contents are written into a new file in the same folder, which
// takes the old file's place (rename) only once it is complete and given the
// old file's owner, group, permissions and extended attributes (access
// control lists included). Where the file's identity cannot be carried over
// that way, the file is rewritten in place instead:
//  - the file has other hard links (a new file would split them);
//  - its owner or group cannot be given to a new file, or one of its extended
//    attributes cannot be copied;
//  - the folder does not allow a new file.
// A link is followed to the file it names. An existing file that may not be
// written is refused, as rewriting it in place would be. Failures throw
// std::system_error carrying the system's text; the old file is then left as
// it was, except for failures of the in-place rewrite itself.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace ui {

struct FileRewrite {
  // Writes the whole new contents into `newFile`, an empty file made for
  // them, which it may reopen by name.
  std::function<void(const std::string& newFile)> writeNew;
  // Rewrites `file` itself: the way taken where no new file can replace it.
  std::function<void(const std::string& file)> writeInPlace;
  // Gives an open file its owner and group; fchown, except in tests.
  std::function<int(int fd, uid_t owner, gid_t group)> changeOwner = ::fchown;
};

// Which way a rewrite took: through a new file, or in place.
enum class RewriteWay { NewFile, InPlace };

// Writes the contents as described above and says which way it took.
RewriteWay ReplaceFileContents(const std::string& path, const FileRewrite& rewrite);

}  // namespace ui
