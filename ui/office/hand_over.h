// What the program hands to the desktop's office programs: the workbooks and
// documents it writes and the spreadsheets the user opens, each only when its
// content is the kind of file its name says. A web page, a picture, a script
// or a package of another kind given a spreadsheet's name stays here, so the
// desktop never picks a program for it by its disguise.
#pragma once

#include <string>

namespace ui {
class FileLauncher;
}

namespace office {

// Whether the content is what the extension (in any case) names: ".xlsx" an
// Office Open XML workbook and ".docx" a document (neither with macros),
// ".ods" an OpenDocument spreadsheet, ".xls" a compound file or plain text,
// ".csv", ".tsv", ".txt" and no extension plain text. Plain text has no
// markup, no script line and no control characters but line ends, tabs and
// page breaks. Any other name is refused.
bool HoldsWhatItsNameSays(const std::string& path);

// The message for a file whose content is not what its name says.
std::string NotWhatItsNameSays(const std::string& path);

// Hands the file to the launcher once it holds what its name says. Throws
// AutomationError when it does not, or when no program opens it.
void HandOver(ui::FileLauncher& launcher, const std::string& path);

}  // namespace office
