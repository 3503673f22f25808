// Which code page a table's text is in: named by its header's language
// driver byte, or told from its letters when the byte names none.
#pragma once

#include "code_page.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

// The code page a language driver byte (header byte 29) names; nothing for
// 0 (none named), for "the system's Windows page" (0x57) and for pages the
// program cannot draw.
std::optional<CodePage> PageOfLanguageDriver(uint8_t id);

// Russian text in DOS 866 or Windows 1251? Reads the bytes above 0x7F both
// ways and weighs what each reading makes of them: Russian letters count by
// how common they are, anything else (pseudographics, punctuation, letters
// of other alphabets) counts against. Nothing when the bytes tell neither
// (no such bytes, or no reading that makes them Russian letters).
std::optional<CodePage> GuessRussianPage(std::string_view text);

}  // namespace ui
