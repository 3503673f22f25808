// The program's own captions, written in UTF-8 in the source, as the 1251
// bytes that tables and cells hold.
#pragma once

#include <string>

namespace office {

std::string To1251(const char* utf8);

}  // namespace office
