#include "dbf_number.h"

#include <charconv>
#include <cmath>

namespace dbf {

double ParseFieldNumber(std::string_view bytes) {
  // The kept characters go to the stack unless the field is longer than any
  // numeric field: sums read millions of fields.
  char stack[256];
  std::string heap;
  char* text = stack;
  if (bytes.size() > sizeof stack) {
    heap.resize(bytes.size());
    text = heap.data();
  }
  size_t size = 0;
  bool comma = false;  // the first comma is the decimal point
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    if (u <= 0x20) continue;
    if (c == ',' && !comma) {
      comma = true;
      text[size++] = '.';
    } else if (c == '+' || c == '-' || c == '.' || c == ',' || (c >= '0' && c <= '9')) {
      text[size++] = c;
    } else {
      return 0;
    }
  }

  // Grammar: [sign] digits [ '.' digits ], at least one digit.
  size_t i = 0;
  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t start = i;
  size_t digits = 0;
  while (i < size && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < size && text[i] == '.') {
    ++i;
    while (i < size && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0 || i != size) return 0;

  double value = 0;
  auto [ptr, ec] = std::from_chars(text + start, text + size, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != text + size) return 0;
  return negative ? -value : value;
}

namespace {

// Rounds a plain decimal digit string "123.4567" (no sign) to `decimals`
// places, half away from zero, and returns it with exactly that many places.
std::string RoundDecimal(std::string digits, int decimals) {
  size_t point = digits.find('.');
  std::string whole = point == std::string::npos ? digits : digits.substr(0, point);
  std::string frac = point == std::string::npos ? std::string() : digits.substr(point + 1);
  bool roundUp = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
  frac.resize(decimals, '0');
  std::string all = whole + frac;
  if (roundUp) {
    int k = static_cast<int>(all.size()) - 1;
    while (k >= 0 && all[k] == '9') all[k--] = '0';
    if (k < 0) {
      all.insert(all.begin(), '1');
    } else {
      ++all[k];
    }
  }
  std::string wholePart = all.substr(0, all.size() - decimals);
  if (decimals == 0) return wholePart;
  return wholePart + "." + all.substr(all.size() - decimals);
}

}  // namespace

std::string FormatFieldNumber(double value, int width, int decimals) {
  if (!std::isfinite(value)) return {};
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  if (ec != std::errc()) return {};
  std::string text = RoundDecimal(std::string(buf, end), decimals);
  bool zero = text.find_first_not_of("0.") == std::string::npos;
  if (value < 0 && !zero) text.insert(text.begin(), '-');
  if (static_cast<int>(text.size()) > width) return {};
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace dbf
