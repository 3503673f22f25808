// CSV out of a table and a table from CSV, as the "Файлы" menu's CSV
// commands make them, for other programs to check:
//   csv_convert out TABLE CSV PAGE           (PAGE: 866 or 1251)
//   csv_convert in CSV TABLE PAGE [TEMPLATE]
// Values that do not fit are printed, one a line, with exit status 1.
#include "csv_page_text.h"
#include "csv_table.h"
#include "dbf2_lib.h"
#include "table_bytes.h"

#include <iostream>

namespace {

// Every record of a table, read whole.
class TableRows : public csv::RowSource {
 public:
  explicit TableRows(const std::string& path) {
    db_.DbfOpenForReading(1, path);
    count_ = db_.DbfRecCount(1);
    length_ = db_.DbfRecordLength(1);
    records_.resize(static_cast<size_t>(count_ * length_));
    if (count_ > 0) db_.DbfReadRecords(1, 1, count_, records_.data());
    for (const dbf::FieldNode* f = db_.DbfFields(1); f; f = f->next) {
      columns.push_back({f->Name(), f->type});
      fields_.push_back(f);
    }
  }
  int64_t RowCount() const override { return count_; }
  bool Marked(int64_t row) const override { return records_[static_cast<size_t>(row * length_)] != ' '; }
  std::string_view Cell(int64_t row, int field) const override {
    const dbf::FieldNode* f = fields_[static_cast<size_t>(field)];
    return std::string_view(records_).substr(static_cast<size_t>(row * length_ + f->offset), f->length);
  }
  std::vector<csv::TableColumn> columns;

 private:
  dbf::Dbf2_lib db_;
  int64_t count_ = 0, length_ = 0;
  std::string records_;
  std::vector<const dbf::FieldNode*> fields_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 4) return 2;
  const ui::CodePage page = args[3] == "866" ? ui::CodePage::Dos866 : ui::CodePage::Windows1251;
  if (args[0] == "out") {
    const TableRows rows(args[1]);
    std::string text;
    csv::WriteCsv(rows.columns, rows, office::PageText(page), [&](std::string_view block) { text += block; });
    testsupport::WriteFile(args[2], text);
    return 0;
  }
  const std::string templatePath = args.size() > 4 ? args[4] : "";
  const std::vector<csv::FieldSpec> fields = templatePath.empty() ? std::vector<csv::FieldSpec>() : csv::TableFields(templatePath);
  const csv::ReadOutcome read =
      csv::ReadCsv(testsupport::ReadFile(args[1]), office::PageText(page), templatePath.empty() ? nullptr : &fields);
  for (const std::string& problem : read.problems) std::cout << problem << "\n";
  if (!read.problems.empty()) return 1;
  csv::WriteTable(dbf::SystemFileSystem(), args[2], read.plan, templatePath, office::LanguageDriverOf(page));
  return 0;
}
