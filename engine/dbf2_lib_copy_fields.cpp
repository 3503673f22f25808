// Record transfer between tables of different layout: every field the two
// tables share by name is carried from the source's buffer into the target's
// through the field operations, so text is cut or padded and numbers are
// re-formatted for the target field.
#include "dbf2_lib.h"

#include "dbf_number.h"
#include "dbf_texts.h"

#include <algorithm>

namespace dbf {

void Dbf2_lib::DbfCopyFields(uint16_t source, uint16_t target) {
  if (!DbfIsOpen(source) || !DbfIsOpen(target)) {
    ReportMessage(Tr("Dbf2_lib", "File not Open!"));
    return;
  }
  struct Common {
    std::string name;
    char sourceType;
    char targetType;
  };
  std::vector<Common> common;
  for (const FieldNode& f : slots_[source - 1].fields) {
    const auto& targetFields = slots_[target - 1].fields;
    auto match = std::find_if(targetFields.begin(), targetFields.end(),
                              [&](const FieldNode& t) { return t.name == f.name; });
    if (match == targetFields.end()) continue;
    common.push_back({f.LookupName(), f.type, match->type});
  }
  for (const Common& c : common) {
    switch (c.sourceType) {
      case 'N':
      case 'n':
        // A number goes in as a number only where the target field is numeric;
        // elsewhere its text is stored.
        if (IsNumericType(c.targetType)) {
          DbfPutNum(target, DbfGetNum(source, c.name), c.name);
        } else {
          DbfPutStr(target, DbfGetStr(source, c.name), c.name);
        }
        break;
      case 'C':
      case 'D':
      case 'L':
        DbfPutStr(target, DbfGetStr(source, c.name), c.name);
        break;
      default:
        break;
    }
  }
}

}  // namespace dbf
