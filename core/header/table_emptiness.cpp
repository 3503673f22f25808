#include "table_emptiness.h"

#include "dbf2_lib.h"

bool HoldsRecords(const std::string& path) {
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(1, path);
  const int64_t count = db.DbfRecCount(1);
  db.DbfCloseAll();
  return count > 0;
}
