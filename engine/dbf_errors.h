// How the engine reports: fatal numbered errors, plain messages to the user,
// and input/output failures.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace dbf {

// Thrown by DbfError after every slot is closed and the reporter has seen the
// message. The program's reporter ends the process before this is thrown;
// tests install one that returns, and catch it.
struct DbfAbort {
  int code;
  std::string message;
};

// An input/output failure inside an operation; what() carries the system's text.
class IoError : public std::system_error {
 public:
  IoError(int err, const std::string& what) : std::system_error(err, std::generic_category(), what) {}
};

// Thrown when the caller's step report asks a long operation to stop. What
// the operation wrote so far stays as it is; the caller puts it right.
struct Stopped {};

// Told how far a long operation has come (done of total, in any unit the
// operation picks); returns false to stop it.
using StepReport = std::function<bool(int64_t done, int64_t total)>;

using FatalReporter = std::function<void(int code, const std::string& message)>;
using MessageReporter = std::function<void(const std::string& message)>;

// Installs the reporters; an empty function restores the default, which
// writes to standard error.
void SetFatalReporter(FatalReporter reporter);
void SetMessageReporter(MessageReporter reporter);

void ReportFatal(int code, const std::string& message);
void ReportMessage(const std::string& message);

}  // namespace dbf
