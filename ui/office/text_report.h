// The fixed-width text report of a table open in an engine slot: a sheet
// header of rules and column names, one line a record (deleted ones too),
// and at the foot of every sheet a rule, the page sum of the sum field and a
// form feed; at the end a rule, the page sum, a rule, the grand total and a
// form feed. Lines carry the table's bytes as stored.
#pragma once

#include "report_layout.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace dbf {
class Dbf2_lib;
}

namespace office {

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Line(std::string_view line) = 0;
};

// Writes the report of every record of the slot, from the first, calling
// `progress` with the pass number before each record. The layout's fields
// must be fields of the table and the sum field a numeric one (see
// CheckReportFields).
void WriteTextReport(dbf::Dbf2_lib& db, uint16_t slot, const ReportLayout& layout, LineSink& out,
                     const std::function<void(int64_t)>& progress = {});

}  // namespace office
