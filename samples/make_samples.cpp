// Writes the sample tables through the table engine:
//   people_866.dbf   Russian names in DOS code page 866 and a column of sums
//   goods_1251.dbf   Russian goods in Windows code page 1251, numbers, logicals
//   marked_866.dbf   a list in code page 866 with some records marked deleted
// Usage: make_samples <folder>
#include "dbf2_lib.h"

#include <iconv.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Field {
  const char* name;
  char type;
  uint8_t length;
  uint8_t decimals;
};

struct Row {
  std::vector<std::string> values;  // UTF-8; numeric fields as decimal text
  bool deleted = false;
};

std::string Recode(const std::string& utf8, const char* charset) {
  iconv_t cd = iconv_open(charset, "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  size_t inLeft = utf8.size();
  size_t outLeft = out.size();
  const size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) throw std::runtime_error("cannot recode " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

void MakeTable(const std::string& path, const char* charset, const std::vector<Field>& fields,
               const std::vector<Row>& rows) {
  std::remove(path.c_str());
  dbf::Dbf2_lib db;
  db.DbfCreate(1, 2, path);
  db.DbfAssign(1, path);
  for (const Field& f : fields) {
    if (!db.DbfAddField(1, f.name, f.type, f.length, f.decimals)) {
      throw std::runtime_error(std::string("cannot add field ") + f.name);
    }
  }
  db.DbfOpen(1, path);
  for (const Row& row : rows) {
    db.DbfBlank(1);
    for (size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].type == 'N') {
        db.DbfPutNum(1, std::stod(row.values[i]), fields[i].name);
      } else {
        db.DbfPutStr(1, Recode(row.values[i], charset), fields[i].name);
      }
    }
    db.DbfAppend(1);
    if (row.deleted) db.DbfDelete(1);
  }
  db.DbfCloseAll();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  try {
    MakeTable(dir + "/people_866.dbf", "CP866",
              {{"FAMILY", 'C', 20, 0}, {"NAME", 'C', 15, 0}, {"CITY", 'C', 15, 0},
               {"SUMMA", 'N', 12, 2}, {"PAYDATE", 'D', 8, 0}},
              {{{"Иванов", "Пётр", "Москва", "1520.50", "20240115"}},
               {{"Петрова", "Анна", "Тверь", "310.00", "20240116"}},
               {{"Сидоров", "Николай", "Калуга", "0", "20240117"}},
               {{"Кузнецова", "Ольга", "Рязань", "12750.75", "20240118"}},
               {{"Смирнов", "Алексей", "Тула", "84.10", "20240119"}},
               {{"Фёдорова", "Мария", "Ярославль", "2300.00", "20240122"}},
               {{"Морозов", "Сергей", "Владимир", "0", "20240123"}},
               {{"Волкова", "Екатерина", "Кострома", "999.99", "20240124"}},
               {{"Соколов", "Дмитрий", "Смоленск", "45000.00", "20240125"}},
               {{"Лебедева", "Юлия", "Иваново", "17.35", "20240126"}}});
    MakeTable(dir + "/goods_1251.dbf", "CP1251",
              {{"NAME", 'C', 25, 0}, {"PRICE", 'N', 10, 2}, {"QTY", 'N', 6, 0}, {"INSTOCK", 'L', 1, 0}},
              {{{"Хлеб ржаной", "45.90", "120", "T"}},
               {{"Молоко 3,2%", "89.00", "64", "T"}},
               {{"Сыр «Российский»", "612.50", "0", "F"}},
               {{"Чай чёрный", "154.00", "37", "T"}},
               {{"Гречка ядрица", "98.40", "210", "T"}},
               {{"Яблоки", "129.99", "0", "F"}}});
    MakeTable(dir + "/marked_866.dbf", "CP866",
              {{"CODE", 'N', 5, 0}, {"TITLE", 'C', 30, 0}, {"AMOUNT", 'N', 10, 2}},
              {{{"1", "Запись первая", "100.00"}},
               {{"2", "Запись вторая (удалена)", "200.00"}, true},
               {{"3", "Запись третья", "0"}},
               {{"4", "Запись четвёртая (удалена)", "400.00"}, true},
               {{"5", "Запись пятая", "500.00"}}});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_samples: %s\n", e.what());
    return 1;
  } catch (const dbf::DbfAbort& abort) {
    std::fprintf(stderr, "make_samples: engine error %d\n", abort.code);
    return 1;
  }
  return 0;
}
