#include "cell_values.h"

#include "dbf_names.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace cells {

namespace {

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits starting at `at`; moves `at` past them.
std::string_view Digits(std::string_view text, size_t& at) {
  const size_t from = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(from, at - from);
}

// Whether a decimal number with these digits and exponent is at least 1 in
// size, for telling an overflow from an underflow.
bool AtLeastOne(std::string_view whole, std::string_view fraction, long long exponent) {
  const size_t significant = whole.find_first_not_of('0');
  if (significant != std::string_view::npos) {
    return static_cast<long long>(whole.size() - significant) + exponent > 0;
  }
  const size_t zeros = fraction.find_first_not_of('0');
  return zeros != std::string_view::npos && exponent - static_cast<long long>(zeros) > 0;
}

}  // namespace

std::string Trimmed(std::string_view cell) { return dbf::TrimName(cell); }

long long WholeNumber(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int base = 10;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    base = 16;
    ++at;
  } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    base = 16;
    at += 2;
  }
  long long value = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) return value;  // stopped early: the digits so far, unsigned
    value = value > (LLONG_MAX - digit) / base ? LLONG_MAX : value * base + digit;
  }
  return negative ? -value : value;
}

std::string LogicalValue(std::string_view cell) {
  const std::string text = dbf::UpperAnsi(Trimmed(cell));
  if (text == "F" || text == "T") return text;
  switch (WholeNumber(text)) {
    case 0: return "F";
    case 1: return "T";
    default: return text;
  }
}

double DecimalValue(std::string_view cell) {
  std::string text = Trimmed(cell);
  if (const size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const size_t mantissaStart = at;
  const std::string_view whole = Digits(text, at);
  std::string_view fraction;
  if (at < text.size() && text[at] == '.') {
    ++at;
    fraction = Digits(text, at);
  }
  if (whole.empty() && fraction.empty()) return 0;
  long long exponent = 0;
  size_t end = at;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t e = at + 1;
    const bool negativeExponent = e < text.size() && text[e] == '-';
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::string_view digits = Digits(text, e);
    if (!digits.empty()) {  // an exponent without digits is not part of the number
      end = e;
      for (char d : digits) exponent = std::min(exponent * 10 + (d - '0'), 1000000LL);
      if (negativeExponent) exponent = -exponent;
    }
  }
  double value = 0;
  const char* first = text.data() + mantissaStart;
  const auto [ptr, ec] = std::from_chars(first, text.data() + end, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = AtLeastOne(whole, fraction, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

bool HasDeleteMark(std::string_view text) { return text.find("Delete") != std::string_view::npos; }

}  // namespace cells
