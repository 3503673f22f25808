// Whether a table holds records, for the commands that rewrite its fields and
// so need a table without them.
#pragma once

#include <string>

// Opens the table with the engine and counts its records. A table without
// fields (record length 1) counts as empty: its end mark alone would count
// as one record, and clearing it leaves the same bytes.
bool HoldsRecords(const std::string& path);
