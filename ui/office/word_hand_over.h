// Hands a finished report file to the word processor: a new document on the
// empty template "zero_fil.txt" beside the report, the report's lines
// inserted one by one, then shown to the user.
#pragma once

#include <string>

namespace office {

struct OfficeSession;

// The template's path: the report file's folder + "zero_fil.txt".
std::string WordTemplatePath(const std::string& reportPath);

// Replaces the session's word processor with a new one and fills it.
// Automation failures throw AutomationError, file failures dbf::IoError.
void HandReportToWord(const std::string& reportPath, OfficeSession& session);

}  // namespace office
