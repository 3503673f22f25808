// Small helpers for the file names the windows handle.
#pragma once

#include <string>

// The extension of a file name: the text from the last "." after the last
// "/", or empty when there is none; lower-cased (ASCII letters).
std::string LowerExtension(const std::string& name);

// The name a table is written under: the name as typed, with ".dbf" added
// when it has no extension (an empty name stays empty).
std::string WithTableExtension(const std::string& name);

// The text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

bool FileExists(const std::string& name);
