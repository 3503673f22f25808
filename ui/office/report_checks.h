// What must hold before a report or an export reads fields by name: the
// engine ends the program at a name it cannot find, so the names are
// checked first and a wrong one is named to the user.
#pragma once

#include "report_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbf {
class Dbf2_lib;
struct FieldNode;
}  // namespace dbf

namespace office {

class TextPage;

// The field the engine finds for `name` (its first ten characters), or none.
const dbf::FieldNode* FindTableField(const dbf::Dbf2_lib& db, uint16_t slot, const std::string& name);

// Messages are UTF-8.

// The message naming the first field column that is not a field of the
// table, or a sum field that is missing or not numeric, or whose sums,
// printed whole from their column's start, would not fit on a report line;
// none when all hold. Names are read in the table's code page `page`.
std::optional<std::string> CheckReportFields(const dbf::Dbf2_lib& db, uint16_t slot, const ReportLayout& layout,
                                             const TextPage& page);

// The message naming every field of `names` that is missing, and of
// `numeric` that is missing or not numeric; none when all hold. The names
// are the program's own, read as 1251.
std::optional<std::string> CheckExportFields(const dbf::Dbf2_lib& db, uint16_t slot,
                                             const std::vector<std::string>& names,
                                             const std::vector<std::string>& numeric);

}  // namespace office
