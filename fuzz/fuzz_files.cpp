#include "fuzz_files.h"

#include "dbf_errors.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fuzzsupport {

const std::string& ScratchDir() {
  // Never destroyed, so the exit handler that removes the folder can use it.
  static const std::string& dir = *new std::string([] {
    // Memory-backed when the system has it: every run rewrites and cuts
    // several files, which on a disk costs far more than the run itself.
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "dbfview-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) Fail("cannot make a scratch folder");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchDir(), ignored);
    });
    return pattern;
  }());
  return dir;
}

std::string ScratchPath(const std::string& name) { return ScratchDir() + "/" + name; }

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write " + path);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

void SilenceEngine() {
  dbf::SetFatalReporter([](int, const std::string&) {});
  dbf::SetMessageReporter([](const std::string&) {});
}

}  // namespace fuzzsupport
