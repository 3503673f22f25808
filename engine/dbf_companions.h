// The files that belong with a table: its memo file, which travels with
// every copy of the table, and index files, which other programs keep and
// which go stale when the table changes.
#pragma once

#include <string>
#include <vector>

namespace dbf {

// Where the memo file `memoPath` of a table goes for a copy of the table
// at `copyPath`: the copy's name with the memo file's extension.
std::string MemoPathForCopy(const std::string& copyPath, const std::string& memoPath);

// The index files of the table at `tablePath`: the files of its name with
// the extension .cdx, .mdx, .ndx, .ntx or .idx (either letter case) that
// exist, and, when the header's byte 28 marks a production index that none
// of them is, the name that index would have.
std::vector<std::string> IndexFilesOf(const std::string& tablePath);

}  // namespace dbf
