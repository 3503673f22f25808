// Hands a finished report file to the word processor: a new document on the
// empty template "zero_fil.txt" in the program's exchange folder, the
// report's lines inserted one by one, then shown to the user.
#pragma once

#include <string>

namespace ui {
class FileServices;
}

namespace office {

struct OfficeSession;
class TextPage;

// The template's path: the exchange folder + "zero_fil.txt".
std::string WordTemplatePath(const std::string& exchangeFolder);

// Replaces the session's word processor with a new one and fills it; the
// report's lines are in the code page `page`. The template is written
// through `files`. Automation failures throw AutomationError, file failures
// std::system_error.
void HandReportToWord(ui::FileServices& files, const std::string& reportPath, OfficeSession& session,
                      const TextPage& page);

}  // namespace office
