// A fresh engine and folder; engine errors and messages are noted instead of ending the process.
#pragma once

#include "dbf2_lib.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testsupport;

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbf::SetFatalReporter([this](int code, const std::string& message) {
      reportedCodes.push_back(code);
      reportedMessage = message;
    });
    dbf::SetMessageReporter([this](const std::string& message) { messages.push_back(message); });
  }

  void TearDown() override {
    dbf::SetFatalReporter({});
    dbf::SetMessageReporter({});
  }

  // Runs f and returns the engine error it ends with; fails the test if none.
  dbf::DbfAbort Abort(const std::function<void()>& f) {
    try {
      f();
    } catch (const dbf::DbfAbort& abort) {
      return abort;
    }
    ADD_FAILURE() << "expected an engine error";
    return {-1, {}};
  }

  // Binds source to slot 1 and target to slot 2 and starts a sort of slot 1 by `key`, if given.
  void PrepareSort(const std::string& source, const std::string& target, const std::string& key = "") {
    db.DbfAssign(1, source);
    db.DbfAssign(2, target);
    db.DbfSortInit(1);
    if (!key.empty()) db.DbfSortAddKey(key, 1);
  }

  // The grid's walk over slot 1: each record's number, '*' if marked deleted, `field`'s text if named.
  std::vector<std::string> Walk(const std::string& field = "") {
    std::vector<std::string> seen;
    db.DbfTop(1);
    while (!db.DbfEof(1) && seen.size() < 100) {
      seen.push_back(std::to_string(db.DbfRecNo(1)) + (db.DbfIsDeleted(1) ? "*" : "") +
                     (field.empty() ? "" : db.DbfGetStr(1, field)));
      db.DbfSkip(1, 1);
    }
    return seen;
  }

  // The slot's fields, each as "NAME T length.decimals @offset".
  std::vector<std::string> Fields(uint16_t slot) {
    std::vector<std::string> fields;
    for (const dbf::FieldNode* f = db.DbfFields(slot); f != nullptr; f = f->next) {
      fields.push_back(f->Name() + " " + f->type + " " + std::to_string(f->length) + "." +
                       std::to_string(f->decimals) + " @" + std::to_string(f->offset));
    }
    return fields;
  }

  // The slot's record buffer after the flag (less its closing byte), from field offset `offset` on.
  std::string Buffer(uint16_t slot, uint32_t offset = 1, size_t length = std::string::npos) {
    const auto& b = db.DbfBuffer(slot);
    return std::string(b.data(), b.size() - 1).substr(offset - 1, length);
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = dir.Path(name);
    WriteFile(path, bytes);
    return path;
  }

  std::string Write(const std::string& name, const TableLayout& layout) {
    return Write(name, TableBytes(layout));
  }

  TempDir dir;
  dbf::Dbf2_lib db;
  std::vector<int> reportedCodes;
  std::string reportedMessage;
  std::vector<std::string> messages;
};

// What DbfCreate writes: version 3, date 1.1.1, no records, header size 33, record length 1.
inline const std::string kCreatedTable =
    std::string("\x03\x01\x01\x01\0\0\0\0\x21\0\x01", 11) + std::string(21, '\0') + "\x0D\x1A";

// Three fields of lengths 10, 8 (2 decimals) and 1.
inline std::vector<FieldSpec> PeopleFields() {
  return {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};
}
