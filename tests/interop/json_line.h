// Writing the engine's view of a table as JSON for the interoperability
// test: field text goes out byte for byte, each byte as the code point of
// the same number, so a reader recovers the bytes with latin-1.
#pragma once

#include <string>

namespace interop {

std::string JsonString(const std::string& bytes);
std::string JsonNumber(double value);

}  // namespace interop
