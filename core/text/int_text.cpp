#include "int_text.h"

#include <cctype>

namespace ui {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

namespace {

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (base == 16 && c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (base == 16 && c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v;
}

struct Parsed {
  bool negative = false;
  bool hex = false;
  uint64_t magnitude = 0;
};

// The syntax shared by both conversions; magnitude is kept below 2^33 so
// every range check afterwards is exact.
std::optional<Parsed> Parse(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  Parsed p;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) p.negative = text[i++] == '-';
  if (i < text.size() && text[i] == '$') {
    p.hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    p.hex = true;
    i += 2;
  }
  const int base = p.hex ? 16 : 10;
  if (i == text.size()) return std::nullopt;
  for (; i < text.size(); ++i) {
    const int d = DigitValue(text[i], base);
    if (d < 0) return std::nullopt;
    p.magnitude = p.magnitude * base + d;
    if (p.magnitude > (uint64_t{1} << 33)) return std::nullopt;
  }
  if (p.hex && p.magnitude > 0xFFFFFFFFu) return std::nullopt;
  return p;
}

}  // namespace

std::optional<int32_t> StrToInt(std::string_view text) {
  const auto p = Parse(text);
  if (!p) return std::nullopt;
  if (p->hex) {
    const auto bits = static_cast<int32_t>(static_cast<uint32_t>(p->magnitude));
    return p->negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
  }
  const int64_t v = p->negative ? -static_cast<int64_t>(p->magnitude) : static_cast<int64_t>(p->magnitude);
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(v);
}

std::optional<int64_t> StrToInt32Bits(std::string_view text) {
  const auto p = Parse(text);
  if (!p) return std::nullopt;
  if (p->hex) return StrToInt(text);
  const int64_t v = p->negative ? -static_cast<int64_t>(p->magnitude) : static_cast<int64_t>(p->magnitude);
  if (v < INT32_MIN || v > int64_t{0xFFFFFFFF}) return std::nullopt;
  return v;
}

std::string ConversionErrorText(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

std::string RightAligned(int64_t value, size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

}  // namespace ui
