#include "scratch_output.h"

#include "exchange_folder.h"
#include "office_automation.h"
#include "safe_write.h"
#include "write_all.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace office {

void CopyInto(dbf::FileSystem& files, const std::string& from, const std::string& to) {
  const ui::OwnedFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) {
    const int error = errno;
    std::remove(to.c_str());
    throw AutomationError(from + ": " + std::strerror(error));
  }
  try {
    ui::OwnedFd out(::open(to.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC));
    if (out.get() < 0) throw std::system_error(errno, std::generic_category(), to);
    ui::CopyAll(files, in.get(), out.get(), to);
    out.Close(to);
  } catch (const std::system_error& e) {
    std::remove(to.c_str());
    throw AutomationError(to + ": " + e.code().message());
  }
}

ScratchOutput::ScratchOutput(dbf::FileSystem& files, std::string output) : files_(files), output_(std::move(output)) {
  const std::filesystem::path name(output_);
  scratch_ = ReserveFreshFile(name.parent_path().string(), "scratch", name.extension().string());
}

ScratchOutput::~ScratchOutput() { ::unlink(scratch_.c_str()); }

}  // namespace office
