// Checks a command makes before it writes a table file, each telling the
// user why nothing is written when it fails.
#pragma once

#include <string>

class TForm2;
namespace ui {
class DialogService;
}

// True when TablePath leads to the file the grid's rows were loaded from:
// the grid's rows and record numbers belong to no other file.
bool GridRowsFromTable(TForm2& form);

// True when the file opens for reading and writing and begins with a table
// header the engine accepts, so that opening it cannot end the program.
bool UsableTable(ui::DialogService& dialogs, const std::string& path);

// Both checks above for TablePath: the grid's rows may be written into it.
bool GridTableWritable(TForm2& form);

// True when both names lead to one file: the same name in other letter case
// (as the user reads names), another spelling of it or a link to it. Shows
// "Совпадение имен исходного и выходного файлов!" when they do.
bool SameTableFile(ui::DialogService& dialogs, const std::string& a, const std::string& b);

// The message for a table file that cannot be opened for reading and writing.
std::string CannotOpenMessage(const std::string& path);
