// Runs a change to a file in place and, when it fails part way, puts back
// what the file held before, so that a stopped structure change never leaves
// a half-written header behind.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

constexpr int64_t kWholeFile = std::numeric_limits<int64_t>::max();

// Keeps the file's first `keep` bytes and its size; when `change` throws,
// writes them back and lets the failure go on. A file that cannot be opened
// is left to `change` to report.
void KeepOnFailure(const std::string& path, int64_t keep, const std::function<void()>& change);
