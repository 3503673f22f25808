#include "code_points.h"

#include <iconv.h>

#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

namespace ui {

namespace {

// Asks iconv for each of the 256 bytes; all characters of the code pages used
// here lie in the Basic Multilingual Plane.
CodePoints BuildTable(const char* charset) {
  iconv_t cd = iconv_open("UTF-16LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv does not know the code page ") + charset);
  }
  CodePoints table{};
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    unsigned char out[4] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    table[b] = (done == static_cast<size_t>(-1) || outLeft != 2)
                   ? u'\uFFFD'
                   : static_cast<char16_t>(out[0] | (out[1] << 8));
  }
  iconv_close(cd);
  return table;
}

}  // namespace

const char* CharsetOf(CodePage page) {
  switch (page) {
    case CodePage::Windows1251: return "CP1251";
    case CodePage::Dos866: return "CP866";
    case CodePage::Windows1250: return "CP1250";
    case CodePage::Windows1252: return "CP1252";
    case CodePage::Dos437: return "CP437";
    case CodePage::Dos850: return "CP850";
    case CodePage::Dos852: return "CP852";
    case CodePage::SystemDefault: break;
  }
  return nullptr;
}

CodePage SingleBytePage(CodePage page) {
  return page == CodePage::SystemDefault ? CodePage::Windows1251 : page;
}

const CodePoints& CodePointsOf(CodePage page) {
  static std::mutex guard;
  static std::map<CodePage, CodePoints> tables;
  page = SingleBytePage(page);
  const std::lock_guard<std::mutex> lock(guard);
  auto found = tables.find(page);
  if (found == tables.end()) found = tables.emplace(page, BuildTable(CharsetOf(page))).first;
  return found->second;
}

}  // namespace ui
