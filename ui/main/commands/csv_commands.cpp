#include "csv_commands.h"

#include "code_page_detection.h"
#include "csv_grid_rows.h"
#include "csv_page_text.h"
#include "csv_table.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "file_name.h"
#include "output_name.h"
#include "memory_room.h"
#include "record_store.h"
#include "regular_file.h"
#include "safe_write.h"
#include "table_checks.h"
#include "write_all.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <fstream>
#include <system_error>

namespace {

const char kCsvOutFilter[] = DBF_TR_NOOP(
    "TCsvCommands",
    "Файлы CSV|*.csv|Все файлы|*.*|CSV для электронных таблиц в русской локали (;, десятичная запятая)|*.csv|");
constexpr int kChosenRussian = 3;
const char kCsvInFilter[] = DBF_TR_NOOP(
    "TCsvCommands", "Файлы CSV|*.csv|Все файлы|*.*|CSV в кодировке Windows 1251|*.csv|CSV в кодировке DOS 866|*.csv|");
constexpr int kChosen1251 = 3;
constexpr int kChosen866 = 4;
constexpr size_t kLanguageDriverByte = 29;

// The name with `extension` appended when it has none.
std::string WithExtension(const std::string& name, const char* extension) {
  const std::string trimmed = TrimBlanks(name);
  return LowerExtension(trimmed).empty() ? trimmed + extension : trimmed;
}

// A regular file, opened for reading; anything else fails with the reason, naming it.
int OpenSource(const std::string& path) {
  const int fd = ui::OpenRegularFile(path, O_RDONLY);
  if (fd < 0 && errno == 0) throw std::runtime_error(ui::NotRegularFileText(path));
  if (fd < 0) throw std::system_error(errno, std::generic_category(), path);
  return fd;
}

// The whole file; a file that cannot be read fails with the reason, naming
// it. The source is held about four times over (its bytes, its text in
// UTF-8, the records made of it), so one that could not be is refused
// before it is read.
std::string ReadWhole(const std::string& path) {
  const ui::OwnedFd fd(OpenSource(path));
  return ReadWholeWithin(fd.get(), path, AvailableMemory() / 4);
}

// The code page a table's header names by its language driver byte, if any.
std::optional<ui::CodePage> TablePage(const std::string& path) {
  const ui::OwnedFd fd(OpenSource(path));
  char header[kLanguageDriverByte + 1] = {};
  if (::pread(fd.get(), header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return std::nullopt;
  return ui::PageOfLanguageDriver(static_cast<uint8_t>(header[kLanguageDriverByte]));
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\r\n" + line;
  return text;
}

}  // namespace

TCsvCommands::TCsvCommands(const TableContext& context, std::function<void(const std::string&)> openTable)
    : context_(context), openTable_(std::move(openTable)) {}

void TCsvCommands::SaveAsCsvClick() {
  const RecordStore* store = context_.table.Rows();
  if (!context_.GridShown() || !store) return;
  const auto choice = context_.dialogs.SaveFile(dbf::Tr("TCsvCommands", kCsvOutFilter));
  if (!choice) return;
  const std::string path = WithExtension(choice->path, ".csv");
  if (FileExists(path) && SameTableFile(context_.dialogs, path, context_.table.TablePath())) return;
  const std::vector<csv::TableColumn> columns = GridColumns(*store, context_.table.RowsHeader());
  const GridRows rows(*store);
  const csv::ByteText page = office::PageText(context_.table.Page());
  auto write = [&](const std::string& file) {
    ui::OwnedFd fd(::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.get() < 0) throw std::system_error(errno, std::generic_category(), file);
    csv::WriteCsv(
        columns, rows, page,
        [&](std::string_view block) {
          size_t written = 0;
          if (const int error = ui::WriteAll(context_.files.Files(), fd.get(), block, written)) {
            throw std::system_error(error, std::generic_category(), file);
          }
        },
        choice->filterIndex == kChosenRussian ? csv::Flavour::Russian : csv::Flavour::Plain);
    fd.Close(file);
  };
  ui::RefuseLinkAt(path);
  if (FileExists(path)) {
    ui::ReplaceFileContents(context_.files, path, {write});
  } else {
    ui::WriteNewFile(context_.files, path, [&](const std::string& file) {
      ui::OwnedFd made(ui::CreateNewFile(file));
      if (made.get() < 0) throw std::system_error(errno, std::generic_category(), file);
      made.Close(file);
      write(file);
    });
  }
  context_.dialogs.Message(
      dbf::FillText(dbf::Tr("TCsvCommands", "Записано в CSV строк: %1.\r\n%2"),
                    {std::to_string(rows.RowCount()), path}));
}

void TCsvCommands::CreateFromCsvClick() {
  const auto source = context_.dialogs.OpenFile(dbf::Tr("TCsvCommands", kCsvInFilter));
  if (!source || !FileExists(source->path)) return;
  std::string templatePath;
  std::vector<csv::FieldSpec> templateFields;
  if (context_.dialogs.Ask(dbf::Tr("TCsvCommands", "Создать из CSV"),
                           dbf::Tr("TCsvCommands",
                                   "Взять поля из готовой таблицы-образца?\r\n\r\nДа: поля и их длины точно как в "
                                   "образце.\r\nНет: типы полей по значениям, поля C и N с запасом длины."))) {
    const auto chosen = context_.dialogs.OpenFile(ui::TableFilter());
    if (!chosen || !FileExists(chosen->path)) return;
    templatePath = chosen->path;
    templateFields = csv::TableFields(templatePath);
  }
  const auto target = context_.dialogs.SaveFile(ui::TableFilter());
  if (!target) return;
  const std::string path = WithExtension(target->path, ".dbf");
  if (FileExists(path)) {
    context_.dialogs.Message(dbf::FillText(
        dbf::Tr("TCsvCommands", "Файл уже есть:\r\n%1\r\nТаблица из CSV пишется только в новый файл."), {path}));
    return;
  }

  const std::string bytes = ReadWhole(source->path);
  std::optional<ui::CodePage> csvPage;  // none: UTF-8
  if (source->filterIndex == kChosen1251) csvPage = ui::CodePage::Windows1251;
  else if (source->filterIndex == kChosen866) csvPage = ui::CodePage::Dos866;
  else if (!csv::IsUtf8(bytes)) csvPage = ui::GuessRussianPage(bytes).value_or(ui::CodePage::Windows1251);
  const std::string text = csvPage ? office::PageText(*csvPage).Decoded(bytes) : bytes;
  // The table keeps the CSV's own single-byte page; text from UTF-8 goes into
  // the template's page, else into the one the grid draws.
  ui::CodePage tablePage = context_.table.Page();
  if (csvPage) tablePage = *csvPage;
  else if (const auto named = templatePath.empty() ? std::nullopt : TablePage(templatePath)) tablePage = *named;

  const csv::ByteText page = office::PageText(tablePage);
  const csv::ReadOutcome read = csv::ReadCsv(text, page, templatePath.empty() ? nullptr : &templateFields);
  if (!read.problems.empty()) {
    context_.dialogs.Message(dbf::Tr("TCsvCommands", "Таблица не создана: значения не помещаются в поля.") +
                             Joined(read.problems));
    return;
  }
  ui::WriteNewFile(context_.files, path, [&](const std::string& file) {
    csv::WriteTable(context_.files.Files(), file, read.plan, templatePath, office::LanguageDriverOf(tablePage));
  });
  openTable_(path);
  context_.dialogs.Message(dbf::FillText(dbf::Tr("TCsvCommands", "Таблица создана из CSV, записей: %1.\r\n%2"),
                                         {std::to_string(read.plan.count), path}));
}
