// Field values of the record in a slot's buffer, as text and as numbers.
// A field whose bytes lie partly outside the record (junk offsets in old
// files) reads blanks there and writes nothing there.
#include "dbf2_lib.h"

#include "dbf_field_text.h"
#include "dbf_number.h"

#include <algorithm>
#include <cstring>

namespace dbf {

namespace {

std::string WantedName(const std::string& name, uint16_t number) {
  std::string wanted = name;
  if (!wanted.empty() && wanted.back() == '#') {
    wanted.pop_back();
    wanted += std::to_string(number);
  }
  return wanted;
}

}  // namespace

const FieldNode* Dbf2_lib::DbfFieldNamed(uint16_t slot, const std::string& name,
                                         uint16_t number) const {
  const std::string wanted = WantedName(name, number);
  std::array<char, 10> key{};
  std::copy_n(wanted.begin(), std::min(wanted.size(), key.size()), key.begin());
  const Slot* s = Find(slot);
  if (!s) return nullptr;
  for (const FieldNode& f : s->fields) {
    if (f.name[0] == key[0] && f.name == key) return &f;  // the first byte settles most misses cheaply
  }
  return nullptr;
}

void Dbf2_lib::DbfFindField(uint16_t slot, const std::string& name, uint16_t number) {
  if (const FieldNode* f = DbfFieldNamed(slot, name, number)) {
    currentField_ = {f->type, f->offset, f->length, f->decimals};
    return;
  }
  currentSlot_ = slot;
  DbfError(2, WantedName(name, number).substr(0, 10));
}

Dbf2_lib::FieldSpan Dbf2_lib::FieldBytes(Slot& s, uint16_t slot, const std::string& name,
                                          uint16_t number) {
  DbfFindField(slot, name, number);
  currentSlot_ = slot;
  // Buffer byte i holds record byte i + 1; the last buffer byte is spare.
  int64_t start = static_cast<int64_t>(currentField_.offset) - 1;
  int64_t end = start + currentField_.length;
  int64_t limit = static_cast<int64_t>(s.recordLength) - 1;
  FieldSpan span;
  span.fieldStart = start;
  int64_t begin = std::clamp<int64_t>(start, 0, limit);
  int64_t stop = std::clamp<int64_t>(end, 0, limit);
  span.begin = static_cast<size_t>(begin);
  span.size = static_cast<size_t>(stop - begin);
  return span;
}

namespace {

// The field's full width of text, blanks where it lies outside the record.
std::string PaddedFieldText(const std::vector<char>& buffer, int64_t fieldStart, size_t begin,
                      size_t size, size_t length) {
  std::string text(length, ' ');
  if (size > 0) std::memcpy(&text[begin - fieldStart], buffer.data() + begin, size);
  return text;
}

}  // namespace

std::string Dbf2_lib::DbfGetStr(uint16_t slot, const std::string& name, uint16_t number) {
  Slot& s = Opened(slot, 11);
  DbfFindField(slot, name, number);
  currentSlot_ = slot;
  std::string scratch;
  return std::string(FieldText(s.buffer.data(), s.recordLength - 1, currentField_.offset,
                               currentField_.length, scratch));
}

void Dbf2_lib::PutFieldText(Slot& s, const FieldSpan& f, const std::string& text) {
  char* bytes = s.buffer.data() + f.begin;
  std::fill_n(bytes, f.size, ' ');
  // Character k of the text belongs at field byte k; keep those inside the record.
  int64_t skip = static_cast<int64_t>(f.begin) - f.fieldStart;
  for (size_t i = 0; i < f.size; ++i) {
    size_t k = static_cast<size_t>(skip) + i;
    if (k >= text.size()) break;
    bytes[i] = text[k];
  }
}

void Dbf2_lib::DbfPutStr(uint16_t slot, const std::string& text, const std::string& name,
                         uint16_t number) {
  Slot& s = Opened(slot, 11);
  FieldSpan f = FieldBytes(s, slot, name, number);
  PutFieldText(s, f, text);
}

double Dbf2_lib::DbfGetNum(uint16_t slot, const std::string& name, uint16_t number) {
  Slot& s = Opened(slot, 11);
  FieldSpan f = FieldBytes(s, slot, name, number);
  if (!IsNumericType(currentField_.type)) DbfError(3);
  return ParseFieldNumber(PaddedFieldText(s.buffer, f.fieldStart, f.begin, f.size, currentField_.length));
}

void Dbf2_lib::DbfPutNum(uint16_t slot, double value, const std::string& name, uint16_t number) {
  Slot& s = Opened(slot, 11);
  FieldSpan f = FieldBytes(s, slot, name, number);
  if (!IsNumericType(currentField_.type)) DbfError(3);
  PutFieldText(s, f, FormatFieldNumber(value, currentField_.length, currentField_.decimals));
}

}  // namespace dbf
