// The memo cells of the record grid as a person meets them: a double-click
// shows the memo's whole text in a read-only window; typing into a memo
// cell is refused with a message, as memo texts are only viewed.
#pragma once

#include "table_context.h"

class TMemoView {
 public:
  // Hooks the record grid's double-clicks and the typing it refuses.
  explicit TMemoView(const TableContext& context);

  void StringGrid1DblClick(int row, int col);
  void StringGrid1LockedTyped(int col);

 private:
  const TableContext& context_;
};
