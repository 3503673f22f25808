#include "csv_table.h"

#include "csv_code_page.h"
#include "csv_text.h"
#include "dbf2_lib.h"
#include "dbf_header.h"
#include "dbf_texts.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace csv {

namespace {

constexpr size_t kBlockBytes = 1 << 20;
constexpr size_t kMostProblemsListed = 10;
constexpr int64_t kRecordsPerWrite = 4096;
constexpr uint16_t kTemplateSlot = 1;
constexpr uint16_t kTargetSlot = 2;
constexpr uint8_t kCreateKind = 2;
constexpr off_t kLanguageDriverByte = 29;

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return text;
}

// Collects the problems of a read, listing the first few.
class Problems {
 public:
  void Add(int64_t row, size_t column, const std::string& field, const std::string& why) {
    ++count_;
    if (lines_.size() < kMostProblemsListed) {
      const std::string rowText = std::to_string(row);
      const std::string columnText = std::to_string(column + 1);
      lines_.push_back(field.empty()
                           ? dbf::FillText(dbf::Tr("CsvTable", "Строка %1, столбец %2: %3"), {rowText, columnText, why})
                           : dbf::FillText(dbf::Tr("CsvTable", "Строка %1, столбец %2 (%3): %4"),
                                           {rowText, columnText, field, why}));
    }
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines = lines_;
    if (count_ > lines_.size()) {
      lines.push_back(dbf::FillText(dbf::Tr("CsvTable", "... и еще %1"), {std::to_string(count_ - lines_.size())}));
    }
    return lines;
  }
  bool Any() const { return count_ > 0; }

 private:
  size_t count_ = 0;
  std::vector<std::string> lines_;
};

// Where each CSV column goes: a field of the plan, or the deletion mark.
struct ColumnMap {
  bool marks = false;                // column 0 holds the deletion marks
  std::vector<int> fieldOfColumn;    // by CSV column; -1 for the mark column
  std::vector<std::string> titles;   // by CSV column, UTF-8, for messages
};

ColumnMap MapColumns(const std::vector<std::string>& header) {
  ColumnMap map;
  map.titles = header;
  map.marks = !header.empty() && header[0] == kMarkTitle;
  int field = 0;
  for (size_t c = 0; c < header.size(); ++c) map.fieldOfColumn.push_back(map.marks && c == 0 ? -1 : field++);
  return map;
}

std::vector<std::string> FieldTitles(const ColumnMap& map) {
  std::vector<std::string> titles;
  for (size_t c = 0; c < map.titles.size(); ++c) {
    if (map.fieldOfColumn[c] >= 0) titles.push_back(map.titles[c]);
  }
  return titles;
}

// The fields guessed from the values: a first pass over the CSV.
std::vector<FieldSpec> GuessFields(std::string_view utf8, char separator, const ColumnMap& map,
                                   const ByteText& page) {
  const std::vector<std::string> names = FieldNames(FieldTitles(map), page);
  std::vector<ColumnGuess> guesses(names.size());
  Reader reader(utf8, separator);
  std::vector<std::string> values;
  reader.Next(values);  // the header
  while (reader.Next(values)) {
    for (size_t c = 0; c < values.size() && c < map.fieldOfColumn.size(); ++c) {
      const int field = map.fieldOfColumn[c];
      if (field >= 0) guesses[static_cast<size_t>(field)].Add(values[c], page.EncodedSize(values[c]));
    }
  }
  std::vector<FieldSpec> fields;
  for (size_t f = 0; f < names.size(); ++f) {
    std::optional<FieldSpec> guessed = guesses[f].Field();
    if (!guessed) {
      guessed = FieldSpec{{}, 'C', kWidestText, 0};  // the values that do not fit are told in the second pass
    }
    guessed->name = names[f];
    fields.push_back(*guessed);
  }
  return fields;
}

// Maps the CSV's columns onto the template's fields by name.
void MatchTemplate(ColumnMap& map, const std::vector<FieldSpec>& fields, const ByteText& page,
                   Problems& problems) {
  const std::vector<std::string> names = FieldNames(FieldTitles(map), page);
  size_t n = 0;
  for (size_t c = 0; c < map.fieldOfColumn.size(); ++c) {
    if (map.fieldOfColumn[c] < 0) continue;
    const std::string wanted = UpperAscii(names[n++]);
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const FieldSpec& f) { return UpperAscii(f.name) == wanted; });
    if (found == fields.end()) {
      problems.Add(1, c, map.titles[c], dbf::Tr("CsvTable", "в образце нет такого поля"));
      map.fieldOfColumn[c] = -2;
    } else {
      map.fieldOfColumn[c] = static_cast<int>(found - fields.begin());
    }
  }
}

}  // namespace

void WriteCsv(const std::vector<TableColumn>& columns, const RowSource& rows, const ByteText& page,
              const std::function<void(std::string_view)>& sink, Flavour flavour) {
  const int64_t count = rows.RowCount();
  bool marks = false;
  for (int64_t r = 0; r < count && !marks; ++r) marks = rows.Marked(r);
  const bool russian = flavour == Flavour::Russian;
  const char separator = russian ? ';' : ',';
  // The reader tells the separator by the header: there, and in every row of
  // a single column, where the header holds no separator, the other one is
  // quoted as well.
  const std::string_view both = ",;";
  const std::string_view inRows = columns.size() + (marks ? 1 : 0) == 1 ? both : both.substr(russian ? 1 : 0, 1);
  std::string out(russian ? kByteOrderMark : std::string_view()), text, scratch;
  std::string_view quoted = both;
  auto field = [&](bool first, std::string_view bytes) {
    if (!first) out += separator;
    text.clear();
    page.AppendDecoded(text, bytes);
    AppendField(out, text, quoted);
  };
  if (marks) field(true, kMarkTitle);
  for (size_t c = 0; c < columns.size(); ++c) field(!marks && c == 0, columns[c].name);
  out += "\r\n";
  quoted = inRows;
  for (int64_t r = 0; r < count; ++r) {
    const size_t lineStart = out.size();
    if (marks) field(true, rows.Marked(r) ? kMarkTitle : std::string_view());
    for (size_t c = 0; c < columns.size(); ++c) {
      field(!marks && c == 0, OutValue(columns[c].type, rows.Cell(r, static_cast<int>(c)), scratch, flavour));
    }
    // A row of one empty value is written quoted: an empty line is no record.
    if (out.size() == lineStart) out += "\"\"";
    out += "\r\n";
    if (out.size() >= kBlockBytes) {
      sink(out);
      out.clear();
    }
  }
  if (!out.empty()) sink(out);
}

ReadOutcome ReadCsv(std::string_view utf8, const ByteText& page, const std::vector<FieldSpec>* templateFields) {
  ReadOutcome outcome;
  Problems problems;
  std::vector<std::string> values;
  try {
    const char separator = SeparatorOf(utf8);
    Reader header(utf8, separator);
    if (!header.Next(values)) {
      outcome.problems.push_back(dbf::Tr("CsvTable", "В файле нет строки с именами полей"));
      return outcome;
    }
    ColumnMap map = MapColumns(values);
    TablePlan& plan = outcome.plan;
    if (templateFields) {
      plan.fields = *templateFields;
      MatchTemplate(map, plan.fields, page, problems);
    } else {
      plan.fields = GuessFields(utf8, separator, map, page);
    }
    if (plan.fields.empty()) {
      outcome.problems.push_back(dbf::Tr("CsvTable", "В строке заголовка нет имен полей"));
      return outcome;
    }
    int64_t recordLength = 1;
    for (const FieldSpec& f : plan.fields) recordLength += f.length;
    if (recordLength > dbf::kMaxRecordLength) {
      outcome.problems.push_back(
          dbf::FillText(dbf::Tr("CsvTable", "Длина записи %1 байт больше предельной для таблицы DBF (%2 байт)"),
                        {std::to_string(recordLength), std::to_string(dbf::kMaxRecordLength)}));
      return outcome;
    }
    std::vector<std::string_view> byField(plan.fields.size());
    Reader reader(utf8, separator);
    reader.Next(values);
    while (reader.Next(values)) {
      std::fill(byField.begin(), byField.end(), std::string_view());
      char flag = dbf::kFlagLive;
      for (size_t c = 0; c < values.size(); ++c) {
        const int field = c < map.fieldOfColumn.size() ? map.fieldOfColumn[c] : -2;
        if (field >= 0) {
          byField[static_cast<size_t>(field)] = values[c];
        } else if (field == -1 && values[c] == kMarkTitle) {
          flag = dbf::kFlagDeleted;
        } else if (field == -1 && !values[c].empty()) {
          problems.Add(reader.Row(), c, map.titles[c], dbf::Tr("CsvTable", "отметка удаления бывает только \"*\""));
        } else if (c >= map.fieldOfColumn.size() && !values[c].empty()) {
          problems.Add(reader.Row(), c, "", dbf::Tr("CsvTable", "значение вне столбцов строки заголовка"));
        }
      }
      plan.records += flag;
      for (size_t f = 0; f < plan.fields.size(); ++f) {
        if (auto why = AppendStored(plan.records, plan.fields[f], byField[f], page)) {
          const size_t column = static_cast<size_t>(std::find(map.fieldOfColumn.begin(), map.fieldOfColumn.end(),
                                                              static_cast<int>(f)) - map.fieldOfColumn.begin());
          const FieldSpec& planned = plan.fields[f];
          problems.Add(reader.Row(), column, map.titles[column],
                       dbf::FillText(dbf::Tr("CsvTable", "%1: \"%2\" в поле %3(%4.%5)"),
                                     {*why, byField[f], std::string(1, planned.type), std::to_string(planned.length),
                                      std::to_string(planned.decimals)}));
          plan.records.append(static_cast<size_t>(planned.length), ' ');
        }
      }
      if (problems.Any()) plan.records.clear();  // nothing is written anyway
      ++plan.count;
    }
  } catch (const ParseError& e) {
    problems.Add(e.row, 0, "", e.what());
  }
  outcome.problems = problems.Lines();
  return outcome;
}

std::vector<FieldSpec> TableFields(const std::string& tablePath) {
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(kTemplateSlot, tablePath);
  if (!db.DbfIsOpen(kTemplateSlot)) throw std::system_error(errno, std::generic_category(), tablePath);
  std::vector<FieldSpec> fields;
  for (const dbf::FieldNode* f = db.DbfFields(kTemplateSlot); f; f = f->next) {
    fields.push_back({f->Name(), f->type, f->length, f->decimals});
  }
  db.DbfCloseAll();
  return fields;
}

void WriteTable(dbf::FileSystem& files, const std::string& path, const TablePlan& plan, const std::string& templatePath,
                uint8_t languageDriver) {
  dbf::Dbf2_lib db(files);
  if (!templatePath.empty()) {
    db.DbfAssign(kTemplateSlot, templatePath);
    db.DbfAssign(kTargetSlot, path);
    if (!db.DbfCopyStructure(kTemplateSlot, kTargetSlot)) {
      throw std::runtime_error(dbf::FillText(dbf::Tr("CsvTable", "%1: это файл образца"), {path}));
    }
  } else {
    db.DbfCreate(kTargetSlot, kCreateKind, path);
    for (const FieldSpec& f : plan.fields) {
      if (!db.DbfAddField(kTargetSlot, f.name, f.type, static_cast<uint8_t>(f.length),
                          static_cast<uint8_t>(f.decimals))) {
        throw std::runtime_error(dbf::FillText(dbf::Tr("CsvTable", "%1: поле %2 не добавлено"), {path, f.name}));
      }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::pwrite(fd, &languageDriver, 1, kLanguageDriverByte) == 1;
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (!written) throw std::system_error(error, std::generic_category(), path);
  }
  db.DbfOpen(kTargetSlot, path);
  db.DbfGatherWrites(kTargetSlot, true);
  const int64_t length = db.DbfRecordLength(kTargetSlot);
  int64_t planned = 1;
  for (const FieldSpec& f : plan.fields) planned += f.length;
  if (length != planned) {
    throw std::runtime_error(dbf::FillText(dbf::Tr("CsvTable", "%1: поля образца не стоят в записи подряд"), {path}));
  }
  for (int64_t done = 0; done < plan.count; done += kRecordsPerWrite) {
    const int64_t n = std::min(kRecordsPerWrite, plan.count - done);
    db.DbfAppendRecords(kTargetSlot, plan.records.data() + done * length, n);
  }
  db.DbfCloseAll();
}

}  // namespace csv
