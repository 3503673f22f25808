// Prints a table as the engine sees it, as JSON lines: the header and fields, then each record
// (mark, texts, numbers, memo texts). Each byte goes out as the code point of the same number,
// so a reader recovers the bytes with latin-1. Exit status 2 on an engine error.
#include "dbf2_lib.h"
#include "dbf_memo.h"

#include <cstdio>
#include <fstream>
#include <iostream>

namespace {

std::string JsonString(const std::string& bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
    out += u < 0x20 || u >= 0x7F || c == '"' || c == '\\' ? std::string(escaped) : std::string(1, c);
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// A memo field's text, read from the table's memo file.
std::string MemoJson(dbf::MemoFile& memos, const char* field, uint16_t length) {
  const std::optional<uint32_t> block = dbf::MemoBlockNumber(field, length);
  const dbf::Memo memo = block && *block ? memos.Read(*block, SIZE_MAX) : dbf::Memo{dbf::Memo::kDamaged, {}, false, 0};
  return memo.status == dbf::Memo::kText ? JsonString(memo.bytes) : "null";
}

void Dump(dbf::Dbf2_lib& db, const std::string& path) {
  std::ifstream table(path, std::ios::binary);
  std::optional<dbf::MemoFile> memos(std::in_place);
  if (!memos->Open(dbf::FindMemoFile(path), static_cast<uint8_t>(table.get()))) memos.reset();
  db.DbfOpen(1, path);
  if (!db.DbfIsOpen(1)) throw std::runtime_error("cannot open " + path);
  const int64_t count = db.DbfRecCount(1);
  std::string line = "{\"header_size\":" + std::to_string(db.DbfHeaderSize(1)) +
                     ",\"record_length\":" + std::to_string(db.DbfRecordLength(1)) +
                     ",\"count\":" + std::to_string(count) + ",\"fields\":[";
  for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) {
    if (f != db.DbfFields(1)) line += ",";
    line += "{\"name\":" + JsonString(f->Name()) + ",\"type\":" + JsonString(std::string(1, f->type)) +
            ",\"length\":" + std::to_string(f->length) + ",\"decimals\":" + std::to_string(f->decimals) + "}";
  }
  std::cout << line << "]}\n";
  // Every record, marked deleted or not, visited as the record grid visits them.
  for (db.DbfTop(1); !db.DbfEof(1); db.DbfSkip(1)) {
    std::string values, numbers, memoTexts;
    std::string record(db.DbfRecordLength(1), '\0');
    db.DbfReadRecords(1, db.DbfRecNo(1), 1, record.data());
    for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) {
      const char* comma = f == db.DbfFields(1) ? "" : ",";
      values += comma + JsonString(db.DbfGetStr(1, f->LookupName()));
      numbers += comma + (f->type == 'N' ? JsonNumber(db.DbfGetNum(1, f->LookupName())) : std::string("null"));
      if (memos && dbf::IsMemoField(f->type, f->length)) {
        memoTexts += (memoTexts.empty() ? "" : ",") + MemoJson(*memos, record.data() + f->offset, f->length);
      }
    }
    std::cout << "{\"recno\":" << db.DbfRecNo(1) << ",\"deleted\":" << (db.DbfIsDeleted(1) ? "true" : "false")
              << ",\"values\":[" << values << "],\"numbers\":[" << numbers << "],\"memos\":[" << memoTexts << "]}\n";
  }
  db.DbfCloseAll();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dbf_dump TABLE\n");
    return 1;
  }
  dbf::SetFatalReporter([](int, const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
  try {
    dbf::Dbf2_lib db;
    Dump(db, argv[1]);
  } catch (const dbf::DbfAbort&) {
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  return 0;
}
