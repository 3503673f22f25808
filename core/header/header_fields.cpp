#include "header_fields.h"

#include "dbf_file.h"
#include "dbf_header.h"
#include "dbf_names.h"

#include <algorithm>

namespace {

size_t HeaderSizeOf(const char* header) { return dbf::GetU16(header + 8); }

}  // namespace

std::string DescriptorName(const char* descriptor) {
  size_t n = 0;
  while (n < dbf::kFieldNameSize && static_cast<unsigned char>(descriptor[n]) >= 33) ++n;
  return std::string(descriptor, n);
}

std::string DescriptorParameters(const char* descriptor) {
  const auto* b = reinterpret_cast<const unsigned char*>(descriptor);
  return std::string(1, descriptor[11]) + " ( " + std::to_string(b[16]) + "." + std::to_string(b[17]) + " )";
}

RawHeader ReadRawHeader(dbf::TableFile& file) {
  RawHeader header;
  header.bytes.resize(kHeaderBytes);
  header.bytes.resize(file.ReadSome(0, header.bytes.data(), kHeaderBytes));
  if (header.bytes.size() < kHeaderBytes) return header;
  const size_t stated = std::max(HeaderSizeOf(header.bytes.data()), kHeaderBytes);
  header.bytes.resize(stated);
  header.bytes.resize(kHeaderBytes + file.ReadSome(kHeaderBytes, header.bytes.data() + kHeaderBytes, stated - kHeaderBytes));
  header.fields = dbf::CountFieldDescriptors(header.bytes.data(), header.bytes.size());
  header.bytes.resize(kHeaderBytes + kDescriptorBytes * header.fields);
  return header;
}
