// Copying records between tables of different layout, fields paired by name:
// a range of the current table's records appended to a table in its folder
// (the bottom panel's Edit1, Edit3, Edit2 and Button2), and every record of
// another table appended to the current one (menu "Операции").
#pragma once

class TForm2;

class TRecordCopy {
 public:
  // Hooks the commands onto the window's Button2 and N13.
  explicit TRecordCopy(TForm2& form);

  void Button2Click();  // "Копировать файл"
  void N13Click();      // "Скопировать из файла :"

 private:
  TForm2& form_;
};
