// A fixture with a fresh engine, a temporary folder and reporters that let a
// test observe engine errors and messages instead of ending the process.
#pragma once

#include "dbf2_lib.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = dir.Path(name);
    testsupport::WriteFile(path, bytes);
    return path;
  }

  std::string Write(const std::string& name, const testsupport::TableLayout& layout) {
    return Write(name, testsupport::TableBytes(layout));
  }

  testsupport::TempDir dir;
  dbf::Dbf2_lib db;
  std::vector<int> reportedCodes;
  std::string reportedMessage;
  std::vector<std::string> messages;
};

// Three fields of lengths 10, 8 (2 decimals) and 1.
inline std::vector<testsupport::FieldSpec> PeopleFields() {
  return {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};
}
