// The program's own folder for the files it hands to office programs, and
// fresh names in it, so a file the user may still have open is never
// overwritten. The folder is the user's alone (mode 0700, its files 0600),
// and files older than a day are removed when the program starts.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace office {

// A folder under the user's cache folder (the temporary folder when there
// is none); not created yet. Asks Qt, so it is part of ui_office, not of the
// plain office_files.
std::string DefaultExchangeFolder();

// Creates `folder` when missing and makes sure that it is a folder (not a
// link) of this user that no one else may enter. Throws AutomationError
// with the system's text when it cannot.
void PrepareExchangeFolder(const std::string& folder);

// Creates in `folder` a new file named stem + "-" + a number + extension
// that did not exist before (never through a link) with `mode`, less the
// umask; returns its descriptor and sets `path`, or returns -1 with errno set.
int CreateFreshFile(const std::string& folder, const std::string& stem, const std::string& extension, mode_t mode,
                    std::string& path);

// Prepares `folder` and makes a new empty file in it as CreateFreshFile
// does, readable by the user alone; returns its path. Throws AutomationError with the system's text
// when it cannot.
std::string ReserveFreshFile(const std::string& folder, const std::string& stem, const std::string& extension);

// Removes the files (and links) of `folder` last changed longer than
// `age` ago; its subfolders stay. A missing folder, or one that is not this
// user's, is left alone, and so is a file that cannot be removed: the next
// start tries again. Returns the bytes the files left take.
uint64_t RemoveStaleFiles(const std::string& folder, std::chrono::seconds age = std::chrono::hours(24));

}  // namespace office
