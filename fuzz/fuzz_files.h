// Files for the fuzz targets: one scratch folder per process, and whole-file
// reads and writes that do not go through the code under test.
#pragma once

#include <string>

namespace fuzzsupport {

// A folder made on first use and reused by every run of the process.
const std::string& ScratchDir();
std::string ScratchPath(const std::string& name);

void WriteWholeFile(const std::string& path, const std::string& bytes);
std::string ReadWholeFile(const std::string& path);

// Stops the run with a message, as libFuzzer counts a crash.
[[noreturn]] void Fail(const std::string& what);

}  // namespace fuzzsupport
