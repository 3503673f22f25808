// Checks a command makes before it writes a table file, each telling the
// user why nothing is written when it fails.
#pragma once

#include <string>

struct TableContext;
namespace ui {
class DialogService;
}

// True when the file opens for reading and writing and begins with a table
// header the engine accepts, so that writing into it can go ahead.
bool UsableTable(ui::DialogService& dialogs, const std::string& path);

// The grid's rows may be written into TablePath: they came from that file,
// with its field layout, and it may be written.
bool GridTableWritable(const TableContext& context);

// True when the grid shows the rows of TablePath; otherwise asks, naming
// the file, whether a command that changes it should go on.
bool TableShownOrConfirmed(const TableContext& context);

// True when both names lead to one file: the same name in other letter case
// (as the user reads names), another spelling of it or a link to it. Shows
// "Совпадение имен исходного и выходного файлов!" when they do.
bool SameTableFile(ui::DialogService& dialogs, const std::string& a, const std::string& b);
