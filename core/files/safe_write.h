// Writing files so that a failure part way leaves no damaged or half-made
// file behind. A command takes one of three ways, by what it does to a file:
//
//  - ReplaceFileContents: the command rewrites the whole of a file (saving
//    the table or the raw view, Save as, a sorted copy over a file that is
//    there).
//    The new contents are written into a new file in the same folder, which
//    is synced and then takes the old file's place (rename) only once it is
//    complete and given the old file's owner, group, permissions and
//    extended attributes (access control lists included). Where the file's
//    identity cannot be carried over that way, the file is rewritten in
//    place instead:
//     - the file has other hard links (a new file would split them);
//     - its owner or group cannot be given to a new file, or one of its
//       extended attributes cannot be copied;
//     - the folder does not allow a new file.
//    In place, the new contents are still written whole first, into a file
//    in the temporary folder, and the old contents are kept in another;
//    the file gets room for its new size before a byte of it changes, and
//    the kept contents are put back when copying the new ones in fails.
//    The staged files are locked while they are in use: those of a process
//    that was killed are found unlocked and removed (RemoveStaleStaging).
//    A link is followed to the file it names. An existing file that may not
//    be written is refused, as rewriting it in place would be. After a
//    failure the old file is as it was.
//
//  - KeepOnFailure: the command changes an existing file in place (a
//    header change, records appended to a table). The bytes it may touch
//    and the file's size are kept, and put back when it fails (or is
//    stopped); a file put back whole gets its old times back too.
//
//  - WriteNewFile: the command creates an output file (a sorted copy, a
//    range of records copied into a new table). When it fails, the file is
//    removed again if there was none of that name before.
//
// Failures go on as std::system_error naming the file: a failure of the
// command's own writes whose text does not name it yet gets the path put in
// front (the engine's texts say only "write"). Other exceptions pass
// unchanged.
//
// Each way writes through the FileServices it is handed (file_services.h):
// the system calls it makes to finish or undo a write go through their file
// system, so that a test can make a chosen one fail, as do the engine's
// writes of a command that hands the same file system to its table handles.
//
// Before ReplaceFileContents or KeepOnFailure touch a file that is there,
// they announce the change to the services' watcher, so that the program
// can keep the file as it was. A new file about to be renamed over the old one is
// announced as such (the old file then stays as it is under no name), and a
// write in place is announced when it begins and when it has ended, synced:
// a kill in between leaves the file torn, and the program that kept it can
// say so at its next start.
#pragma once

#include "file_services.h"

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace ui {

struct FileRewrite {
  // Writes the whole new contents into `newFile`, an empty file made for
  // them, which it may reopen by name.
  std::function<void(const std::string& newFile)> writeNew;
  // Only the name changes hands: the new file always takes it, made with
  // `newMode` less the umask, also over a link (not followed) or a file with
  // other names; whatever had the name loses it and is otherwise left as it
  // was, and so is not announced. For outputs named after a table (the
  // report), where a planted link must not lead the write elsewhere.
  bool nameOnly = false;
  mode_t newMode = 0666;
};

// Which way a rewrite took: through a new file, or in place.
enum class RewriteWay { NewFile, InPlace };

// Writes the contents as described above and says which way it took.
RewriteWay ReplaceFileContents(FileServices& services, const std::string& path, const FileRewrite& rewrite);

// For KeepOnFailure: every byte of the file.
constexpr int64_t kWholeFile = std::numeric_limits<int64_t>::max();

// Keeps the file's first `keep` bytes and its size; when `change` throws,
// writes them back, cuts the file to that size (so appended bytes go) and
// lets the failure go on. Bytes past `keep` are left as the change left
// them. A file that cannot be opened for writing is left to `change` to
// report. The change must close the files it wrote through before its
// failure leaves it, so that nothing it held back is written afterwards.
void KeepOnFailure(FileServices& services, const std::string& path, int64_t keep,
                   const std::function<void()>& change);

// Runs `write(path)`; when it throws, removes the file if there was nothing
// of that name before the call, and lets the failure go on. A link under
// the name is refused before anything is written (RefuseLinkAt). A file that was
// there stays as `write` left it: for one the command appends to, run the
// command inside KeepOnFailure(path, kWholeFile, ...).
void WriteNewFile(FileServices& services, const std::string& path,
                  const std::function<void(const std::string& path)>& write);

// The system's folder for temporary files, where writes in place stage.
std::string StagingFolder();

// Removes the staged files in `folder` (there or in the temporary folder)
// that the process which made them left behind when it was killed: those
// of the user's own that nobody holds locked and that have not changed for a
// minute.
void RemoveStaleStaging(dbf::FileSystem& files, const std::string& folder);

// Copies every byte of `from` over the start of `to`, writing through
// `files`; a failure throws std::system_error naming `path`.
void CopyAll(dbf::FileSystem& files, int from, int to, const std::string& path);

}  // namespace ui
