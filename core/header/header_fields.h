// The field descriptors of a table header read as raw bytes, as the header
// repair, the rename panel and the delete-field dialog see them.
#pragma once

#include "dbf_header.h"

#include <cstddef>
#include <string>

namespace dbf {
class TableFile;
}

constexpr size_t kHeaderBytes = dbf::kHeaderSize;
constexpr size_t kDescriptorBytes = dbf::kDescriptorSize;

// A descriptor's name: bytes 0 .. 9 up to the first byte below 33.
std::string DescriptorName(const char* descriptor);

// A descriptor's type, length and decimals: "C ( 10.0 )".
std::string DescriptorParameters(const char* descriptor);

// The header of a file: its first 32 bytes and the descriptors counted by
// the engine's CountFieldDescriptors, as they stand in the file.
struct RawHeader {
  std::string bytes;  // 32 + 32 x fields bytes
  int fields = 0;

  const char* Descriptor(int index) const { return bytes.data() + kHeaderBytes + kDescriptorBytes * index; }
  static int64_t DescriptorPosition(int index) {
    return static_cast<int64_t>(kHeaderBytes + kDescriptorBytes * index);
  }
};

RawHeader ReadRawHeader(dbf::TableFile& file);
