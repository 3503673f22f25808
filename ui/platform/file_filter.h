// Filter lists in the "Name|pattern|Name|pattern|" form and their Qt spelling.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace ui {

struct FilterEntry {
  QString name;
  QString pattern;  // as written, e.g. "*.dbf" or "*.*"
};

// Splits the list into its entries; a trailing name without a pattern is dropped.
std::vector<FilterEntry> ParseFilter(const std::string& filter);

// One Qt name filter per entry, "Name (patterns)". "*.*" becomes "*" so that
// files without an extension are listed too, as on the system the filter
// lists were written for.
QStringList QtNameFilters(const std::vector<FilterEntry>& entries);

}  // namespace ui
