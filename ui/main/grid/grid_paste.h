// Ctrl+V in the record grid: a block of tab-separated lines (what
// spreadsheets and the grid's own Ctrl+C put on the clipboard) goes into the
// cells from the current one on, right and down. Each cell is checked as
// typed text is (the code page drawn, then the field's type and width); the
// cells refused keep their text and are named in one message, the others
// take theirs. Lines below the last row are pasted only when the user agrees
// to add rows for them ("Вставить строки"); cells right of the last field
// are refused. The whole paste is one step of the grid's edit history.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct TableContext;

// The clipboard's text as lines of cells; a last empty line is no row.
std::vector<QStringList> ClipboardBlock(const QString& text);

void PasteBlock(const TableContext& context, const QString& text);
