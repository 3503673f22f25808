#include "keep_on_failure.h"

#include "dbf_file.h"

#include <algorithm>

void KeepOnFailure(const std::string& path, int64_t keep, const std::function<void()>& change) {
  dbf::TableFile file;
  if (!file.Open(path)) {
    change();
    return;
  }
  const int64_t size = file.Size();
  std::string before(static_cast<size_t>(std::min(keep, size)), '\0');
  before.resize(file.ReadSome(0, before.data(), before.size()));
  try {
    change();
  } catch (...) {
    // Bytes the failed change never reached are as they were; a failure
    // while putting the others back cannot be reported beyond the first.
    try {
      file.WriteAt(0, before.data(), before.size());
      if (file.Size() != size) file.Truncate(size);
    } catch (...) {
    }
    throw;
  }
}
