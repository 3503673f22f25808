#include "char_table.h"

#include "int_text.h"

#include <cstring>

namespace rawview {

namespace {

// Decimal without blanks and without leading zeros, 0 .. 255.
std::optional<uint8_t> BareCode(std::string_view t) {
  if (t.empty() || t.size() > 3 || (t.size() > 1 && t[0] == '0')) return std::nullopt;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v > 255) return std::nullopt;
  return static_cast<uint8_t>(v);
}

// Exactly three characters: blanks, then a bare code.
std::optional<uint8_t> PaddedCode(std::string_view t) {
  if (t.size() != 3) return std::nullopt;
  size_t blanks = 0;
  while (blanks < 2 && t[blanks] == ' ') ++blanks;
  return BareCode(t.substr(blanks));
}

}  // namespace

void CharTable::SetRowCount(int64_t rows) {
  if (rows < 0) rows = 0;
  if (rows < rows_) {
    const int64_t limit = rows * kCodesPerRow;
    std::erase_if(texts_, [limit](const auto& kv) { return kv.first > limit; });
  }
  codes_.resize(static_cast<size_t>(rows) * kCodesPerRow, 0);
  states_.resize(static_cast<size_t>(rows), 0);
  rows_ = rows;
}

CharTable::State CharTable::StateOf(int64_t index) const {
  const int64_t i0 = index - 1;
  return static_cast<State>((states_[i0 / kCodesPerRow] >> (2 * (i0 % kCodesPerRow))) & 3u);
}

void CharTable::SetState(int64_t index, State s) {
  const int64_t i0 = index - 1;
  uint32_t& word = states_[i0 / kCodesPerRow];
  const int shift = 2 * static_cast<int>(i0 % kCodesPerRow);
  if (((word >> shift) & 3u) == kText && s != kText) texts_.erase(index);
  word = (word & ~(3u << shift)) | (static_cast<uint32_t>(s) << shift);
}

std::string CharTable::Text(int64_t index) const {
  const uint8_t code = codes_[index - 1];
  switch (StateOf(index)) {
    case kEmpty: return {};
    case kPadded: return ui::RightAligned(code, 3);
    case kBare: return std::to_string(code);
    case kText: return texts_.at(index);
  }
  return {};
}

bool CharTable::IsEmpty(int64_t index) const { return StateOf(index) == kEmpty; }

void CharTable::SetText(int64_t index, std::string_view text) {
  if (text.empty()) return SetEmpty(index);
  if (auto c = BareCode(text)) return SetCode(index, *c, false);
  if (auto c = PaddedCode(text)) return SetCode(index, *c, true);
  SetState(index, kText);
  texts_[index] = std::string(text);
}

void CharTable::SetCode(int64_t index, uint8_t code, bool padded) {
  codes_[index - 1] = code;
  SetState(index, padded ? kPadded : kBare);
}

void CharTable::SetEmpty(int64_t index) { SetState(index, kEmpty); }

void CharTable::MoveTrimmed(int64_t from, int64_t to) {
  switch (StateOf(from)) {
    case kEmpty: return SetEmpty(to);
    case kPadded:
    case kBare: return SetCode(to, codes_[from - 1], false);
    case kText: return SetText(to, ui::Trim(texts_.at(from)));
  }
}

std::optional<int32_t> CharTable::Value(int64_t index, size_t maxChars) const {
  switch (StateOf(index)) {
    case kEmpty: return std::nullopt;
    case kPadded:
    case kBare: return codes_[index - 1];
    case kText: return ui::StrToInt(ui::Trim(texts_.at(index)).substr(0, maxChars));
  }
  return std::nullopt;
}

std::optional<uint8_t> CharTable::Code(int64_t index) const {
  const auto v = Value(index);
  if (!v || *v < 0 || *v > 255) return std::nullopt;
  return static_cast<uint8_t>(*v);
}

void CharTable::SetLoadedRow(int64_t row, const uint8_t* bytes, int n) {
  const size_t first = static_cast<size_t>(row - 1) * kCodesPerRow;
  for (int k = 0; k < kCodesPerRow; ++k) {
    if (((states_[row - 1] >> (2 * k)) & 3u) == kText) texts_.erase(first + k + 1);
  }
  std::memcpy(&codes_[first], bytes, static_cast<size_t>(n));
  // kPadded in the first n two-bit slots, kEmpty after them.
  states_[row - 1] = n >= kCodesPerRow ? 0x55555555u : (0x55555555u & ((1u << (2 * n)) - 1));
}

std::string CharTable::RowChars(int64_t row) const {
  std::string s;
  for (int k = 1; k <= kCodesPerRow; ++k) {
    const int64_t index = CharIndex(row, k);
    if (IsEmpty(index)) continue;
    const auto code = Code(index);
    s += code ? ShownChar(*code) : '\x7f';
  }
  return s;
}

}  // namespace rawview
