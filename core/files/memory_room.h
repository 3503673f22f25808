// Whether what a command is about to read fits in the memory the program can
// still take. A read that would not fit is refused before it starts, with a
// message naming the file, its size and the memory there is, instead of
// being ended by the system or by a failed allocation part way.
#pragma once

#include <cstdint>
#include <string>

// The bytes this process can still take: what the system has available
// (memory the kernel can give without swapping out, and free swap), less
// where the process's address-space limit leaves less room.
uint64_t AvailableMemory();

// The whole of the file at `path`, refused (std::runtime_error naming the
// file and its size) when it holds more than `limit` bytes: a regular
// file's size is checked before anything is read; anything else is read
// only up to the limit.
std::string ReadWholeWithin(const std::string& path, uint64_t limit);
// The same from a file already open as `fd`, named `path` in the refusal.
std::string ReadWholeWithin(int fd, const std::string& path, uint64_t limit);

// Throws std::runtime_error naming the table, its size and the memory
// available when loading it would take `needed` bytes and `available` is
// less.
void RefuseTableBeyondMemory(const std::string& path, uint64_t size, uint64_t needed, uint64_t available);
