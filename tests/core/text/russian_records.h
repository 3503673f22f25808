// Realistic Russian table text for telling code pages apart: names with
// patronymics, towns and goods, as fields of a record padded with blanks,
// with numbers between them.
#pragma once

#include "code_page.h"

#include <random>
#include <string>

namespace testsupport {

// `count` records of such text, encoded in `page`, one after another as a
// table's records lie in its file.
std::string RussianRecords(std::mt19937& random, int count, ui::CodePage page);

}  // namespace testsupport
