#include "csv_grid_rows.h"

#include "header_fields.h"
#include "record_store.h"

namespace {

// Column 0's text up to this length tells a deletion mark, as Save reads it.
constexpr size_t kMarkLimit = 20;
constexpr size_t kTypeByte = 11;

}  // namespace

int64_t GridRows::RowCount() const { return store_.RowCount() - 1; }

bool GridRows::Marked(int64_t row) const { return store_.MarkedDeleted(static_cast<int>(row + 1), kMarkLimit); }

std::string_view GridRows::Cell(int64_t row, int field) const { return store_.Cell(static_cast<int>(row + 1), field + 1); }

std::vector<csv::TableColumn> GridColumns(const RecordStore& store, const std::vector<char>& header) {
  std::vector<csv::TableColumn> columns;
  for (int f = 0; f + 1 < store.ColumnCount(); ++f) {
    const size_t at = kHeaderBytes + kDescriptorBytes * static_cast<size_t>(f);
    if (at + kDescriptorBytes > header.size()) break;
    columns.push_back({DescriptorName(header.data() + at), header[at + kTypeByte]});
  }
  return columns;
}
