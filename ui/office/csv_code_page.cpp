#include "csv_code_page.h"

#include <algorithm>

namespace csv {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence that starts at `at`, or 0 when none does.
size_t SequenceLength(std::string_view s, size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  size_t n;
  uint32_t code;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (at + n > s.size()) return 0;
  for (size_t i = 1; i < n; ++i) {
    const auto c = static_cast<unsigned char>(s[at + i]);
    if ((c & 0xC0) != 0x80) return 0;
    code = (code << 6) | (c & 0x3F);
  }
  const bool overlong = (n == 3 && code < 0x800) || (n == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return overlong || surrogate || code > 0x10FFFF ? 0 : n;
}

uint32_t Packed(std::string_view sequence) {
  uint32_t key = 0;
  for (char c : sequence) key = (key << 8) | static_cast<unsigned char>(c);
  return key;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t n = SequenceLength(bytes, at);
    if (n == 0) return false;
    at += n;
  }
  return true;
}

ByteText::ByteText(const std::array<std::string, 256>& characters) : characters_(characters) {
  ascii_.fill(-1);
  // The first byte that reads as a character is the one it is written as.
  for (int b = 255; b >= 0; --b) {
    const std::string& c = characters_[static_cast<size_t>(b)];
    if (c.empty() || c.size() > 4 || c == kReplacement) continue;
    bytes_[Packed(c)] = static_cast<char>(b);
    if (c.size() == 1 && static_cast<unsigned char>(c[0]) < 0x80) ascii_[static_cast<size_t>(c[0])] = static_cast<int16_t>(b);
  }
  for (int b = 0; b < 0x80; ++b) plain_[static_cast<size_t>(b)] = characters_[static_cast<size_t>(b)] == std::string(1, static_cast<char>(b));
}

ByteText ByteText::Utf8() {
  ByteText text;
  text.utf8_ = true;
  return text;
}

void ByteText::AppendDecoded(std::string& out, std::string_view bytes) const {
  if (utf8_) {
    out += bytes;
    return;
  }
  // Runs of bytes that read as themselves go in at once.
  for (size_t at = 0; at < bytes.size();) {
    size_t end = at;
    while (end < bytes.size() && plain_[static_cast<unsigned char>(bytes[end])]) ++end;
    out.append(bytes.data() + at, end - at);
    if (end < bytes.size()) out += characters_[static_cast<unsigned char>(bytes[end++])];
    at = end;
  }
}

std::string ByteText::Decoded(std::string_view bytes) const {
  std::string out;
  AppendDecoded(out, bytes);
  return out;
}

size_t ByteText::EncodedSize(std::string_view utf8) const {
  if (utf8_) return utf8.size();
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool ByteText::AppendEncoded(std::string& out, std::string_view utf8, std::string& refused) const {
  if (utf8_) {
    out += utf8;
    return true;
  }
  for (size_t at = 0; at < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[at]);
    if (c < 0x80 && ascii_[c] >= 0) {
      out += static_cast<char>(ascii_[c]);
      ++at;
      continue;
    }
    const size_t n = std::max<size_t>(1, SequenceLength(utf8, at));
    const auto found = bytes_.find(Packed(utf8.substr(at, n)));
    if (found == bytes_.end()) {
      refused = std::string(utf8.substr(at, n));
      return false;
    }
    out += found->second;
    at += n;
  }
  return true;
}

}  // namespace csv
