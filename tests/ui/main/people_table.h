// The small table most window and panel tests work on.
#pragma once

#include "table_bytes.h"

#include <string>
#include <vector>

namespace testsupport {

// People: NAME C10, SUM N8.2, OK L1; the second record marked deleted.
inline std::string WritePeople(const TempDir& dir, const std::string& name = "people.dbf") {
  const std::vector<FieldSpec> fields{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};
  TableLayout layout;
  layout.fields = fields;
  layout.records = {Record(fields, {"\x88\xa2\xa0\xad\xae\xa2", "   12.50", "T"}),
                    Record(fields, {"Bob", "    3.00", "F"}, true), Record(fields, {"Carol  \x01", "", ""})};
  const std::string path = dir.Path(name);
  WriteFile(path, TableBytes(layout));
  return path;
}

}  // namespace testsupport
