// A table's rows written as CSV with a header row of field names, and a new
// table's fields and records read from CSV. When any row is marked deleted
// the CSV has a first column titled "*" holding "*" for those rows; reading
// takes such a column back as the records' deletion marks.
#pragma once

#include "csv_fields.h"
#include "dbf_file_system.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

class ByteText;

inline constexpr std::string_view kMarkTitle = "*";

// The rows a CSV is written from, counted from 0; cells are the stored bytes.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int64_t RowCount() const = 0;
  virtual bool Marked(int64_t row) const = 0;
  // Valid until the next call.
  virtual std::string_view Cell(int64_t row, int field) const = 0;
};

struct TableColumn {
  std::string name;  // as stored
  char type = 'C';
};

// Writes the header and every row as CSV in UTF-8, the table's bytes read by
// `page`, handing the text to `sink` in blocks of about a megabyte. The
// Russian flavour separates fields by ";" and starts with a byte-order mark,
// as spreadsheets in a Russian locale read CSV.
void WriteCsv(const std::vector<TableColumn>& columns, const RowSource& rows, const ByteText& page,
              const std::function<void(std::string_view)>& sink, Flavour flavour = Flavour::Plain);

// A new table's fields and its records, flag byte first, one after another.
struct TablePlan {
  std::vector<FieldSpec> fields;
  std::string records;
  int64_t count = 0;
};

struct ReadOutcome {
  TablePlan plan;
  // What does not fit, a line each: "Строка R, столбец C (NAME): why",
  // rows and columns counted in the CSV from 1, its header row being row 1.
  std::vector<std::string> problems;
};

// Reads UTF-8 CSV into records in `page`, its separator told by its header
// (see SeparatorOf). The fields are those of
// `templateFields`, matched to the CSV's columns by name, when given; else
// each column's field is guessed from its values.
ReadOutcome ReadCsv(std::string_view utf8, const ByteText& page, const std::vector<FieldSpec>* templateFields);

// The fields of a table, as a template for ReadCsv.
std::vector<FieldSpec> TableFields(const std::string& tablePath);

// Writes the plan as a new table: the header of `templatePath` when one is
// given, else one made of the plan's fields with the language driver byte
// `languageDriver`. Its writes go through `files`.
void WriteTable(dbf::FileSystem& files, const std::string& path, const TablePlan& plan, const std::string& templatePath,
                uint8_t languageDriver);

}  // namespace csv
