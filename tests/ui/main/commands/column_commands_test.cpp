#include "main_window_fixture.h"
#include "table_records.h"


namespace {

const std::vector<testsupport::FieldSpec> kFields{{"NAME", 'C', 5}, {"SUMMA", 'N', 7, 2}, {"summa2", 'N', 5}};

class ColumnCommandsTest : public MainWindowTest {
 protected:
  // Records: name, sum, deleted.
  void OpenSums(const std::vector<std::tuple<std::string, std::string, bool>>& rows) {
    testsupport::TableLayout layout;
    layout.fields = kFields;
    for (const auto& [name, sum, deleted] : rows) {
      layout.records.push_back(testsupport::Record(kFields, {name, sum, "    1"}, deleted));
    }
    table = dir.Path("sums.dbf");
    testsupport::WriteFile(table, testsupport::TableBytes(layout));
    OpenFromMenu(table);
  }

  void Press(QPushButton* button, const char* fieldName) {
    form->Controls().Edit4->setText(QString::fromUtf8(fieldName));
    button->click();
  }

  std::string table;
};

TEST_F(ColumnCommandsTest, SumsEveryRecordAndRefusesWrongNamesAndTextFields) {
  OpenSums({{"a", "   1.25", false}, {"b", "   2.50", true}, {"c", "", false}});
  const std::string before = testsupport::ReadFile(table);
  Press(form->Controls().Button4, " summa ");
  EXPECT_TRUE(form->Controls().ProgressBar1->isHidden());
  Press(form->Controls().Button4, "name");
  Press(form->Controls().Button5, "name");
  Press(form->Controls().Button4, "sum");
  // A field stored in small letters is never found.
  Press(form->Controls().Button5, "summa2");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Сумма= " + std::string(16, ' ') + "3.75",
                                                        "Ошибка! Не числовое поле!", "Ошибка! Не числовое поле!",
                                                        "Ошибка в имени поля!", "Ошибка в имени поля!"}));
  EXPECT_TRUE(exits.empty());
  EXPECT_EQ(testsupport::ReadFile(table), before);
}

TEST_F(ColumnCommandsTest, RemovingZeroRowsAlsoPurgesEarlierFlags) {
  OpenSums({{"a", "   0.00", false}, {"b", "   2.50", false}, {"c", "   3.00", true}, {"d", "", false}, {"e", "  -0.01", false}});
  Press(form->Controls().Button5, "summa");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Удаление строк с нулевыми суммами выполнено!"}));
  EXPECT_EQ(FieldOf(RecordsOf(table), 0, 2), std::vector<std::string>({" b", " e"}));
  ASSERT_EQ(form->Controls().StringGrid1->RowCount(), 3);
  EXPECT_EQ(Cell(1, 0), "      1");
  EXPECT_EQ(Cell(2, 1), "e");
  EXPECT_EQ(Shown(form->Controls().StaticText1), "      2 записей.");

  // No zero left: the earlier flags still go.
  dialogs.messages.clear();
  std::string bytes = testsupport::ReadFile(table);
  bytes[testsupport::U16At(bytes, 8)] = '*';
  testsupport::WriteFile(table, bytes);
  Press(form->Controls().Button5, "SUMMA");
  EXPECT_EQ(FieldOf(RecordsOf(table), 0, 2), std::vector<std::string>({" e"}));
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 2);
}

}  // namespace
