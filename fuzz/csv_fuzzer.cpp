// Fuzz target for the CSV reader: any input is read as CSV, in a page where
// each byte is the character of the same number (so every character of it is
// stored). The records parsed, written again and parsed once more must come
// back the same; a table read from it (fields guessed) and written out as
// CSV, plain or for spreadsheets in a Russian locale, must read back with its
// record count, and from the second round on CSV in of CSV out must be the
// identity.
#include "csv_code_page.h"
#include "csv_table.h"
#include "csv_text.h"
#include "fuzz_files.h"

#include <array>
#include <string>
#include <vector>

namespace {

using fuzzsupport::Fail;

csv::ByteText Latin1() {
  std::array<std::string, 256> characters;
  for (int b = 0; b < 256; ++b) {
    std::string& c = characters[static_cast<size_t>(b)];
    if (b < 0x80) c = std::string(1, static_cast<char>(b));
    else c = {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
  }
  return csv::ByteText(characters);
}

// A plan's records as the rows of a table.
class PlanRows : public csv::RowSource {
 public:
  explicit PlanRows(const csv::TablePlan& plan) : plan_(plan) {
    for (const csv::FieldSpec& f : plan.fields) length_ += static_cast<size_t>(f.length);
  }
  int64_t RowCount() const override { return plan_.count; }
  bool Marked(int64_t row) const override { return plan_.records[Start(row)] == '*'; }
  std::string_view Cell(int64_t row, int field) const override {
    size_t at = Start(row) + 1;
    for (int f = 0; f < field; ++f) at += static_cast<size_t>(plan_.fields[static_cast<size_t>(f)].length);
    return std::string_view(plan_.records).substr(at, static_cast<size_t>(plan_.fields[static_cast<size_t>(field)].length));
  }

 private:
  size_t Start(int64_t row) const { return static_cast<size_t>(row) * length_; }
  const csv::TablePlan& plan_;
  size_t length_ = 1;
};

std::vector<std::vector<std::string>> Parsed(std::string_view text) {
  csv::Reader reader(text);
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> fields;
  while (reader.Next(fields)) rows.push_back(fields);
  return rows;
}

std::string Written(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i) out += ',';
      csv::AppendField(out, row[i]);
    }
    if (row.size() == 1 && row[0].empty()) out += "\"\"";
    out += "\r\n";
  }
  return out;
}

std::string CsvOf(const csv::TablePlan& plan, const csv::ByteText& page, csv::Flavour flavour) {
  std::vector<csv::TableColumn> columns;
  for (const csv::FieldSpec& f : plan.fields) columns.push_back({f.name, f.type});
  std::string out;
  csv::WriteCsv(columns, PlanRows(plan), page, [&](std::string_view block) { out += block; }, flavour);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const csv::ByteText page = Latin1();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = page.Decoded(bytes);
  std::vector<std::vector<std::string>> rows;
  try {
    rows = Parsed(text);
  } catch (const csv::ParseError&) {
    return 0;
  }
  if (Parsed(Written(rows)) != rows) Fail("records written and parsed again differ");

  const csv::ReadOutcome first = csv::ReadCsv(text, page, nullptr);
  if (!first.problems.empty()) return 0;
  // The first CSV out may still change on its way in: a text field's value
  // without its trailing blanks can read as a number or a logical word.
  // From the second on, CSV in of CSV out gives the CSV back.
  for (const csv::Flavour flavour : {csv::Flavour::Plain, csv::Flavour::Russian}) {
    std::string out = CsvOf(first.plan, page, flavour);
    for (int round = 0; round < 2; ++round) {
      const csv::ReadOutcome again = csv::ReadCsv(out, page, nullptr);
      if (!again.problems.empty()) Fail("CSV out did not read back: " + again.problems[0]);
      if (again.plan.count != first.plan.count) Fail("CSV out read back with another record count");
      const std::string next = CsvOf(again.plan, page, flavour);
      if (round == 1 && next != out) Fail("CSV in of CSV out changed the CSV");
      out = next;
    }
  }
  return 0;
}
