// The program's own folder for the files it hands to office programs, and
// fresh names in it, so a file the user may still have open is never
// overwritten.
#pragma once

#include <string>

namespace office {

// A folder under the user's cache folder (the temporary folder when there
// is none); not created yet. Asks Qt, so it is part of ui_office, not of the
// plain office_files.
std::string DefaultExchangeFolder();

// Creates `folder` when missing and in it a new empty file named
// stem + "-" + a number + extension that did not exist before; returns its
// path. Throws AutomationError with the system's text when it cannot.
std::string ReserveFreshFile(const std::string& folder, const std::string& stem, const std::string& extension);

}  // namespace office
