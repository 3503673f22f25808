// Whether a table holds records, for the commands that rewrite its fields and
// so need a table without them.
#pragma once

#include <string>

// Opens the table with the engine and counts its records.
bool HoldsRecords(const std::string& path);
