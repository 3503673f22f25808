#include "table_export.h"

#include "caption_1251.h"
#include "csv_fields.h"
#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "int_text.h"
#include "office_session.h"
#include "page_text.h"
#include "progress.h"
#include "report_checks.h"
#include "work_steps.h"
#include "xlsx_spreadsheet.h"

#include <charconv>
#include <functional>
#include <string>
#include <vector>

namespace office {

namespace {

constexpr uint16_t kSlot = 1;
// Rows an export adds below the records: the general export's "*" row; the
// payment list's heading, total and blank rows.
constexpr int64_t kGeneralExtraRows = 1;
constexpr int64_t kPaymentExtraRows = 3;
constexpr char kDone[] = DBF_TR_NOOP("TableExport", "Перенос в MS EXCEL - выполнено!");
// The shares of an export's bar: gathering the cells, writing the workbook.
constexpr int kGatherWeight = 1;
constexpr int kWriteWeight = 9;

std::string Trimmed(const std::string& text) { return std::string(ui::Trim(text)); }

// Fixed-point with two decimals, right-aligned in 10 characters, whatever the locale.
std::string Amount(double value) {
  char digits[64];
  const auto done = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2);
  std::string text(digits, done.ptr);
  if (text.size() < 10) text.insert(0, 10 - text.size(), ' ');
  return text;
}

// What a typed export makes of a field's trimmed text; `text` becomes the
// value the kind takes.
CellKind KindOf(char type, std::string& text) {
  switch (type) {
    case 'N':
    case 'F':
      return csv::IsNumber(text) ? CellKind::Number : CellKind::Text;
    case 'D':
      return csv::IsDate(text, false) ? CellKind::Date : CellKind::Text;
    case 'L': {
      const char letter = text.size() == 1 ? csv::LogicalLetter(text) : 0;
      if (letter == 0 || letter == '?') return CellKind::Text;
      text = letter == 'T' || letter == 'Y' ? "1" : "0";
      return CellKind::Boolean;
    }
    default:
      return CellKind::Text;
  }
}

// The exported table open for reading in its own engine, whose slots close
// when the command ends, however it ends.
struct ExportSource {
  explicit ExportSource(const std::string& path) { db.DbfOpenForReading(kSlot, path); }
  ~ExportSource() { db.DbfCloseAll(); }
  dbf::Dbf2_lib db;
};

}  // namespace

std::optional<std::string> CheckWorksheetRoom(int64_t records, int64_t extraRows) {
  if (records + extraRows <= kWorksheetRows) return std::nullopt;
  return dbf::FillText(dbf::Tr("TableExport", "Записей в файле: %1.\r\nНа лист MS EXCEL помещается не более %2."),
                       {std::to_string(records), std::to_string(kWorksheetRows - extraRows)});
}

void FillGeneralExport(dbf::Dbf2_lib& db, uint16_t slot, ExcelWorksheet& sheet, int64_t starColumn,
                       ExportStyle style, QProgressBar& bar) {
  const int64_t n = db.DbfRecCount(slot);
  const int64_t headerRows = style.typed ? 1 : 0;
  sheet.Cells(n + 1 + headerRows, starColumn, "*");
  ui::Progress progress(&bar, n);
  // Each field's look-up name, made once: it finds exactly that field,
  // whatever blanks or '#' its stored name ends with.
  struct Column {
    std::string name;
    char type;
  };
  std::vector<Column> columns;
  for (const dbf::FieldNode* f = db.DbfFields(slot); f; f = f->next) {
    if (style.typed) sheet.Cells(1, static_cast<int64_t>(columns.size()) + 1, f->Name());
    columns.push_back({f->LookupName(), f->type});
  }
  db.DbfTop(slot);
  while (!db.DbfEof(slot)) {
    const int64_t record = db.DbfRecNo(slot);
    progress.Set(record);
    int64_t col = 1;
    for (const Column& c : columns) {
      std::string text = Trimmed(db.DbfGetStr(slot, c.name));
      const CellKind kind = style.typed ? KindOf(c.type, text) : CellKind::Text;
      if (kind == CellKind::Text && style.decimalComma && c.type == 'N') {
        const size_t point = text.find('.');
        if (point != std::string::npos) text[point] = ',';
      }
      sheet.TypedCell(record + headerRows, col++, text, kind);
    }
    db.DbfSkip(slot, 1);
  }
}

std::vector<int64_t> FillPaymentList(dbf::Dbf2_lib& db, uint16_t slot, ExcelWorksheet& sheet, int64_t blankColumn,
                                     QProgressBar& bar) {
  std::vector<int64_t> unconverted;
  const int64_t n = db.DbfRecCount(slot);
  sheet.Cells(n + 3, blankColumn, " ");
  ui::Progress progress(&bar, n);
  const char* headings[] = {"№ п/п", "Ф.И.О.", "№ картсчета", "Код налогоплательщика", "Сумма"};
  for (int col = 1; col <= 5; ++col) sheet.Cells(1, col, To1251(headings[col - 1]));
  double sum = 0;
  db.DbfTop(slot);
  while (!db.DbfEof(slot)) {
    sum += db.DbfGetNum(slot, "SUMMA");
    const int64_t r = db.DbfRecNo(slot);
    progress.Set(r);
    std::string name = Trimmed(db.DbfGetStr(slot, "FIO"));
    if (db.DosToWin(name) > 0) unconverted.push_back(r);
    sheet.Cells(r + 1, 1, ui::RightAligned(r, 5));
    sheet.Cells(r + 1, 2, name);
    sheet.Cells(r + 1, 3, Trimmed(db.DbfGetStr(slot, "ACCOUNT")));
    sheet.Cells(r + 1, 4, Trimmed(db.DbfGetStr(slot, "TIN")));
    sheet.Cells(r + 1, 5, Trimmed(db.DbfGetStr(slot, "SUMMA")));
    db.DbfSkip(slot, 1);
  }
  sheet.Cells(n + 2, 1, To1251("ВСЕГО :"));
  sheet.Cells(n + 2, 5, Amount(sum));
  return unconverted;
}

namespace {

// The steps both exports share: a refusal leaves no workbook behind; the
// message comes once the workbook is shown, so a workbook that could not be
// written or opened is never reported done.
// `fill` may give a note to show after the message of success.
bool RunExport(const std::string& tablePath, ExportLinks& links, ui::CodePage page,
               const std::function<std::optional<std::string>(dbf::Dbf2_lib&)>& refusal,
               const std::function<std::optional<std::string>(dbf::Dbf2_lib&, ExcelWorksheet&)>& fill) {
  ExportSource table(tablePath);
  if (const auto why = refusal(table.db)) {
    links.dialogs.Message(*why);
    return false;
  }
  ExcelReferences& excel = links.session.exportSet;
  std::optional<std::string> note;
  {
    // Gathering the cells, then writing the workbook (which takes the most
    // time) and handing it over, share the bar. A stop removes what the
    // export had made; nothing is shown.
    ui::Progress progress(&links.progress, {kGatherWeight, kWriteWeight});
    try {
      excel.Open(links.session.servers, TextPage::Of(page));
      note = fill(table.db, *excel.worksheet);
      table.db.DbfCloseAll();
      progress.Phase(1, 1);
      const WorkSteps steps(progress.Steps());
      excel.Show();
    } catch (const dbf::Stopped&) {
      excel.Release();
      throw;
    }
  }
  links.dialogs.Message(dbf::Tr("TableExport", kDone));
  if (note) links.dialogs.Message(*note);
  return true;
}

// Names the records (the first ten of them) whose names kept characters that
// code page 1251 lacks; none when every name was converted.
std::optional<std::string> UnconvertedNamesNote(const std::vector<int64_t>& records) {
  if (records.empty()) return std::nullopt;
  constexpr size_t kNamed = 10;
  std::string list;
  for (size_t i = 0; i < records.size() && i < kNamed; ++i) list += (i ? ", " : "") + std::to_string(records[i]);
  if (records.size() > kNamed) list += ", ...";
  return dbf::FillText(dbf::Tr("TableExport", "В поле FIO записей %1 есть символы, которых нет в кодировке 1251.\r\n"
                                              "Они перенесены без изменения."),
                       {list});
}

}  // namespace

bool ExportTable(const std::string& tablePath, int64_t gridColumns, ExportStyle style, ExportLinks& links) {
  return RunExport(
      tablePath, links, links.page,
      [&](dbf::Dbf2_lib& db) {
        return CheckWorksheetRoom(db.DbfRecCount(kSlot), kGeneralExtraRows + (style.typed ? 1 : 0));
      },
      [&](dbf::Dbf2_lib& db, ExcelWorksheet& sheet) -> std::optional<std::string> {
        FillGeneralExport(db, kSlot, sheet, gridColumns, style, links.progress);
        return std::nullopt;
      });
}

bool ExportPaymentList(const std::string& tablePath, int64_t gridColumns, ExportLinks& links) {
  return RunExport(
      tablePath, links, ui::CodePage::Windows1251,
      [](dbf::Dbf2_lib& db) {
        auto why = CheckExportFields(db, kSlot, {"FIO", "ACCOUNT", "TIN"}, {"SUMMA"});
        return why ? why : CheckWorksheetRoom(db.DbfRecCount(kSlot), kPaymentExtraRows);
      },
      [&](dbf::Dbf2_lib& db, ExcelWorksheet& sheet) {
        return UnconvertedNamesNote(FillPaymentList(db, kSlot, sheet, gridColumns, links.progress));
      });
}

}  // namespace office
