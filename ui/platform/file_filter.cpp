#include "file_filter.h"

namespace ui {

std::vector<FilterEntry> ParseFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  std::vector<FilterEntry> entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty() && parts[i + 1].isEmpty()) continue;
    entries.push_back({parts[i], parts[i + 1]});
  }
  return entries;
}

QStringList QtNameFilters(const std::vector<FilterEntry>& entries) {
  QStringList filters;
  for (const FilterEntry& e : entries) {
    QStringList patterns = e.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    }
    filters << QStringLiteral("%1 (%2)").arg(e.name, patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

}  // namespace ui
