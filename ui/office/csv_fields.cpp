#include "csv_fields.h"

#include "csv_code_page.h"
#include "dbf_texts.h"

#include <algorithm>
#include <map>
#include <set>

namespace csv {

namespace {

constexpr size_t kNameBytes = 10;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimmedRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
  return s;
}

std::string_view Trimmed(std::string_view s) {
  s = TrimmedRight(s);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

// A number's digits before and after its point; nothing when the text is
// no number.
struct NumberShape {
  int whole = 0;  // the sign included
  int decimals = 0;
};
std::optional<NumberShape> ShapeOf(std::string_view text) {
  const size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(sign, point == std::string_view::npos ? std::string_view::npos : point - sign);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digits = [](std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit); };
  if (!digits(whole) || (point != std::string_view::npos && !digits(fraction))) return std::nullopt;
  return NumberShape{static_cast<int>(sign + whole.size()), static_cast<int>(fraction.size())};
}

// A number as people write it, in the form fields hold it: "-1 234,5" is
// "-1234.5". `mark` is the decimal mark written, 0 for none.
struct WrittenNumber {
  std::string text;
  NumberShape shape;
  char mark = 0;
};
std::optional<WrittenNumber> NumberOf(std::string_view value) {
  // A space, a no-break space or a narrow no-break space between groups of three.
  static constexpr std::string_view kGroupBlanks[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};
  WrittenNumber number;
  const size_t mark = value.find_first_of(".,");
  std::string_view whole = value.substr(0, mark);
  if (!whole.empty() && whole[0] == '-') {
    number.text = "-";
    whole.remove_prefix(1);
  }
  size_t group = 0;
  bool grouped = false;
  for (size_t at = 0; at < whole.size();) {
    if (IsDigit(whole[at])) {
      number.text += whole[at++];
      ++group;
      continue;
    }
    const auto blank = std::find_if(std::begin(kGroupBlanks), std::end(kGroupBlanks),
                                    [&](std::string_view b) { return whole.substr(at, b.size()) == b; });
    if (blank == std::end(kGroupBlanks) || group == 0 || group > 3 || (grouped && group != 3)) return std::nullopt;
    grouped = true;
    group = 0;
    at += blank->size();
  }
  if (grouped && group != 3) return std::nullopt;
  if (mark != std::string_view::npos) {
    number.mark = value[mark];
    number.text.append(".").append(value.substr(mark + 1));
  }
  const auto shape = ShapeOf(number.text);
  if (!shape) return std::nullopt;
  number.shape = *shape;
  return number;
}

// A little more than the exact width, up to the widest.
int WithRoom(int exact, int room, int widest) { return std::max(exact, std::min(widest, exact + room)); }

}  // namespace

char LogicalLetter(std::string_view text) {
  static const std::pair<std::string_view, char> kWords[] = {
      {"T", 'T'}, {"F", 'F'}, {"Y", 'Y'}, {"N", 'N'}, {"t", 'T'}, {"f", 'F'}, {"y", 'Y'}, {"n", 'N'},
      {"?", '?'}, {"true", 'T'}, {"false", 'F'}, {"TRUE", 'T'}, {"FALSE", 'F'}, {"True", 'T'},
      {"False", 'F'}, {"yes", 'T'}, {"no", 'F'}, {"да", 'T'}, {"нет", 'F'}, {"Да", 'T'}, {"Нет", 'F'},
      {"ДА", 'T'}, {"НЕТ", 'F'},
  };
  for (const auto& [word, letter] : kWords) {
    if (word == text) return letter;
  }
  return 0;
}

bool IsNumber(std::string_view text) { return ShapeOf(text).has_value(); }

namespace {

// Upper case of the ASCII and Russian letters of UTF-8 text.
std::string UpperCased(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    auto& c = reinterpret_cast<unsigned char&>(out[i]);
    if (c >= 'a' && c <= 'z') c -= 32;
    if (i + 1 >= out.size()) continue;
    auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
    if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) next -= 0x20;  // а..п
    else if (c == 0xD1 && next >= 0x80 && next <= 0x8F) c = 0xD0, next += 0x20;  // р..я
    else if (c == 0xD1 && next == 0x91) c = 0xD0, next = 0x81;  // ё
  }
  return out;
}

bool NameCharacter(std::string_view c) {
  if (c.size() > 1) return true;  // a letter of another alphabet, if the page has it
  const char b = c[0];
  return IsDigit(b) || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
}

}  // namespace

bool IsDate(std::string_view text, bool dashes) {
  if (text.size() != (dashes ? 10u : 8u)) return false;
  std::string digits;
  for (size_t i = 0; i < text.size(); ++i) {
    if (dashes && (i == 4 || i == 7)) {
      if (text[i] != '-') return false;
      continue;
    }
    if (!IsDigit(text[i])) return false;
    digits += text[i];
  }
  const int year = std::stoi(digits.substr(0, 4)), month = std::stoi(digits.substr(4, 2)),
            day = std::stoi(digits.substr(6, 2));
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

namespace {

// The stored YYYYMMDD of a YYYY-MM-DD or DD.MM.YYYY date of the calendar.
std::optional<std::string> StoredDate(std::string_view value) {
  if (IsDate(value, true)) return std::string(value.substr(0, 4)).append(value.substr(5, 2)).append(value.substr(8, 2));
  if (value.size() != 10 || value[2] != '.' || value[5] != '.') return std::nullopt;
  std::string date = std::string(value.substr(6, 4)).append(value.substr(3, 2)).append(value.substr(0, 2));
  if (!IsDate(date, false)) return std::nullopt;
  return date;
}

}  // namespace

std::string_view OutValue(char type, std::string_view stored, std::string& scratch, Flavour flavour) {
  const bool russian = flavour == Flavour::Russian;
  switch (type) {
    case 'N':
    case 'F': {
      const std::string_view number = Trimmed(stored);
      const size_t point = number.find('.');
      if (!russian || point == std::string_view::npos || !IsNumber(number)) return number;
      scratch.assign(number).at(point) = ',';
      return scratch;
    }
    case 'L':
      return Trimmed(stored);
    case 'D': {
      const std::string_view date = Trimmed(stored);
      if (!IsDate(date, false)) return date;
      const std::string_view year = date.substr(0, 4), month = date.substr(4, 2), day = date.substr(6, 2);
      if (russian) scratch.assign(day).append(".").append(month).append(".").append(year);
      else scratch.assign(year).append("-").append(month).append("-").append(day);
      return scratch;
    }
    default:
      return TrimmedRight(stored);
  }
}

void ColumnGuess::Add(std::string_view value, size_t bytes) {
  longest_ = std::max(longest_, bytes);
  if (value.empty()) return;
  any_ = true;
  const auto number = NumberOf(value);
  if (number) {
    whole_ = std::max(whole_, number->shape.whole);
    decimals_ = std::max(decimals_, number->shape.decimals);
    point_ = point_ || number->mark == '.';
    comma_ = comma_ || number->mark == ',';
  }
  number_ = number_ && number;
  date_ = date_ && StoredDate(value);
  logical_ = logical_ && LogicalLetter(value) != 0;
}

// Numbers get two more whole digits, text a quarter more (at least two
// bytes). A column with both decimal marks is text: "1,234" beside "5.5" may
// mean a thousand.
std::optional<FieldSpec> ColumnGuess::Field() const {
  if (any_ && number_ && !(point_ && comma_)) {
    const int length = whole_ + (decimals_ > 0 ? decimals_ + 1 : 0);
    if (length <= kWidestNumber) return FieldSpec{{}, 'N', WithRoom(length, 2, kWidestNumber), decimals_};
  }
  if (any_ && date_) return FieldSpec{{}, 'D', 8, 0};
  if (any_ && logical_) return FieldSpec{{}, 'L', 1, 0};
  if (longest_ > static_cast<size_t>(kWidestText)) return std::nullopt;
  const int exact = static_cast<int>(std::max<size_t>(1, longest_));
  return FieldSpec{{}, 'C', WithRoom(exact, std::max(2, exact / 4), kWidestText), 0};
}

std::vector<std::string> FieldNames(const std::vector<std::string>& header, const ByteText& page) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  // By name, the number its next copy tries first: many equal titles cost
  // one try each, not one for every copy before them.
  std::map<std::string, int> nextNumber;
  for (const std::string& title : header) {
    const std::string upper = UpperCased(Trimmed(title));
    std::string name, refused, encoded;
    for (size_t at = 0; at < upper.size();) {
      size_t n = 1;
      while (at + n < upper.size() && (static_cast<unsigned char>(upper[at + n]) & 0xC0) == 0x80) ++n;
      const std::string_view c(upper.data() + at, n);
      encoded.clear();
      if (!NameCharacter(c) || !page.AppendEncoded(encoded, c, refused)) encoded = "_";
      if (name.size() + encoded.size() > kNameBytes) break;  // a character is never cut in two
      name += encoded;
      at += n;
    }
    if (name.empty()) name = "FIELD";
    std::string unique = name;
    if (taken.count(unique)) {
      int& n = nextNumber.try_emplace(name, 2).first->second;
      for (;; ++n) {
        const std::string ending = "_" + std::to_string(n);
        unique = name.substr(0, kNameBytes - ending.size()) + ending;
        if (!taken.count(unique)) break;
      }
      ++n;
    }
    taken.insert(unique);
    names.push_back(unique);
  }
  return names;
}

std::optional<std::string> AppendStored(std::string& out, const FieldSpec& field, std::string_view value,
                                        const ByteText& page) {
  const auto length = static_cast<size_t>(field.length);
  std::string stored;
  if (value.empty()) {
    out.append(length, ' ');
    return std::nullopt;
  }
  switch (field.type) {
    case 'N':
    case 'F': {
      const auto number = NumberOf(value);
      if (!number) return dbf::Tr("CsvFields", "не число");
      const int decimals = number->shape.decimals;
      if (decimals > field.decimals) return dbf::Tr("CsvFields", "больше знаков после точки, чем в поле");
      stored = number->text;
      if (field.decimals > 0 && decimals == 0) stored += '.';
      stored.append(static_cast<size_t>(field.decimals - decimals), '0');
      if (stored.size() > length) return dbf::Tr("CsvFields", "число не помещается в поле");
      out.append(length - stored.size(), ' ');
      out += stored;
      return std::nullopt;
    }
    case 'D':
      // Eight digits are taken as stored: a date the calendar lacks goes
      // out to CSV that way and must come back unchanged.
      if (length != 8) return dbf::Tr("CsvFields", "поле даты не в 8 знаков");
      if (const auto date = StoredDate(value)) {
        out += *date;
      } else if (value.size() == 8 && std::all_of(value.begin(), value.end(), IsDigit)) {
        out += value;
      } else {
        return dbf::Tr("CsvFields", "не дата ГГГГ-ММ-ДД или ДД.ММ.ГГГГ");
      }
      return std::nullopt;
    case 'L': {
      const char letter = LogicalLetter(value);
      if (letter == 0) return dbf::Tr("CsvFields", "не логическое значение");
      if (length == 0) return dbf::Tr("CsvFields", "поле нулевой длины");
      out += letter;
      out.append(length - 1, ' ');
      return std::nullopt;
    }
    default: {
      std::string refused;
      if (!page.AppendEncoded(stored, value, refused)) {
        return dbf::FillText(dbf::Tr("CsvFields", "знака «%1» нет в кодировке таблицы"), {refused});
      }
      if (stored.size() > length) return dbf::Tr("CsvFields", "текст длиннее поля");
      out += stored;
      out.append(length - stored.size(), ' ');
      return std::nullopt;
    }
  }
}

}  // namespace csv
