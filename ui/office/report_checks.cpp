#include "report_checks.h"

#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "page_text.h"

namespace office {

namespace {

const char kUnknownField[] = "Error Name Field!\r\n";
const char kNotNumeric[] = DBF_TR_NOOP("ReportChecks", "Поле для подсчета суммы не числовое!\r\n");

}  // namespace

const dbf::FieldNode* FindTableField(const dbf::Dbf2_lib& db, uint16_t slot, const std::string& name) {
  // A typed zero byte would end the name early and find a shorter field.
  if (name.find('\0') != std::string::npos) return nullptr;
  return db.DbfFieldNamed(slot, name);
}

std::optional<std::string> CheckReportFields(const dbf::Dbf2_lib& db, uint16_t slot, const ReportLayout& layout,
                                             const TextPage& page) {
  for (size_t i = 1; i < layout.columns.size(); ++i) {
    if (!FindTableField(db, slot, layout.columns[i].name)) return kUnknownField + page.Utf8(layout.columns[i].name);
  }
  if (layout.sumField.empty()) return std::nullopt;
  const dbf::FieldNode* sum = FindTableField(db, slot, layout.sumField);
  if (!sum) return kUnknownField + page.Utf8(layout.sumField);
  if (sum->type != 'N') return dbf::Tr("ReportChecks", kNotNumeric) + page.Utf8(layout.sumField);
  // A sum is printed whole from its column's start, however narrow the column.
  const ReportColumn* column = layout.SumColumn();
  if (column && column->start + sum->length > kLongestReportLine) {
    return dbf::FillText(dbf::Tr("ReportChecks", "Сумма поля %1 не помещается в строку отчета из %2 знаков."),
                         {page.Utf8(layout.sumField), std::to_string(kLongestReportLine)});
  }
  return std::nullopt;
}

std::optional<std::string> CheckExportFields(const dbf::Dbf2_lib& db, uint16_t slot,
                                             const std::vector<std::string>& names,
                                             const std::vector<std::string>& numeric) {
  std::string missing;
  std::string notNumeric;
  const TextPage& page = TextPage::Of(ui::CodePage::Windows1251);
  auto add = [&](std::string& list, const std::string& name) { list += (list.empty() ? "" : ", ") + page.Utf8(name); };
  for (const std::string& name : names) {
    if (!FindTableField(db, slot, name)) add(missing, name);
  }
  for (const std::string& name : numeric) {
    const dbf::FieldNode* f = FindTableField(db, slot, name);
    if (!f) add(missing, name);
    else if (f->type != 'N') add(notNumeric, name);
  }
  if (missing.empty() && notNumeric.empty()) return std::nullopt;
  std::string text;
  if (!missing.empty()) text += dbf::FillText(dbf::Tr("ReportChecks", "В файле нет полей: %1"), {missing});
  if (!notNumeric.empty()) {
    text += (text.empty() ? "" : "\r\n") + dbf::FillText(dbf::Tr("ReportChecks", "Поля не числовые: %1"), {notNumeric});
  }
  return text;
}

}  // namespace office
