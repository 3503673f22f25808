// Changes a table through the engine the way the program's commands do, so
// the interoperability test can hand the result to other readers:
//   resave TABLE                       every record read, the table emptied and refilled
//   append TABLE NAME=VALUE...         one record appended, as a save writes a row
//   sort SOURCE TARGET KEY[:desc]...   the sorted copy
//   pack TABLE                         records marked deleted removed
//   copy-structure SOURCE TARGET       the structure alone
//   add-field TABLE NAME TYPE LENGTH DECIMALS
// Exit status 2 when the engine ends with an error or refuses.
#include "cell_values.h"
#include "dbf2_lib.h"

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

// One field stored from text as a save stores a grid cell.
void StoreCell(dbf::Dbf2_lib& db, const dbf::FieldNode& f, const std::string& text) {
  if (f.type == 'N') {
    db.DbfPutNum(2, cells::DecimalValue(text), f.LookupName());
  } else {
    db.DbfPutStr(2, cells::Trimmed(text), f.LookupName());
  }
}

void AppendRow(dbf::Dbf2_lib& db, const std::map<std::string, std::string>& row, bool deleted) {
  db.DbfBlank(2);
  for (const dbf::FieldNode* f = db.DbfFields(2); f; f = f->next) {
    auto cell = row.find(f->Name());
    if (cell != row.end()) StoreCell(db, *f, cell->second);
  }
  db.DbfAppend(2);
  if (deleted) db.DbfDelete(2);
}

void Resave(dbf::Dbf2_lib& db, const std::string& path) {
  struct Row {
    std::map<std::string, std::string> cells;
    bool deleted;
  };
  std::vector<Row> rows;
  db.DbfOpen(1, path);
  // Read as the record grid reads a table: every record, marked or not.
  for (db.DbfTop(1); !db.DbfEof(1); db.DbfSkip(1)) {
    Row row{{}, db.DbfIsDeleted(1)};
    for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) {
      row.cells[f->Name()] = db.DbfGetStr(1, f->LookupName());
    }
    rows.push_back(row);
  }
  db.DbfCloseAll();
  db.DbfOpen(2, path);
  db.DbfZap(2);
  db.DbfClose(2);
  db.DbfOpen(2, path);
  for (const Row& row : rows) AppendRow(db, row.cells, row.deleted);
}

void Append(dbf::Dbf2_lib& db, const Args& args) {
  std::map<std::string, std::string> row;
  for (size_t i = 1; i < args.size(); ++i) {
    const size_t eq = args[i].find('=');
    row[args[i].substr(0, eq)] = eq == std::string::npos ? "" : args[i].substr(eq + 1);
  }
  db.DbfOpen(2, args[0]);
  AppendRow(db, row, false);
}

bool Sort(dbf::Dbf2_lib& db, const Args& args) {
  db.DbfAssign(1, args[0]);
  db.DbfAssign(2, args[1]);
  db.DbfSortInit(1);
  for (size_t i = 2; i < args.size(); ++i) {
    const size_t colon = args[i].find(':');
    const bool descending = colon != std::string::npos && args[i].substr(colon + 1) == "desc";
    db.DbfSortAddKey(args[i].substr(0, colon), descending ? 2 : 1);
  }
  return db.DbfSortTo(1, 2) == dbf::SortOutcome::Sorted;
}

bool Run(dbf::Dbf2_lib& db, const std::string& command, const Args& args) {
  if (command == "resave" && args.size() == 1) {
    Resave(db, args[0]);
  } else if (command == "append" && !args.empty()) {
    Append(db, args);
  } else if (command == "sort" && args.size() >= 2) {
    return Sort(db, args);
  } else if (command == "pack" && args.size() == 1) {
    db.DbfOpen(1, args[0]);
    db.DbfPack(1);
  } else if (command == "copy-structure" && args.size() == 2) {
    db.DbfAssign(1, args[0]);
    db.DbfAssign(2, args[1]);
    return db.DbfCopyStructure(1, 2);
  } else if (command == "add-field" && args.size() == 5) {
    db.DbfAssign(1, args[0]);
    return db.DbfAddField(1, args[1], args[2].at(0), static_cast<uint8_t>(std::stoi(args[3])),
                          static_cast<uint8_t>(std::stoi(args[4])));
  } else {
    throw std::invalid_argument("unknown command or wrong arguments: " + command);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dbf_edit COMMAND ARGUMENTS...\n");
    return 1;
  }
  dbf::SetFatalReporter([](int, const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
  try {
    dbf::Dbf2_lib db;
    const bool done = Run(db, argv[1], Args(argv + 2, argv + argc));
    db.DbfCloseAll();
    return done ? 0 : 2;
  } catch (const dbf::DbfAbort&) {
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
}
