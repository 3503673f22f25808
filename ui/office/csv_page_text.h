// The code pages the windows draw, for the CSV exchange: a page's bytes as
// UTF-8 (from how the grid decodes them) and the language driver byte a new
// table's header names it by.
#pragma once

#include "code_page.h"
#include "csv_code_page.h"

#include <cstdint>

namespace office {

// Bytes of the page as UTF-8 text; the system's own page is taken to be UTF-8.
csv::ByteText PageText(ui::CodePage page);

// The language driver byte that names the page; 0 when none does.
uint8_t LanguageDriverOf(ui::CodePage page);

}  // namespace office
