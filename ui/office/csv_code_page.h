// A single-byte code page as UTF-8 text, both ways, from a table of what
// each byte reads as. The window layer builds the table from the code page
// the grid draws; this side never needs to know which page it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace csv {

// True when the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

class ByteText {
 public:
  // `characters[b]`: byte b as UTF-8 text; U+FFFD for a byte the page leaves undefined.
  explicit ByteText(const std::array<std::string, 256>& characters);
  // Bytes that are UTF-8 already (a table in the system's own UTF-8 page).
  static ByteText Utf8();

  // Appends the bytes as UTF-8.
  void AppendDecoded(std::string& out, std::string_view bytes) const;
  std::string Decoded(std::string_view bytes) const;

  // How many bytes the UTF-8 text takes in the page.
  size_t EncodedSize(std::string_view utf8) const;

  // Appends the UTF-8 text as bytes of the page; false, with `refused` set
  // to the first character the page lacks, when one is missing (what was
  // appended before it stays).
  bool AppendEncoded(std::string& out, std::string_view utf8, std::string& refused) const;

 private:
  ByteText() = default;
  bool utf8_ = false;
  std::array<std::string, 256> characters_;
  std::unordered_map<uint32_t, char> bytes_;  // a character's UTF-8 bytes, packed, to its byte
  std::array<int16_t, 128> ascii_{};          // the byte of each ASCII character, -1 for none
  std::array<bool, 256> plain_{};              // the byte reads as the ASCII character of its number
};

}  // namespace csv
