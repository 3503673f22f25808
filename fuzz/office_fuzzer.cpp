// Fuzz target for the office files. The input either writes cells of any
// bytes, in any order and more than once, into the worksheets of a new
// workbook, or types text of any bytes (carriage returns and form feeds
// among them) into a new document; the workbook or document is then
// written and handed over, which only a file that passes the hand-over
// check is. The file must unzip and hold every cell's last bytes (every
// line's, control characters read as U+FFFD, form feeds as page breaks).
#include "desktop_launcher.h"
#include "docx_word_basic.h"
#include "fuzz_files.h"
#include "page_text.h"
#include "xlsx_spreadsheet.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <zip.h>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using fuzzsupport::Fail;

constexpr int kMostSheets = 3;
constexpr int kMostWrites = 64;
constexpr size_t kLongestText = 40;

struct Launcher : ui::FileLauncher {
  bool Open(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<std::string> opened;
};

// The text of a member of the package; fails when it cannot be read.
std::string Member(const std::string& package, const std::string& name) {
  int error = 0;
  zip_t* archive = zip_open(package.c_str(), ZIP_RDONLY, &error);
  if (!archive) Fail("the written package does not open as a zip: " + package);
  zip_stat_t st;
  zip_file_t* file = zip_stat(archive, name.c_str(), 0, &st) == 0 ? zip_fopen(archive, name.c_str(), 0) : nullptr;
  if (!file) Fail("the written package has no " + name);
  std::string text(st.size, '\0');
  const bool whole = zip_fread(file, text.data(), st.size) == static_cast<zip_int64_t>(st.size);
  zip_fclose(file);
  zip_discard(archive);
  if (!whole) Fail("a member of the written package reads short: " + name);
  return text;
}

// The UTF-8 of each character a byte stands for, to read texts back into bytes.
const std::map<std::string, char>& BytesOfCharacters(const office::TextPage& page) {
  static std::map<const office::TextPage*, std::map<std::string, char>> pages;
  std::map<std::string, char>& m = pages[&page];
  if (!m.empty()) return m;
  for (int b = 0; b < 256; ++b) {
    if (!m.emplace(page.Utf8(std::string(1, static_cast<char>(b))), b).second) Fail("two bytes read as one character");
  }
  return m;
}

// The code pages the texts are read in: Russian Windows and DOS, and Western
// Windows, which leaves bytes undefined.
const office::TextPage& PageOf(FuzzedDataProvider& in) {
  constexpr ui::CodePage kPages[] = {ui::CodePage::Windows1251, ui::CodePage::Dos866, ui::CodePage::Windows1252};
  return office::TextPage::Of(in.PickValueInArray(kPages));
}

// XML character data as text: the five entities (the writers use no others).
std::string XmlUnescaped(const std::string& xml) {
  static const std::vector<std::pair<std::string, char>> kEntities{
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string text;
  for (size_t i = 0; i < xml.size();) {
    if (xml[i] != '&') {
      text += xml[i++];
      continue;
    }
    const size_t end = xml.find(';', i);
    if (end == std::string::npos) Fail("a bare '&' in the XML");
    const std::string entity = xml.substr(i, end + 1 - i);
    bool known = false;
    for (const auto& [name, c] : kEntities) {
      if (entity == name) {
        text += c;
        known = true;
      }
    }
    if (!known) Fail("an unknown entity in the XML: " + entity);
    i = end + 1;
  }
  return text;
}

// Escapes "_xHHHH_" read as the characters they stand for, as a worksheet reader does.
std::string EscapesDecoded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_' &&
        text.substr(i + 2, 4).find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos) {
      office::AppendUtf8(out, static_cast<char16_t>(std::stoul(text.substr(i + 2, 4), nullptr, 16)));
      i += 7;
    } else {
      out += text[i++];
    }
  }
  return out;
}

// UTF-8 read back as the bytes of the page it came from.
std::string Bytes(const std::string& utf8, const office::TextPage& page) {
  const auto& bytes = BytesOfCharacters(page);
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const auto found = bytes.find(utf8.substr(i, length));
    if (found == bytes.end()) Fail("a character that no byte of the code page stands for");
    out += found->second;
    i += length;
  }
  return out;
}

// The column number of a cell reference's letters, from 1.
uint32_t ColumnOf(const std::string& letters) {
  uint32_t col = 0;
  for (const char c : letters) col = col * 26 + static_cast<uint32_t>(c - 'A' + 1);
  return col;
}

using Cells = std::map<std::pair<uint32_t, uint32_t>, std::string>;  // (row, column) -> bytes

// The cells of a worksheet's XML, each as the bytes it holds.
Cells CellsOf(const std::string& xml, const office::TextPage& page) {
  Cells cells;
  const std::string open = "<c r=\"";
  for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const size_t ref = at + open.size();
    const size_t digits = xml.find_first_of("0123456789", ref);
    const size_t quote = xml.find('"', ref);
    if (xml.compare(quote, 22, "\" t=\"inlineStr\"><is><t") != 0) Fail("a cell that is not an inline string");
    const size_t text = xml.find('>', quote + 22) + 1;
    const size_t end = xml.find("</t>", text);
    const auto key = std::make_pair(static_cast<uint32_t>(std::stoul(xml.substr(digits, quote - digits))),
                                    ColumnOf(xml.substr(ref, digits - ref)));
    if (!cells.emplace(key, Bytes(EscapesDecoded(XmlUnescaped(xml.substr(text, end - text))), page)).second) {
      Fail("a cell written twice into the worksheet");
    }
  }
  return cells;
}

void Workbook(FuzzedDataProvider& in, const std::string& folder) {
  Launcher launcher;
  const office::TextPage& page = PageOf(in);
  office::XlsxSpreadsheet excel(folder, launcher, page, dbf::SystemFileSystem());
  const int sheetCount = in.ConsumeIntegralInRange(1, kMostSheets);
  excel.SheetsInNewWorkbook(sheetCount);
  office::ExcelWorkbook& book = excel.WorkBooks().Add();
  std::vector<Cells> expected(sheetCount);
  const int writes = in.ConsumeIntegralInRange(0, kMostWrites);
  for (int w = 0; w < writes; ++w) {
    const int sheet = in.ConsumeIntegralInRange(1, sheetCount);
    // Mostly a small corner, now and then the worksheet's far edges.
    const bool far = in.ConsumeIntegralInRange(0, 15) == 0;
    const auto row = far ? static_cast<uint32_t>(office::kWorksheetRows) - in.ConsumeIntegralInRange<uint32_t>(0, 2)
                         : in.ConsumeIntegralInRange<uint32_t>(1, 12);
    const auto col = far ? static_cast<uint32_t>(office::kWorksheetColumns) - in.ConsumeIntegralInRange<uint32_t>(0, 2)
                         : in.ConsumeIntegralInRange<uint32_t>(1, 6);
    const std::string text = in.ConsumeRandomLengthString(kLongestText);
    book.WorkSheets(sheet).Cells(row, col, text);
    expected[sheet - 1][{row, col}] = text;
  }
  if (in.ConsumeBool()) book.WorkSheets(1).Cells().Columns().AutoFit();
  excel.Visible(true);
  if (launcher.opened.size() != 1) Fail("the workbook was not handed over once");
  const std::string& file = launcher.opened[0];
  for (int sheet = 1; sheet <= sheetCount; ++sheet) {
    // An empty text leaves the cell empty, as it clears it.
    Cells cells = expected[sheet - 1];
    std::erase_if(cells, [](const auto& cell) { return cell.second.empty(); });
    const std::string xml = Member(file, "xl/worksheets/sheet" + std::to_string(sheet) + ".xml");
    if (CellsOf(xml, page) != cells) Fail("a worksheet does not hold the cells written");
  }
  ::unlink(file.c_str());
}

// What a line of the document must read as: its bytes without form feeds,
// control characters (but tabs and DEL) as U+FFFD.
std::string Shown(const std::string& line, const office::TextPage& page) {
  std::string text;
  for (const char c : line) {
    if (c == '\f') continue;
    const char16_t character = page.CodePoint(c);
    const bool control = character < 0x20 || (character >= 0x80 && character <= 0x9F);
    if (control && c != '\t') text += "\xEF\xBF\xBD";
    else text += page.Utf8(std::string(1, c));
  }
  return text;
}

struct Paragraph {
  std::string text;
  int pageBreaks = 0;
  bool newPage = false;
};

std::vector<Paragraph> ParagraphsOf(const std::string& xml) {
  std::vector<Paragraph> paragraphs;
  for (size_t at = xml.find("<w:p>"); at != std::string::npos; at = xml.find("<w:p>", at + 1)) {
    const std::string p = xml.substr(at, xml.find("</w:p>", at) - at);
    Paragraph paragraph;
    paragraph.newPage = p.find("<w:pageBreakBefore/>") != std::string::npos;
    for (size_t b = p.find("<w:br w:type=\"page\"/>"); b != std::string::npos; b = p.find("<w:br", b + 1)) {
      ++paragraph.pageBreaks;
    }
    const std::string run = "<w:t xml:space=\"preserve\">";
    for (size_t t = p.find(run); t != std::string::npos; t = p.find(run, t + 1)) {
      const size_t text = t + run.size();
      paragraph.text += XmlUnescaped(p.substr(text, p.find("</w:t>", text) - text));
    }
    paragraphs.push_back(paragraph);
  }
  return paragraphs;
}

void Document(FuzzedDataProvider& in, const std::string& folder) {
  const std::string templatePath = fuzzsupport::ScratchPath("zero_fil.txt");
  fuzzsupport::WriteWholeFile(templatePath, "");
  Launcher launcher;
  const office::TextPage& page = PageOf(in);
  office::DocxWordBasic word(folder, launcher, page, dbf::SystemFileSystem());
  word.FileNew(templatePath);
  std::string typed;
  while (in.remaining_bytes() > 0) {
    const std::string text = in.ConsumeRandomLengthString(kLongestText);
    word.Insert(text);
    typed += text;
  }
  word.AppShow();
  if (launcher.opened.size() != 1) Fail("the document was not handed over once");
  // Lines end at carriage returns; text after the last one is a line too.
  std::vector<std::string> lines;
  size_t begin = 0;
  for (size_t end; (end = typed.find('\r', begin)) != std::string::npos; begin = end + 1) {
    lines.push_back(typed.substr(begin, end - begin));
  }
  if (begin < typed.size()) lines.push_back(typed.substr(begin));
  // A line of form feeds alone makes no paragraph but starts the next on a new page.
  std::vector<Paragraph> expected;
  bool newPage = false;
  for (const std::string& line : lines) {
    const auto feeds = static_cast<int>(std::count(line.begin(), line.end(), '\f'));
    if (feeds > 0 && feeds == static_cast<int>(line.size())) {
      newPage = true;
      continue;
    }
    expected.push_back({Shown(line, page), feeds, newPage});
    newPage = false;
  }
  const std::vector<Paragraph> got = ParagraphsOf(Member(launcher.opened[0], "word/document.xml"));
  if (got.size() != expected.size()) Fail("the document has another number of paragraphs than lines");
  for (size_t i = 0; i < got.size(); ++i) {
    if (got[i].text != expected[i].text) Fail("a paragraph does not read as its line");
    if (got[i].pageBreaks != expected[i].pageBreaks || got[i].newPage != expected[i].newPage) {
      Fail("a paragraph's page breaks differ from its line's form feeds");
    }
  }
  ::unlink(launcher.opened[0].c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string folder = fuzzsupport::ScratchPath("exchange");
  if (in.ConsumeBool()) Workbook(in, folder);
  else Document(in, folder);
  return 0;
}
