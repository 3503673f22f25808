#include "file_name.h"

#include <algorithm>
#include <filesystem>

std::string LowerExtension(const std::string& name) {
  const size_t slash = name.find_last_of('/');
  const size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return ext;
}

std::string WithTableExtension(const std::string& name) {
  return name.empty() || !LowerExtension(name).empty() ? name : name + ".dbf";
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool FileExists(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::exists(name, ec);
}
