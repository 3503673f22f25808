// What the fuzz targets share: one scratch folder per process, whole-file
// reads and writes that do not go through the code under test, and the
// engine's reporters silenced.
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

// Engine errors and messages go to no one, neither ending the process nor
// filling the log: a step that meets an engine error ends by its exception.
void SilenceEngine();

}  // namespace fuzzsupport
