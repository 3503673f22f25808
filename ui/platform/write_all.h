// Writing a whole block to a file descriptor, resuming short writes.
#pragma once

#include <cstddef>
#include <string_view>

namespace ui {

// Writes every byte; returns 0, or the system's error number after
// `written` bytes went out.
int WriteAll(int fd, std::string_view bytes, size_t& written);

}  // namespace ui
