#include "main_window_fixture.h"

// A table opens drawn in the code page its header's language byte names,
// else the one its letters tell; a table that tells nothing keeps the
// switch as it was. Nothing is written to the file.
TEST_F(MainWindowTest, ATableOpensInTheCodePageItIsFoundIn) {
  const std::vector<testsupport::FieldSpec> fields{{"NAME", 'C', 12}};
  const char* dos = "\x8f\xa5\xe2\xe0\xae\xa2";      // "Петров" in 866
  const char* windows = "\xcf\xe5\xf2\xf0\xee\xe2";  // "Петров" in 1251
  const struct {
    uint8_t languageDriver;
    const char* name;
    Qt::CheckState state;
    ui::CodePage page;
  } cases[] = {{0x65, windows, Qt::Checked, ui::CodePage::Dos866},
               {0xC9, dos, Qt::Unchecked, ui::CodePage::Windows1251},
               {0x00, dos, Qt::Checked, ui::CodePage::Dos866},
               {0x00, windows, Qt::Unchecked, ui::CodePage::Windows1251},
               {0x01, "Smith", Qt::Checked, ui::CodePage::Dos437},
               {0x03, "Smith", Qt::Unchecked, ui::CodePage::Windows1252},
               {0x00, "Smith", Qt::Unchecked, ui::CodePage::Windows1251}};  // the switch as it was
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::TableLayout layout{fields, {testsupport::Record(fields, {c.name})}};
    layout.languageDriver = c.languageDriver;
    const std::string path = dir.Path("found.dbf");
    const std::string bytes = testsupport::TableBytes(layout);
    testsupport::WriteFile(path, bytes);
    OpenFromMenu(path);
    EXPECT_EQ(form->Controls().cbCheckBox1->checkState(), c.state);
    EXPECT_EQ(form->Controls().StringGrid1->Page(), c.page);
    EXPECT_EQ(form->Table().Page(), c.page);
    EXPECT_EQ(testsupport::ReadFile(path), bytes);
  }
}
