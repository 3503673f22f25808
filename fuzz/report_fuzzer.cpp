// Fuzz target for the text report. The input chooses a small table (its
// character and numeric fields, records and their bytes), the report's
// columns and widths, the sheet lengths, the sum field and whether row
// numbers print. The layout must give lines as long as the widths say; a
// layout the panel accepts (lines of 255 characters at most, fields of the
// table) is written through the report file over a planted link, and the
// lines are checked against a plain walk of the sheets: headers, record
// lines holding their fields, and page sums and the total of the records
// they stand for.
#include "dbf2_lib.h"
#include "dbf_number.h"
#include "fuzz_files.h"
#include "page_text.h"
#include "report_checks.h"
#include "report_file.h"
#include "table_bytes.h"
#include "text_report.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using fuzzsupport::Fail;
using testsupport::FieldSpec;

constexpr int kMostFields = 4;
constexpr int kMostRecords = 40;
constexpr int kMostColumns = 5;
constexpr char kRowCaption[] = "No";

struct Lines : office::LineSink {
  void Line(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// Every line goes to both sinks.
struct Both : office::LineSink {
  Both(office::LineSink& a, office::LineSink& b) : a(a), b(b) {}
  void Line(std::string_view line) override {
    a.Line(line);
    b.Line(line);
  }
  office::LineSink& a;
  office::LineSink& b;
};

std::string FieldName(int i) { return "F" + std::to_string(i); }

std::vector<FieldSpec> Fields(FuzzedDataProvider& in) {
  std::vector<FieldSpec> fields;
  const int count = in.ConsumeIntegralInRange(1, kMostFields);
  for (int i = 0; i < count; ++i) {
    FieldSpec f;
    f.name = FieldName(i);
    f.type = in.ConsumeBool() ? 'N' : 'C';
    f.length = in.ConsumeIntegralInRange<uint8_t>(1, 20);
    if (f.type == 'N') f.decimals = in.ConsumeIntegralInRange<uint8_t>(0, std::max(0, f.length - 2));
    fields.push_back(f);
  }
  return fields;
}

// Numeric fields mostly hold numbers, sometimes any bytes.
std::vector<std::string> Records(FuzzedDataProvider& in, const std::vector<FieldSpec>& fields) {
  std::vector<std::string> records;
  const int count = in.ConsumeIntegralInRange(0, kMostRecords);
  for (int r = 0; r < count; ++r) {
    std::vector<std::string> values;
    for (const FieldSpec& f : fields) {
      if (f.type == 'N' && in.ConsumeBool()) {
        values.push_back(dbf::FormatFieldNumber(in.ConsumeIntegralInRange(-99999, 99999) / 100.0, f.length, f.decimals));
      } else {
        values.push_back(in.ConsumeBytesAsString(f.length));
      }
    }
    records.push_back(testsupport::Record(fields, values, in.ConsumeBool()));
  }
  return records;
}

std::vector<office::ColumnRequest> Columns(FuzzedDataProvider& in, int fieldCount) {
  std::vector<office::ColumnRequest> requests{{kRowCaption, in.ConsumeIntegralInRange(1, 12)}};
  const int count = in.ConsumeIntegralInRange(1, kMostColumns);
  for (int i = 0; i < count; ++i) {
    // Now and then a name that is no field, or a width past any line.
    const int field = in.ConsumeIntegralInRange(0, fieldCount);
    const int width = in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 30) : in.ConsumeIntegralInRange(1, 300);
    requests.push_back({field < fieldCount ? FieldName(field) : "ZZ", width});
  }
  return requests;
}

// What the report must hold, from a plain walk of the sheets: sheet 1 holds
// `first` records, every later one `later`; a sheet's first record opens it
// with a header, its last closes it with a page sum, and a sheet of one
// record is never closed.
class Expectation {
 public:
  Expectation(dbf::Dbf2_lib& db, const office::ReportLayout& layout, const std::vector<std::string>& lines)
      : db_(db), layout_(layout), lines_(lines), length_(layout.LineLength()) {
    for (const office::ReportColumn& c : layout.columns) {
      if (c.name == layout.sumField) sumColumn_ = &c;
    }
    if (sumColumn_) sumField_ = db.DbfFieldNamed(1, layout.sumField);
    if (sumColumn_ != layout.SumColumn()) Fail("the sums stand under another column");
  }

  void Check() {
    int64_t n = 0;
    int64_t sheetSize = layout_.firstSheetRows;
    int64_t place = 0;  // the record's place on its sheet, from 1
    double page = 0;
    double total = 0;
    db_.DbfTop(1);
    for (n = 1; n <= db_.DbfRecCount(1); ++n, db_.DbfSkip(1, 1)) {
      if (++place > sheetSize) {
        place = 1;
        sheetSize = layout_.laterSheetRows;
      }
      const double value = sumField_ ? db_.DbfGetNum(1, layout_.sumField) : 0;
      total += value;
      page = place == 1 ? value : page + value;
      if (place == 1) Header();
      RecordLine(n);
      if (place > 1 && place == sheetSize) {
        Expect(std::string(length_, '-'), "the rule under a sheet");
        SumLine(page, "a page sum");
        Expect("\f", "the form feed after a sheet");
        page = 0;
      }
    }
    Expect(std::string(length_, '-'), "the rule at the end");
    SumLine(page, "the last page sum");
    Expect(std::string(length_, '-'), "the rule above the total");
    if (sumField_) SumLine(total, "the total");
    else Expect(" ", "the blank line in place of the total");
    Expect("\f", "the last form feed");
    if (at_ != lines_.size()) Fail("the report has lines after its end");
  }

 private:
  // Lines other than sums stay within the rules; sums, printed whole from
  // their column, within the longest line.
  const std::string& Next(const char* what, size_t longest) {
    if (at_ >= lines_.size()) Fail(std::string("the report ends before ") + what);
    const std::string& line = lines_[at_++];
    if (line.size() > longest) Fail(std::string("a line too long: ") + what);
    return line;
  }
  const std::string& Next(const char* what) { return Next(what, length_); }

  void Expect(const std::string& line, const char* what, size_t longest) {
    if (Next(what, longest) != line) Fail(std::string("wrong line: ") + what);
  }
  void Expect(const std::string& line, const char* what) { Expect(line, what, length_); }

  void Header() {
    Expect(std::string(length_ - 1, '-') + ' ', "the rule over a sheet");
    Next("the column names");
    Expect(std::string(length_ - 1, '-') + ' ', "the rule under the column names");
  }

  void RecordLine(int64_t n) {
    const std::string& line = Next("a record line");
    const office::ReportColumn& numbers = layout_.columns.front();
    const std::string number = std::to_string(n);
    if (!layout_.printRowNumbers && line.find_first_not_of(' ', 0) < static_cast<size_t>(layout_.columns[1].start)) {
      Fail("a row number printed though it should not be");
    }
    if (layout_.printRowNumbers && number.size() <= static_cast<size_t>(numbers.width) &&
        line.compare(numbers.start, numbers.width, std::string(numbers.width - number.size(), ' ') + number) != 0) {
      Fail("a record line without its row number");
    }
    for (size_t i = 1; i < layout_.columns.size(); ++i) {
      const office::ReportColumn& c = layout_.columns[i];
      const std::string text = db_.DbfGetStr(1, c.name);
      const size_t shown = std::min(text.size(), static_cast<size_t>(c.width));
      if (line.compare(c.start, shown, text, 0, shown) != 0) Fail("a record line without its field " + c.name);
    }
  }

  void SumLine(double sum, const char* what) {
    if (!sumField_) return;
    Expect(std::string(sumColumn_->start, ' ') + dbf::FormatFieldNumber(sum, sumField_->length, sumField_->decimals),
           what, office::kLongestReportLine);
  }

  dbf::Dbf2_lib& db_;
  const office::ReportLayout& layout_;
  const std::vector<std::string>& lines_;
  const int length_;
  const office::ReportColumn* sumColumn_ = nullptr;
  const dbf::FieldNode* sumField_ = nullptr;
  size_t at_ = 0;
};

std::string CrLfJoined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  testsupport::TableLayout table;
  table.fields = Fields(in);
  table.records = Records(in, table.fields);
  const std::vector<office::ColumnRequest> requests = Columns(in, static_cast<int>(table.fields.size()));

  office::ReportLayout layout;
  layout.columns = office::PlaceColumns(requests);
  if (layout.LineLength() != office::LineLengthOf(requests)) Fail("LineLengthOf differs from the placed columns");
  for (size_t i = 1; i < layout.columns.size(); ++i) {
    if (layout.columns[i].start != layout.columns[i - 1].end + 1 ||
        layout.columns[i].end - layout.columns[i].start != layout.columns[i].width) {
      Fail("columns placed with a gap or an overlap");
    }
  }
  // The panel refuses such a layout before anything is written.
  if (layout.LineLength() > office::kLongestReportLine) return 0;
  layout.firstSheetRows = in.ConsumeIntegralInRange(1, 12);
  layout.laterSheetRows = in.ConsumeIntegralInRange(1, 12);
  const int sum = in.ConsumeIntegralInRange(0, static_cast<int>(table.fields.size()) + 1);
  layout.sumField = sum == 0 ? "" : sum <= static_cast<int>(table.fields.size()) ? FieldName(sum - 1) : "ZZ";
  layout.printRowNumbers = in.ConsumeBool();

  const std::string tablePath = fuzzsupport::ScratchPath("report.dbf");
  fuzzsupport::WriteWholeFile(tablePath, testsupport::TableBytes(table));
  dbf::Dbf2_lib db;
  db.DbfOpen(1, tablePath);
  if (office::CheckReportFields(db, 1, layout, office::TextPage::Of(ui::CodePage::Windows1251))) return 0;

  // The report file takes the place of a link planted under its name.
  const std::string reportPath = fuzzsupport::ScratchPath("report.txt");
  const std::string victim = fuzzsupport::ScratchPath("victim");
  fuzzsupport::WriteWholeFile(victim, "victim");
  ::unlink(reportPath.c_str());
  if (::symlink(victim.c_str(), reportPath.c_str()) != 0) Fail("cannot plant a link");
  Lines lines;
  ui::FileServices files;
  office::WriteReportFile(files, reportPath, [&](office::LineSink& file) {
    Both both(lines, file);
    office::WriteTextReport(db, 1, layout, both);
  });
  if (fuzzsupport::ReadWholeFile(victim) != "victim") Fail("the report wrote through a link");
  if (fuzzsupport::ReadWholeFile(reportPath) != CrLfJoined(lines.lines)) Fail("the report file differs from its lines");

  Expectation(db, layout, lines.lines).Check();
  db.DbfCloseAll();
  return 0;
}
