// The program's own folders (the kept versions, the exchange with office
// programs, the settings): each is this user's alone, so nobody else can
// plant a file or a link in it. Every one is prepared through here before
// a file in it is read or written.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

// Names the folder and why it cannot be used, in the window's language.
class OwnFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Creates `folder` (and the folders above it) when missing, mode 0700, and
// makes sure that it is a folder, not a link to one, that belongs to this
// user; a folder of this user that others may enter is closed to them.
// Throws OwnFolderError when it cannot be made or is not this user's.
void PrepareOwnFolder(const std::string& folder);

// True when `folder` is there, is no link, and belongs to this user with no
// access for others: a folder whose files may be trusted. Creates nothing.
bool IsOwnFolder(const std::string& folder);

}  // namespace ui
