#include "table_context.h"

#include "event_guard.h"
#include "file_name.h"
#include "string_grid.h"

#include <QAbstractButton>

bool TableContext::GridShown() const { return !grid.isHidden(); }

bool TableContext::PathGiven() const { return !TrimBlanks(table.TablePath()).empty(); }

void TableContext::Hook(QAbstractButton* button, std::function<void()> handler) const {
  QObject::connect(button, &QAbstractButton::clicked, button, guard.Guarded(std::move(handler)));
}
