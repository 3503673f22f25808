#include "csv_text.h"

#include "dbf_texts.h"

namespace csv {

namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n'; }

std::string_view WithoutMark(std::string_view text) {
  return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? text.substr(kByteOrderMark.size()) : text;
}

}  // namespace

void AppendField(std::string& out, std::string_view text, std::string_view separators) {
  if (text.find_first_of(separators) == std::string_view::npos &&
      text.find_first_of("\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

char SeparatorOf(std::string_view text) {
  text = WithoutMark(text);
  size_t at = text.find_first_not_of("\r\n");
  int commas = 0, semicolons = 0;
  bool quoted = false;
  for (; at < text.size() && (quoted || !EndsLine(text[at])); ++at) {
    const char c = text[at];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      commas += c == ',';
      semicolons += c == ';';
    }
  }
  return semicolons > commas ? ';' : ',';
}

Reader::Reader(std::string_view text, char separator)
    : text_(text), stops_{separator, '\r', '\n'}, at_(text.size() - WithoutMark(text).size()) {}

bool Reader::Next(std::vector<std::string>& fields) {
  while (at_ < text_.size() && EndsLine(text_[at_])) ++at_;  // empty lines
  if (at_ >= text_.size()) return false;
  ++row_;
  size_t count = 0;
  auto field = [&]() -> std::string& {
    if (fields.size() <= count) fields.emplace_back();
    std::string& f = fields[count++];
    f.clear();
    return f;
  };
  std::string* current = &field();
  bool quoted = false;
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (quoted) {
      const size_t quote = text_.find('"', at_);
      if (quote == std::string_view::npos) break;
      current->append(text_.substr(at_, quote - at_));
      at_ = quote + 1;
      if (at_ < text_.size() && text_[at_] == '"') {
        *current += '"';
        ++at_;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == stops_[0]) {
      current = &field();
      ++at_;
    } else if (EndsLine(c)) {
      at_ += c == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n' ? 2 : 1;
      fields.resize(count);
      return true;
    } else if (c == '"' && current->empty()) {
      quoted = true;
      ++at_;
    } else {
      // Plain text up to the next separator or line end; a quote inside
      // an unquoted field (or after a closing one) is taken as it stands.
      const size_t end = text_.find_first_of(std::string_view(stops_, sizeof stops_), at_ + 1);
      const size_t stop = end == std::string_view::npos ? text_.size() : end;
      current->append(text_.substr(at_, stop - at_));
      at_ = stop;
    }
  }
  if (quoted) throw ParseError(row_, dbf::Tr("CsvText", "кавычка не закрыта"));
  fields.resize(count);
  return true;
}

}  // namespace csv
