#include "dbf_errors.h"

#include <cstdio>

namespace dbf {
namespace {

FatalReporter& Fatal() {
  static FatalReporter reporter;
  return reporter;
}

MessageReporter& Message() {
  static MessageReporter reporter;
  return reporter;
}

}  // namespace

void SetFatalReporter(FatalReporter reporter) { Fatal() = std::move(reporter); }

void SetMessageReporter(MessageReporter reporter) { Message() = std::move(reporter); }

void ReportFatal(int code, const std::string& message) {
  if (Fatal()) {
    Fatal()(code, message);
  } else {
    std::fprintf(stderr, "%s\n", message.c_str());
  }
}

void ReportMessage(const std::string& message) {
  if (Message()) {
    Message()(message);
  } else {
    std::fprintf(stderr, "%s\n", message.c_str());
  }
}

}  // namespace dbf
