#include "code_page_detection.h"

#include <array>

namespace ui {

std::optional<CodePage> PageOfLanguageDriver(uint8_t id) {
  switch (id) {
    case 0x26: case 0x65:
      return CodePage::Dos866;
    case 0xC9:
      return CodePage::Windows1251;
    case 0x01: case 0x09: case 0x0B: case 0x0D: case 0x0F: case 0x11: case 0x15: case 0x18: case 0x19: case 0x1B:
      return CodePage::Dos437;
    case 0x02: case 0x0A: case 0x0E: case 0x10: case 0x12: case 0x14: case 0x16: case 0x1A: case 0x1D: case 0x25:
    case 0x37:
      return CodePage::Dos850;
    case 0x1F: case 0x22: case 0x23: case 0x40: case 0x64: case 0x87:
      return CodePage::Dos852;
    case 0x03: case 0x58: case 0x59:
      return CodePage::Windows1252;
    case 0xC8:
      return CodePage::Windows1250;
    default:
      return std::nullopt;
  }
}

namespace {

// How often each letter а..я stands in Russian text, per mille (ё with е).
constexpr std::array<int, 32> kLetterWeight{80, 16, 45, 17, 30, 85, 9,  16, 73, 12, 35, 44, 32, 67, 110, 28,
                                            47, 55, 63, 26, 3,  10, 5,  14, 7,  4,  1,  19, 17, 3,  6,   20};
// What a byte that reads as anything but a Russian letter costs.
constexpr int kNotALetter = -40;

int WeightOf(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'ё' || u == u'Ё') return kLetterWeight[5];
  if (u >= u'а' && u <= u'я') return kLetterWeight[u - u'а'];
  if (u >= u'А' && u <= u'Я') return kLetterWeight[u - u'А'];
  return kNotALetter;
}

// The weight of every byte above 0x7F as read in the page, tallied once per
// byte value.
int Score(const std::array<int, 128>& counts, CodePage page) {
  int score = 0;
  for (int b = 0; b < 128; ++b) {
    if (counts[b] == 0) continue;
    const char byte = static_cast<char>(b + 0x80);
    score += counts[b] * WeightOf(DecodeCell(std::string_view(&byte, 1), page)[0]);
  }
  return score;
}

}  // namespace

std::optional<CodePage> GuessRussianPage(std::string_view text) {
  std::array<int, 128> counts{};
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80) ++counts[u - 0x80];
  }
  const int dos = Score(counts, CodePage::Dos866);
  const int windows = Score(counts, CodePage::Windows1251);
  if (dos <= 0 && windows <= 0) return std::nullopt;
  if (dos == windows) return std::nullopt;
  return dos > windows ? CodePage::Dos866 : CodePage::Windows1251;
}

}  // namespace ui
