#include "header_codec.h"
#include "raw_doc.h"
#include "raw_file.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

using namespace rawview;
using testsupport::FieldSpec;
using testsupport::TableLayout;

namespace {

std::string SampleTable() {
  const std::vector<FieldSpec> fields = {{"NAME", 'C', 12}, {"SUM", 'N', 10, 2, 13}};
  std::string bytes = testsupport::TableBytes({fields, {testsupport::Record(fields, {"ab", "1.50"})}});
  bytes[1] = 124;  // 2024
  bytes[2] = 3;
  bytes[3] = 9;
  return bytes;
}

RowBytes Read(const CharTable& cells, int64_t row) {
  std::string error;
  auto b = ReadRowBytes(cells, row, &error);
  EXPECT_TRUE(b.has_value()) << error;
  return b.value_or(RowBytes{});
}

// The texts of the five edits, in the order the structs hold them.
std::vector<std::string> Texts(const HeaderTexts& h) {
  return {h.version, h.date, h.headerSize, h.recordLength, h.recordCount};
}
std::vector<std::string> Texts(const DescriptorTexts& d) { return {d.name, d.type, d.length, d.offset, d.decimals}; }
using Strings = std::vector<std::string>;

}  // namespace

TEST(HeaderCodec, DecodesATableHeaderAndItsDescriptorsAndWritesTheHeaderBack) {
  auto doc = DocOf(SampleTable());
  EXPECT_EQ(Texts(DecodeHeader(Read(doc.cells, 1))), (Strings{"3", "124-03-09", "97", "23", "1"}));
  EXPECT_EQ(Texts(DecodeDescriptor(Read(doc.cells, 5), WideCharLengths(doc))), (Strings{"SUM", "N", "10", "13", "2"}));

  // The header size is read as two bytes, the record length as four.
  auto bytes = SampleTable();
  bytes[9] = 1;
  bytes[12] = 1;
  EXPECT_EQ(DecodeHeader(Read(DocOf(bytes).cells, 1)).headerSize, "353");
  EXPECT_EQ(DecodeHeader(Read(DocOf(bytes).cells, 1)).recordLength, "65559");

  // Written back into the cells, or told why not.
  HeaderTexts edits{" 131 ", "99-12-31", "353", "70000", "300"};
  EXPECT_EQ(WriteHeader(doc.cells, 1, edits), "");
  const std::string saved = BytesOf(doc);
  EXPECT_EQ(static_cast<uint8_t>(saved[0]), 131);
  EXPECT_EQ(saved.substr(1, 3), std::string("\x63\x0c\x1f"));
  EXPECT_EQ(testsupport::U32At(saved, 4), 300u);
  EXPECT_EQ(testsupport::U16At(saved, 8), 353);
  EXPECT_EQ(testsupport::U32At(saved, 10), 70000u);
  EXPECT_EQ(doc.cells.Text(9), "97");  // written without blanks
  EXPECT_EQ(doc.cells.Text(10), "1");
  EXPECT_EQ(saved.substr(14), SampleTable().substr(14));

  // A bad number, a missing row or a short date.
  doc = DocOf(SampleTable());
  EXPECT_EQ(WriteHeader(doc.cells, 1, {"3", "1-1-1", "x", "1", "1"}), "'x' is not a valid integer value");
  EXPECT_EQ(BytesOf(doc), SampleTable());
  // A table whose characters were all deleted has no row to write into.
  CharTable none;
  EXPECT_EQ(WriteHeader(none, 1, {"3", "1-1-1", "32", "1", "1"}), "Недопустимый номер строки!");
  // Missing date pieces are empty texts, which saving refuses.
  EXPECT_EQ(WriteHeader(doc.cells, 1, {"3", "24", "97", "23", "1"}), "");
  EXPECT_EQ(doc.cells.Text(2), "24");
  EXPECT_TRUE(doc.cells.IsEmpty(3));
  EXPECT_TRUE(doc.cells.IsEmpty(4));
  EXPECT_EQ(CountBadCells(doc), 2);
}

TEST(HeaderCodec, RefusesTheLastRowAndCellsThatDoNotConvert) {
  auto doc = DocOf(Letters(40));
  std::string error;
  EXPECT_FALSE(ReadRowBytes(doc.cells, 3, &error));
  EXPECT_EQ(error, "Недопустимый номер строки!");
  doc.cells.SetText(20, "1a");
  EXPECT_FALSE(ReadRowBytes(doc.cells, 1, &error));
  EXPECT_EQ(error, "'1a' is not a valid integer value");
  // Empty cells count 0, numbers count their low 8 bits.
  doc.cells.SetText(20, "");
  doc.cells.SetText(1, "257");
  const RowBytes b = Read(doc.cells, 1);
  EXPECT_EQ(b[19], 0);
  EXPECT_EQ(b[0], 1);
}

TEST(HeaderCodec, WritesADescriptorBackIntoTwoRowsOrSaysWhyNot) {
  auto doc = DocOf(SampleTable());
  DescriptorTexts edits{"ABCDEFGHIJKL", "D", "8", "$100", "0"};
  EXPECT_TRUE(WriteDescriptor(doc, 3, edits).empty());
  std::string saved = BytesOf(doc);
  EXPECT_EQ(saved.substr(32, 12), std::string("ABCDEFGHIJ\0D", 12));
  EXPECT_EQ(doc.cells.Text(CharIndex(3, 1)), " 65");  // name codes right-aligned
  EXPECT_EQ(testsupport::U32At(saved, 44), 256u);
  EXPECT_EQ(saved[48], 8);
  EXPECT_EQ(saved[49], 0);
  EXPECT_EQ(saved.substr(50), SampleTable().substr(50));
  EXPECT_EQ(DecodeDescriptor(Read(doc.cells, 3), false).name, "ABCDEFGHIJ");

  // A bad type is kept, the rest written.
  doc = DocOf(SampleTable());
  const auto messages = WriteDescriptor(doc, 3, {"ID", "X", "4", "1", "0"});
  EXPECT_EQ(messages, std::vector<std::string>{"Error type Field!"});
  saved = BytesOf(doc);
  EXPECT_EQ(saved.substr(32, 12), std::string("ID\0\0\0\0\0\0\0\0\0C", 12));
  EXPECT_EQ(saved[48], 4);
  auto last = DocOf(Letters(20));
  EXPECT_EQ(WriteDescriptor(last, 2, {"ID", "C", "4", "1", "0"}),
            std::vector<std::string>{"Недопустимый номер строки!"});
}

namespace {

// NOTE(300) as length byte 44 and high byte 1 in the decimals byte, then
// SUM: descriptors at rows 3 and 5.
std::string LongCharacterTable() {
  TableLayout layout{{{"NOTE", 'C', 44, 1, 1}, {"SUM", 'N', 8, 2, 301}}, {}};
  layout.recordLengthOverride = 1 + 300 + 8;
  return testsupport::TableBytes(layout);
}

}  // namespace

TEST(HeaderCodec, LengthsAbove255ReadAndWriteAsTheEngineReadsThem) {
  struct Case { const char* name; std::string bytes; bool wide; int64_t row; const char *length, *decimals; };
  std::string plainLengths = LongCharacterTable();
  plainLengths[10] = 1 + 44 + 8;  // the plain lengths make the record length
  plainLengths[11] = 0;
  const std::vector<Case> cases = {
      {"long character field", LongCharacterTable(), true, 3, "300", "0"},
      {"numeric field after it", LongCharacterTable(), true, 5, "8", "2"},
      {"plain lengths add up", plainLengths, false, 3, "44", "1"},
      {"header cut short", LongCharacterTable().substr(0, 60), false, 3, "44", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto doc = DocOf(c.bytes);
    EXPECT_EQ(WideCharLengths(doc), c.wide);
    const DescriptorTexts d = DecodeDescriptor(Read(doc.cells, c.row), WideCharLengths(doc));
    EXPECT_EQ(d.length, c.length);
    EXPECT_EQ(d.decimals, c.decimals);
    // Written back as shown, the descriptor keeps its bytes.
    EXPECT_TRUE(WriteDescriptor(doc, c.row, d).empty());
    EXPECT_EQ(BytesOf(doc), c.bytes);
  }

  // A new length goes into both bytes and keeps the table's convention.
  auto doc = DocOf(LongCharacterTable());
  EXPECT_TRUE(WriteDescriptor(doc, 3, {"NOTE", "C", "290", "1", "5"}).empty());
  EXPECT_EQ(BytesOf(doc).substr(48, 2), std::string("\x22\x01", 2));
  // A cell that does not convert leaves the convention undecided: plain.
  doc = DocOf(LongCharacterTable());
  doc.cells.SetText(CharIndex(5, 1), "x");
  EXPECT_FALSE(WideCharLengths(doc));
}
