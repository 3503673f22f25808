// Realistic Russian table text (names, towns, goods, numbers) for telling code pages apart.
#pragma once

#include "code_page.h"

#include <random>
#include <string>

namespace testsupport {

// `count` records of such text, encoded in `page`, one after another.
std::string RussianRecords(std::mt19937& random, int count, ui::CodePage page);

}  // namespace testsupport
