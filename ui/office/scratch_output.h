// The files the office libraries write themselves (a workbook, a document)
// and the copies of spreadsheet files: the library writes under a scratch
// name in the output's folder, and the bytes are then copied into the output
// through the file system every write of the program goes through, so that
// a failure of any of those writes is the program's own to report (and a
// test can fail any of them).
#pragma once

#include "dbf_file_system.h"

#include <string>

namespace office {

// Copies every byte of the file `from` into the file `to`, made empty for
// them, writing through `files`. When that fails, `to` is removed and
// AutomationError gives the system's text, naming `from` when it cannot be
// opened, else `to`.
void CopyInto(dbf::FileSystem& files, const std::string& from, const std::string& to);

class ScratchOutput {
 public:
  // Reserves a fresh scratch name beside `output`, an empty file of the
  // user's alone; throws AutomationError when it cannot.
  ScratchOutput(dbf::FileSystem& files, std::string output);
  // The scratch file goes.
  ~ScratchOutput();
  ScratchOutput(const ScratchOutput&) = delete;
  ScratchOutput& operator=(const ScratchOutput&) = delete;

  // Where the library writes.
  const std::string& Scratch() const { return scratch_; }
  // Copies what was written into the output (CopyInto).
  void Place() const { CopyInto(files_, scratch_, output_); }

 private:
  dbf::FileSystem& files_;
  std::string output_;
  std::string scratch_;
};

}  // namespace office
