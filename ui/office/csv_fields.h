// Field values between a table's stored bytes and CSV text, and the field a
// column of CSV values needs.
//
// Out: numbers as stored without their blanks, dates (YYYYMMDD) as
// YYYY-MM-DD when they are real dates, everything else as stored with its
// trailing blanks dropped. For spreadsheets in a Russian locale numbers have
// a decimal comma and dates are DD.MM.YYYY.
// In: N when every value is a number (digits, a sign, a decimal point or
// comma and more digits, the whole digits maybe grouped by threes with
// blanks), D when every value is a YYYY-MM-DD or DD.MM.YYYY date, L when
// every value is a logical word, else C; empty values fit every type. A
// guessed C or N field is a little wider than its longest value, so that
// the table takes longer values later.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

class ByteText;

// The widest field of each kind.
constexpr int kWidestText = 254;
constexpr int kWidestNumber = 20;

struct FieldSpec {
  std::string name;  // bytes of the table's code page
  char type = 'C';
  int length = 1;
  int decimals = 0;

  bool operator==(const FieldSpec&) const = default;
};

// How values are written: as the table holds them, or as spreadsheets in a
// Russian locale read them.
enum class Flavour { Plain, Russian };

// The CSV text of a stored field, still in the table's bytes.
std::string_view OutValue(char type, std::string_view stored, std::string& scratch,
                          Flavour flavour = Flavour::Plain);

// True for a YYYYMMDD (`dashes` false) or YYYY-MM-DD date of the calendar.
bool IsDate(std::string_view text, bool dashes);

// True for a number as fields hold it: digits, maybe a leading "-", maybe a
// point with more digits.
bool IsNumber(std::string_view text);

// The stored letter (T, F, Y, N or ?) of a logical word; 0 for other text.
char LogicalLetter(std::string_view text);

// What the values of one column seen so far make of it.
class ColumnGuess {
 public:
  // `value` is UTF-8; `bytes` its length in the table's code page.
  void Add(std::string_view value, size_t bytes);
  // The field, without its name; nothing when the values are text longer
  // than a C field takes.
  std::optional<FieldSpec> Field() const;

 private:
  bool number_ = true, date_ = true, logical_ = true, any_ = false;
  bool point_ = false, comma_ = false;  // decimal marks seen
  int whole_ = 0, decimals_ = 0;
  size_t longest_ = 0;
};

// The table's field names for a CSV header (UTF-8): each upper-cased, its
// characters other than letters, digits and "_" made "_", in the code page,
// cut to 10 bytes and made unique by a "_2", "_3"... ending.
std::vector<std::string> FieldNames(const std::vector<std::string>& header, const ByteText& page);

// The stored bytes (exactly `field.length` of them) of a UTF-8 value in the
// field, appended to `out`; nothing appended and the reason returned when it
// does not fit.
std::optional<std::string> AppendStored(std::string& out, const FieldSpec& field, std::string_view value,
                                        const ByteText& page);

}  // namespace csv
