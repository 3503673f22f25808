// The files that go with a table: its memo file goes with every copy the
// program makes of the table, and index files kept by other programs are
// named before the program first changes the table.
#pragma once

#include <set>
#include <string>

namespace ui {
class DialogService;
class FileServices;
}

// Writes the memo file of the table at `table`, when it has one, beside the
// copy at `copy` as a file of the copy's name, byte for byte (the copy's
// records keep their block numbers). A file of that name is replaced only
// once the new one is complete. Writes through `files`.
void CopyMemoFile(ui::FileServices& files, const std::string& table, const std::string& copy);

// Before the first change of a table (a file that opens as one) in this run
// of the program: names its index files, which the change leaves out of date, and asks whether to go
// on. Stopping throws dbf::Stopped, before anything is written.
class IndexNotice {
 public:
  explicit IndexNotice(ui::DialogService& dialogs) : dialogs_(dialogs) {}
  void BeforeChange(const std::string& path);

 private:
  ui::DialogService& dialogs_;
  std::set<std::string> told_;  // the tables named already
};
