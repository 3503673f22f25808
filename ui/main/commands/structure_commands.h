// The "Structure file" and "Create File" commands of the main window that
// have no task panel of their own: a new table without fields, a structure
// copy, and opening the delete-field dialog.
#pragma once

#include "table_context.h"

#include <QObject>

#include <memory>

class TCreat_FForm;
class TNewFieldPanel;

class TStructureCommands : public QObject {
 public:
  // `panel8` is the new-field panel "Create File" opens on the new table.
  TStructureCommands(const TableContext& context, TNewFieldPanel& panel8);
  ~TStructureCommands() override;

  void CreateFile1Click();          // "Create File"
  void CopyStructurefile1Click();   // "Copy Structure file"
  void Deletedfield1Click();        // "Deleted field "

  // The delete-field dialog, created hidden with the window.
  std::unique_ptr<TCreat_FForm> Creat_FForm;

 private:
  const TableContext context_;
  TNewFieldPanel& Panel8;
};
