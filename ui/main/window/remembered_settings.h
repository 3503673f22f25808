// What the program keeps between runs, in the user's settings (QSettings
// under the application's organization and name): the tables opened last,
// the main window's geometry, the grid's font, and the code page and column
// widths the user chose for each table. Paths are kept as their bytes,
// whatever encoding the file system uses. What is read back is bounded: no
// more entries than are kept, and an entry out of range (a path longer than
// any, an unknown code page, a font size the font dialog does not offer) is
// dropped.
#pragma once

#include "code_page.h"

#include <QByteArray>
#include <QFont>

#include <optional>
#include <string>
#include <vector>

class RememberedSettings {
 public:
  static constexpr size_t kRecentTables = 10;
  static constexpr size_t kRememberedPages = 200;
  // The grid's font sizes, in points.
  static constexpr int kSmallestFont = 2;
  static constexpr int kLargestFont = 26;

  // The tables opened last, the latest first.
  std::vector<std::string> RecentTables() const;
  // Puts `path` first among the recent tables (once), keeping kRecentTables.
  void AddRecentTable(const std::string& path);
  void RemoveRecentTable(const std::string& path);

  // The code page the user chose for the table at `path`, if any. The
  // latest kRememberedPages choices are kept.
  std::optional<ui::CodePage> PageOf(const std::string& path) const;
  void SetPageOf(const std::string& path, ui::CodePage page);

  // The record grid's column widths the user set for the table at `path`
  // (column 0 first), when `columns` of them were kept; else none. The
  // latest kRememberedPages tables are kept.
  std::vector<int> ColumnWidthsOf(const std::string& path, size_t columns) const;
  void SetColumnWidthsOf(const std::string& path, const std::vector<int>& widths);

  std::optional<QFont> GridFont() const;
  void SetGridFont(const QFont& font);

  QByteArray WindowGeometry() const;
  void SetWindowGeometry(const QByteArray& geometry);

  // Forgets everything kept.
  static void Clear();
};
