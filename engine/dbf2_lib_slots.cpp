// Slots: binding names, opening and closing tables, and the engine's errors.
#include "dbf2_lib.h"
#include "cyrillic_pages.h"

#include "dbf_header.h"
#include "dbf_texts.h"

#include <cerrno>
#include <cstdio>

namespace dbf {

std::string FieldNode::Name() const {
  size_t n = 0;
  while (n < name.size() && name[n] != 0) ++n;
  return std::string(name.data(), n);
}

std::string FieldNode::LookupName() const {
  std::string lookup(name.data(), name.size());
  lookup.push_back('\0');
  return lookup;
}

Dbf2_lib::Dbf2_lib(FileSystem& files) : files_(files) {
  for (Slot& s : slots_) s.table.File().WriteThrough(files);
}

Dbf2_lib::~Dbf2_lib() {
  for (auto& s : slots_) CloseQuietly(s);
}

void Dbf2_lib::Step(int64_t done, int64_t total) const {
  if (stepReport_ && !stepReport_(done, total)) throw Stopped{};
}

void Dbf2_lib::CloseQuietly(Slot& s) {
  if (!s.open) return;
  s.open = false;
  s.buffer.clear();
  s.table.CloseQuietly();
}

size_t Dbf2_lib::DosToWin(std::string& text) { return ConvertDosToWin(text); }

size_t Dbf2_lib::WinToDos(std::string& text) { return ConvertWinToDos(text); }

void Dbf2_lib::RecordHook(uint16_t) {}

Dbf2_lib::Slot& Dbf2_lib::At(uint16_t slot) {
  currentSlot_ = slot;
  if (slot < 1 || slot > kSlotCount) DbfError(4);
  return slots_[slot - 1];
}

const Dbf2_lib::Slot* Dbf2_lib::Find(uint16_t slot) const {
  if (slot < 1 || slot > kSlotCount) return nullptr;
  return &slots_[slot - 1];
}

Dbf2_lib::Slot& Dbf2_lib::Opened(uint16_t slot, uint8_t code) {
  currentSlot_ = slot;
  if (slot < 1 || slot > kSlotCount || !slots_[slot - 1].open) DbfError(code);
  return slots_[slot - 1];
}

void Dbf2_lib::DbfAssign(uint16_t slot, const std::string& fileName) {
  Slot& s = At(slot);
  // An open slot is closed first, so its handle and its name never disagree.
  if (s.open) DbfClose(slot);
  s.status = kStatusDone;
  s.fileName = fileName;
}

void Dbf2_lib::DbfOpen(uint16_t slot, const std::string& fileName) {
  At(slot).fileName = fileName;
  OpenBound(slot, false, Access::Write);
}

void Dbf2_lib::DbfOpenForReading(uint16_t slot, const std::string& fileName) {
  At(slot).fileName = fileName;
  OpenBound(slot, false, Access::Read);
}

void Dbf2_lib::DbfReopen(uint16_t slot, Access access) { OpenBound(slot, true, access); }

void Dbf2_lib::OpenBound(uint16_t slot, bool namesAsStored, Access access) {
  Slot& s = At(slot);
  if (s.open) DbfClose(slot);
  currentSlot_ = slot;
  s.fields.clear();
  s.buffer.clear();
  s.gatherWrites = false;
  s.status = kStatusOpenFailed;
  try {
    s.table.Open(s.fileName, access);
  } catch (const TableError& e) {
    if (e.code == kNotATable) DbfError(13);
    errno = e.errorNumber;  // for callers that tell the reason
    return;
  }
  const HeaderInfo& info = s.table.Header();
  const int64_t size = s.table.File().Size();
  s.status = kStatusDone;
  s.headerSize = info.headerSize;
  s.recordLength = info.recordLength;
  s.fieldCount = info.fieldCount;
  s.storedCount = info.recordCount;
  s.open = true;
  s.buffer.assign(s.recordLength, ' ');
  LoadFields(s, info, namesAsStored);

  s.position = s.headerSize;
  s.recNo = 1;
  if (size - s.headerSize <= 1) {
    s.status = kStatusEof;
    return;
  }
  DbfRead(slot);
}

void Dbf2_lib::LoadFields(Slot& s, const HeaderInfo& info, bool namesAsStored) {
  s.fields.assign(s.fieldCount, FieldNode{});
  uint32_t running = 1;
  for (int i = 0; i < s.fieldCount; ++i) {
    const char* d = info.descriptors.data() + static_cast<size_t>(i) * kDescriptorSize;
    FieldNode& f = s.fields[i];
    for (size_t k = 0; k < f.name.size(); ++k) {
      f.name[k] = d[k];
      if (!namesAsStored && d[k] == 0) break;
    }
    f.type = d[11];
    uint32_t stored = GetU32(d + 12);
    f.offset = stored != 0 ? stored : running;
    f.length = DescriptorLength(d, info.wideCharLengths);
    f.decimals = DescriptorDecimals(d, info.wideCharLengths);
    running += f.length;
  }
  for (int i = 0; i + 1 < s.fieldCount; ++i) s.fields[i].next = &s.fields[i + 1];
}

void Dbf2_lib::DbfClose(uint16_t slot) {
  Slot& s = At(slot);
  s.status = kStatusDone;
  if (!s.open) return;
  // Mark the slot closed first, so that a failing write cannot leave it
  // half open for the close-all of an engine error.
  s.open = false;
  s.buffer.clear();
  s.table.Close();
}

void Dbf2_lib::DbfCloseAll() {
  for (int i = 1; i <= kSlotCount; ++i) {
    if (slots_[i - 1].open) DbfClose(static_cast<uint16_t>(i));
  }
}

namespace {

// %1 is the slot's number, %2 the text given with the error, %3 its code.
const char* ErrorPattern(uint8_t code) {
  switch (code) {
    case 2: return DBF_TR_NOOP("Dbf2_lib", " Ошибка  2 - неверно описание поля %2 файла DBF ");
    case 3: return DBF_TR_NOOP("Dbf2_lib", " Ошибка  3 - ТИП поля файла DBF  не числовой ");
    case 4: return DBF_TR_NOOP("Dbf2_lib", " Ошибка 4 : Файл N %1 не открыт  ");
    case 6: return DBF_TR_NOOP("Dbf2_lib", " Ошибка 6 : Файл N %1 не обнаружен  ");
    case 7: return DBF_TR_NOOP("Dbf2_lib", " Ошибка 7 : Тип при созании %1-го Файла указан не верно. ");
    case 8: return DBF_TR_NOOP("Dbf2_lib", "Ошибка 8 - DbfSkipEof : Файл N %1 не открыт  ");
    case 9: return DBF_TR_NOOP("Dbf2_lib", "Ошибка 9 - DbfSkipBof : Файл N %1 не открыт  ");
    case 10: return DBF_TR_NOOP("Dbf2_lib", "Ошибка 10 - DbfRead : Файл N %1 не открыт  ");
    case 11: return DBF_TR_NOOP("Dbf2_lib", "Ошибка 11 - DbfWrite : Файл N %1 не открыт  ");
    case 13: return DBF_TR_NOOP("Dbf2_lib", "Ошибка 13 - DbfOpen : Файл N %1 не типа DBF ");
    default: return DBF_TR_NOOP("Dbf2_lib", "Ошибка %3 %2");
  }
}

}  // namespace

void Dbf2_lib::DbfError(uint8_t code, const std::string& text) {
  char slot[16];
  std::snprintf(slot, sizeof slot, "%3u", static_cast<unsigned>(currentSlot_));
  const std::string message =
      FillText(Tr("Dbf2_lib", ErrorPattern(code)), {slot, text, std::to_string(code)});
  // Close every table so each header gets its record count; a second failure
  // while closing must not hide the error being reported.
  for (auto& s : slots_) CloseQuietly(s);
  ReportFatal(code, message);
  throw DbfAbort{code, message};
}

uint16_t Dbf2_lib::DbfStatus(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? s->status : static_cast<uint16_t>(kStatusOpenFailed);
}

bool Dbf2_lib::DbfIsOpen(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s && s->open;
}

int64_t Dbf2_lib::DbfRecNo(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? s->recNo : 0;
}

const FieldNode* Dbf2_lib::DbfFields(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s && !s->fields.empty() ? &s->fields.front() : nullptr;
}

int Dbf2_lib::DbfFieldCount(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? static_cast<int>(s->fields.size()) : 0;
}

uint16_t Dbf2_lib::DbfHeaderSize(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? s->headerSize : 0;
}

uint32_t Dbf2_lib::DbfRecordLength(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? s->recordLength : 0;
}

uint32_t Dbf2_lib::DbfStoredCount(uint16_t slot) const {
  const Slot* s = Find(slot);
  return s ? s->storedCount : 0;
}

const std::string& Dbf2_lib::DbfFileName(uint16_t slot) const {
  static const std::string none;
  const Slot* s = Find(slot);
  return s ? s->fileName : none;
}

const std::vector<char>& Dbf2_lib::DbfBuffer(uint16_t slot) const {
  static const std::vector<char> none;
  const Slot* s = Find(slot);
  return s ? s->buffer : none;
}

}  // namespace dbf
