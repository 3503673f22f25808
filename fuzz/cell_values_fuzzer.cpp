// Fuzz target for the conversions of grid cell texts into stored values.
// Any text goes through every conversion; then texts whose value is known
// are built from the input: plain decimal numbers, which must read as
// strtod reads them, and whole numbers in decimal and hexadecimal, which
// must read as themselves and give a logical cell "F", "T" or their own
// text.
#include "cell_values.h"
#include "dbf_names.h"
#include "fuzz_files.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using fuzzsupport::Fail;

bool Blank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

void AnyText(const std::string& text) {
  const std::string trimmed = cells::Trimmed(text);
  if (cells::Trimmed(trimmed) != trimmed) Fail("trimming a trimmed text changes it");
  if (!trimmed.empty() && (Blank(trimmed.front()) || Blank(trimmed.back()) ||
                           text.find(trimmed) == std::string::npos)) {
    Fail("a trimmed text is not the text without its blanks at either end");
  }
  const std::string logical = cells::LogicalValue(text);
  if (logical != "T" && logical != "F" && logical != dbf::UpperAnsi(trimmed)) {
    Fail("a logical cell gives other text than T, F or its own in capitals");
  }
  cells::WholeNumber(text);
  cells::HasDeleteMark(text);
  if (std::isnan(cells::DecimalValue(text))) Fail("a numeric cell reads as not a number");
}

std::string Digits(FuzzedDataProvider& in, size_t most) {
  std::string digits = in.ConsumeRandomLengthString(most);
  for (char& c : digits) c = static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
  return digits;
}

// A number as a person types it into a numeric cell: a sign, digits with a
// point or a comma, an exponent, blanks around it and, after a blank,
// anything at all.
void PlainNumber(FuzzedDataProvider& in) {
  std::string number;
  const int sign = in.ConsumeIntegralInRange(0, 2);
  if (sign > 0) number += sign == 1 ? '-' : '+';
  const std::string whole = Digits(in, 400);
  const bool point = in.ConsumeBool();
  const std::string fraction = point ? Digits(in, 400) : std::string();
  if (whole.empty() && fraction.empty()) return;
  number += whole;
  if (point) number += '.';
  number += fraction;
  if (in.ConsumeBool()) {
    number += in.ConsumeBool() ? 'e' : 'E';
    const int exponentSign = in.ConsumeIntegralInRange(0, 2);
    if (exponentSign > 0) number += exponentSign == 1 ? '-' : '+';
    const std::string exponent = Digits(in, 12);
    number += exponent.empty() ? "0" : exponent;
  }
  const double expected = std::strtod(number.c_str(), nullptr);
  std::string cell = std::string(in.ConsumeIntegralInRange(0, 3), ' ') + number;
  if (point && in.ConsumeBool()) cell[cell.find('.')] = ',';
  if (in.ConsumeBool()) cell += ' ' + in.ConsumeRandomLengthString(8);
  const double value = cells::DecimalValue(cell);
  if (value != expected) {
    Fail("\"" + cell + "\" reads as another value than strtod gives");
  }
}

// Whole numbers in decimal, and after "$" or "0x" in hexadecimal.
void WholeNumbers(FuzzedDataProvider& in) {
  const auto n = in.ConsumeIntegralInRange<long long>(LLONG_MIN + 1, LLONG_MAX);
  const std::string decimal = std::to_string(n);
  if (cells::WholeNumber(decimal) != n) Fail(decimal + " does not read as itself");
  const std::string logical = cells::LogicalValue(" " + decimal + " ");
  if (logical != (n == 0 ? "F" : n == 1 ? "T" : decimal)) Fail("the logical cell " + decimal + " reads wrong");
  const unsigned long long u = n < 0 ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
  char hex[32];
  std::snprintf(hex, sizeof hex, "%s%llx", in.ConsumeBool() ? "$" : "0x", u);
  if (cells::WholeNumber(hex) != static_cast<long long>(u)) Fail(std::string(hex) + " does not read as its value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AnyText(std::string(reinterpret_cast<const char*>(data), size));
  FuzzedDataProvider in(data, size);
  PlainNumber(in);
  WholeNumbers(in);
  return 0;
}
