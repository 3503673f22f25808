// Comma-separated values as RFC 4180 lays them out: fields separated by
// commas, records ended by CR LF, a field quoted when it holds a comma, a
// quote, a carriage return or a line feed, and a quote inside a quoted field
// doubled. The reader also takes records ended by LF alone (or CR alone),
// skips empty lines and a UTF-8 byte-order mark at the start. Spreadsheets in
// a Russian locale separate fields by ";" instead, the decimal comma being
// taken; the reader is told which.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Appends the field, quoted when it holds one of `separators`, a quote or a
// line end.
void AppendField(std::string& out, std::string_view text, std::string_view separators = ",");

// The separator of the text's first record: ";" when it holds more of them
// outside quotes than commas, else ",".
char SeparatorOf(std::string_view text);

// A quoted field the text ends inside; `row` counts records from 1.
class ParseError : public std::runtime_error {
 public:
  ParseError(int64_t row, const std::string& what) : std::runtime_error(what), row(row) {}
  int64_t row;
};

class Reader {
 public:
  // Reads `text`, which must outlive the reader, its fields separated by
  // `separator`.
  explicit Reader(std::string_view text, char separator = ',');

  // The next record's fields; false at the end. Throws ParseError.
  bool Next(std::vector<std::string>& fields);
  // The number of the record Next read last, from 1.
  int64_t Row() const { return row_; }

 private:
  std::string_view text_;
  char stops_[3];  // the separator and the line ends
  size_t at_ = 0;
  int64_t row_ = 0;
};

}  // namespace csv
