// Windows 1251 bytes, as tables and captions hold them, turned into the
// UTF-8 that the office file formats store, and back for the program's own
// captions.
#pragma once

#include <string>
#include <string_view>

namespace office {

// The bytes read as code page 1251, in UTF-8. Bytes 1251 leaves undefined
// become U+FFFD.
std::string Utf8From1251(std::string_view bytes);

// The same, escaped for XML character data: '&', '<' and '>' as entities,
// and control characters XML does not allow as U+FFFD (tabs stay).
void AppendXmlText(std::string& out, std::string_view bytes);

// One of the program's captions (UTF-8 in the source) as 1251 bytes.
std::string To1251(const char* utf8);

}  // namespace office
