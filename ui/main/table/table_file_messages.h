// The messages for a table file that cannot be opened for reading and
// writing, or for reading, with the system's reason (errno as the failed
// open left it).
#pragma once

#include <string>

std::string CannotOpenMessage(const std::string& path);
std::string CannotReadMessage(const std::string& path);
