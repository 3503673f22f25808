// Small helpers for the file names the windows handle.
#pragma once

#include <string>

// The extension of a file name: the text from the last "." after the last
// "/", or empty when there is none; lower-cased (ASCII letters).
std::string LowerExtension(const std::string& name);

// The text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

bool FileExists(const std::string& name);
