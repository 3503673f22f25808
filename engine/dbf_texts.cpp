#include "dbf_texts.h"

#include <vector>

namespace dbf {
namespace {

TextTranslator& Translator() {
  static TextTranslator translator;
  return translator;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) { Translator() = std::move(translator); }

std::string Tr(const char* context, const char* source) {
  return Translator() ? Translator()(context, source) : std::string(source);
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> values(args);
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < values.size()) {
        text += values[n];
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

}  // namespace dbf
