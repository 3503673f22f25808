#include "hand_over.h"

#include "dbf_texts.h"
#include "desktop_launcher.h"
#include "office_automation.h"

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>

namespace office {

namespace {

// Enough of the start of a text file to tell it from markup or a program.
constexpr size_t kSniffedBytes = 64 << 10;
constexpr char kCompoundFileMagic[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr size_t kCompoundSectorBytes = 512;
constexpr char kOdsMimetype[] = "application/vnd.oasis.opendocument.spreadsheet";

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

std::string Head(const std::string& path, size_t bytes) {
  std::ifstream in(path, std::ios::binary);
  std::string head(bytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(bytes));
  head.resize(static_cast<size_t>(in.gcount()));
  return head;
}

bool IsCompoundFile(const std::string& path) {
  const std::string head = Head(path, kCompoundSectorBytes);
  return head.size() == kCompoundSectorBytes && head.compare(0, 8, kCompoundFileMagic) == 0;
}

// Text a spreadsheet program reads as rows: no control characters but line
// ends, tabs and page breaks, and nothing that starts like markup or a script.
bool IsPlainText(const std::string& path) {
  std::string head = Head(path, kSniffedBytes);
  if (head.rfind("\xEF\xBB\xBF", 0) == 0) head.erase(0, 3);
  for (const char c : head) {
    if (static_cast<unsigned char>(c) < 0x20 && !std::strchr("\t\n\r\f", c)) return false;
  }
  const size_t first = head.find_first_not_of(" \t\r\n\f");
  if (first != std::string::npos && (head[first] == '<' || head.compare(first, 2, "#!") == 0)) return false;
  const std::string lowered = Lowered(head);
  for (const char* tag : {"<html", "<svg", "<script", "<?xml", "<!doctype"}) {
    if (lowered.find(tag) != std::string::npos) return false;
  }
  return true;
}

using Archive = std::unique_ptr<zip_t, void (*)(zip_t*)>;

Archive OpenArchive(const std::string& path) {
  int error = 0;
  return Archive(zip_open(path.c_str(), ZIP_RDONLY, &error), zip_discard);
}

bool Has(zip_t* archive, const char* member) { return zip_name_locate(archive, member, 0) >= 0; }

// An Office Open XML package with its main part and no macros.
bool IsOpenXmlPackage(const std::string& path, const char* mainPart, const char* macros) {
  const Archive archive = OpenArchive(path);
  return archive && Has(archive.get(), "[Content_Types].xml") && Has(archive.get(), mainPart) &&
         !Has(archive.get(), macros);
}

bool IsOpenDocumentSpreadsheet(const std::string& path) {
  const Archive archive = OpenArchive(path);
  zip_file_t* member = archive ? zip_fopen(archive.get(), "mimetype", 0) : nullptr;
  if (!member) return false;
  char text[sizeof kOdsMimetype] = {};
  const zip_int64_t got = zip_fread(member, text, sizeof text);
  zip_fclose(member);
  return got == static_cast<zip_int64_t>(std::strlen(kOdsMimetype)) && std::memcmp(text, kOdsMimetype, got) == 0;
}

}  // namespace

bool HoldsWhatItsNameSays(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec))) return false;
  const std::string extension = Lowered(std::filesystem::path(path).extension().string());
  if (extension == ".xlsx") return IsOpenXmlPackage(path, "xl/workbook.xml", "xl/vbaProject.bin");
  if (extension == ".docx") return IsOpenXmlPackage(path, "word/document.xml", "word/vbaProject.bin");
  if (extension == ".ods") return IsOpenDocumentSpreadsheet(path);
  // Programs also export tables as text under a spreadsheet's name.
  if (extension == ".xls") return IsCompoundFile(path) || IsPlainText(path);
  if (extension.empty() || extension == ".csv" || extension == ".tsv" || extension == ".txt") return IsPlainText(path);
  return false;
}

std::string NotWhatItsNameSays(const std::string& path) {
  return dbf::FillText(dbf::Tr("HandOver", "Содержимое файла не соответствует его типу: %1"), {path});
}

void HandOver(ui::FileLauncher& launcher, const std::string& path) {
  if (!HoldsWhatItsNameSays(path)) throw AutomationError(NotWhatItsNameSays(path));
  if (!launcher.Open(path)) {
    throw AutomationError(dbf::FillText(dbf::Tr("HandOver", "Нет программы для просмотра файла %1"), {path}));
  }
}

}  // namespace office
