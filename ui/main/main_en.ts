<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>GridPaste</name>
    <message>
        <source>правее последнего поля</source>
        <translation>right of the last field</translation>
    </message>
    <message>
        <source>мемо-поле не правится в таблице</source>
        <translation>a memo field is not edited in the table</translation>
    </message>
    <message>
        <source>символа &quot;%1&quot; нет в кодировке %2</source>
        <translation>code page %2 has no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Не вставлено ячеек: %1 (их текст не изменён).</source>
        <translation>Cells not pasted: %1 (their text is unchanged).</translation>
    </message>
    <message>
        <source>строка %1, поле %2: %3</source>
        <translation>row %1, field %2: %3</translation>
    </message>
    <message>
        <source>и ещё %1</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Вставить строки</source>
        <translation>Insert rows</translation>
    </message>
    <message>
        <source>Вставляемый блок ниже последней строки на %1 строк.<byte value="xd"/>
Добавить их в таблицу?</source>
        <translation>The pasted block reaches %1 rows below the last row.<byte value="xd"/>
Add them to the table?</translation>
    </message>
</context>
<context>
    <name>IndexNotice</name>
    <message>
        <source>Индексные файлы</source>
        <translation>Index files</translation>
    </message>
    <message>
        <source>У файла %1 есть индекс:%2<byte value="xd"/>
После изменения таблицы индекс нужно перестроить программой, которая его ведёт; эта программа индекс не изменяет.<byte value="xd"/>
Изменить таблицу?</source>
        <translation>The file %1 has an index:%2<byte value="xd"/>
After the table changes, the index must be rebuilt by the program that keeps it; this program does not change the index.<byte value="xd"/>
Change the table?</translation>
    </message>
</context>
<context>
    <name>MemoCells</name>
    <message>
        <source>Мемо-поле: двойной щелчок показывает весь текст</source>
        <translation>Memo field: double-click shows the whole text</translation>
    </message>
    <message>
        <source>Строка %1, поле %2</source>
        <translation>Row %1, field %2</translation>
    </message>
    <message>
        <source>(двоичные данные, %1 байт)</source>
        <translation>(binary data, %1 bytes)</translation>
    </message>
    <message>
        <source>Мемо-файл таблицы (.dbt или .fpt) не найден: тексты мемо-полей не показаны.</source>
        <translation>The table&apos;s memo file (.dbt or .fpt) was not found: memo texts are not shown.</translation>
    </message>
    <message>
        <source>Мемо-файл %1 повреждён или не читается: тексты мемо-полей не показаны.</source>
        <translation>Memo file %1 is damaged or cannot be read: memo texts are not shown.</translation>
    </message>
    <message>
        <source>%1: номер блока мемо-файла не прочитан.</source>
        <translation>%1: the memo file block number cannot be read.</translation>
    </message>
    <message>
        <source>%1: блок %2 за концом мемо-файла %3.</source>
        <translation>%1: block %2 is past the end of memo file %3.</translation>
    </message>
    <message>
        <source>%1: текст в блоке %2 мемо-файла %3 повреждён.</source>
        <translation>%1: the text in block %2 of memo file %3 is damaged.</translation>
    </message>
    <message>
        <source>[Текст мемо-поля длиннее %1 МБ и показан не весь.]</source>
        <translation>[The memo text is longer than %1 MB and is not shown whole.]</translation>
    </message>
</context>
<context>
    <name>OpenTable</name>
    <message>
        <source>Команда не выполнена!</source>
        <translation>The command was not carried out!</translation>
    </message>
    <message>
        <source>Строки можно сохранить в новый файл командой &quot;Save as :&quot;.<byte value="xd"/>
</source>
        <translation>The rows can be saved to a new file with &quot;Save as :&quot;.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>№ п/п</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Строки таблицы не загружены из файла,<byte value="xd"/>
а текущий файл %1.<byte value="xd"/>
</source>
        <translation>The table&apos;s rows were not loaded from a file,<byte value="xd"/>
but the current file is %1.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Строки таблицы загружены из файла %1,<byte value="xd"/>
а текущий файл %2.<byte value="xd"/>
</source>
        <translation>The table&apos;s rows were loaded from file %1,<byte value="xd"/>
but the current file is %2.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Файл %1 удалён после загрузки строк таблицы.<byte value="xd"/>
</source>
        <translation>File %1 was deleted after the table&apos;s rows were loaded.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Файл %1 заменён другим файлом после загрузки строк таблицы.<byte value="xd"/>
</source>
        <translation>File %1 was replaced by another file after the table&apos;s rows were loaded.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Структура файла %1 изменилась после загрузки строк таблицы.<byte value="xd"/>
</source>
        <translation>The structure of file %1 changed after the table&apos;s rows were loaded.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Файл изменён</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>Файл %1 изменён другой программой после загрузки строк таблицы.<byte value="xd"/>
</source>
        <translation>File %1 was changed by another program after the table&apos;s rows were loaded.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Загрузить таблицу из файла заново?</source>
        <translation>Load the table from the file again?</translation>
    </message>
</context>
<context>
    <name>SettingsFolder</name>
    <message>
        <source>Настройки в этот раз не читаются и не сохраняются: %1</source>
        <translation>This time the settings are neither read nor kept: %1</translation>
    </message>
</context>
<context>
    <name>TColumnCommands</name>
    <message>
        <source>Ошибка в имени поля!</source>
        <translation>Error in field name!</translation>
    </message>
    <message>
        <source>Ошибка! Не числовое поле!</source>
        <translation>Error! Not a numeric field!</translation>
    </message>
    <message>
        <source>Сумма= %1</source>
        <translation>Sum= %1</translation>
    </message>
    <message>
        <source>Удаление строк с нулевыми суммами выполнено!</source>
        <translation>Rows with zero sums deleted!</translation>
    </message>
</context>
<context>
    <name>TCreat_FForm</name>
    <message>
        <source>Поле не найдено!</source>
        <translation>Field not found!</translation>
    </message>
    <message>
        <source>Структура файла изменена.<byte value="xd"/>
Поле удалено!</source>
        <translation>File structure changed.<byte value="xd"/>
Field deleted!</translation>
    </message>
</context>
<context>
    <name>TCsvCommands</name>
    <message>
        <source>Файлы CSV|*.csv|Все файлы|*.*|CSV в кодировке Windows 1251|*.csv|CSV в кодировке DOS 866|*.csv|</source>
        <translation>CSV files|*.csv|All files|*.*|CSV in Windows 1251|*.csv|CSV in DOS 866|*.csv|</translation>
    </message>
    <message>
        <source>Записано в CSV строк: %1.<byte value="xd"/>
%2</source>
        <translation>Rows written to CSV: %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Создать из CSV</source>
        <translation>Create from CSV</translation>
    </message>
    <message>
        <source>Файл уже есть:<byte value="xd"/>
%1<byte value="xd"/>
Таблица из CSV пишется только в новый файл.</source>
        <translation>The file already exists:<byte value="xd"/>
%1<byte value="xd"/>
A table from CSV is written only to a new file.</translation>
    </message>
    <message>
        <source>Таблица не создана: значения не помещаются в поля.</source>
        <translation>Table not created: values do not fit the fields.</translation>
    </message>
    <message>
        <source>Таблица создана из CSV, записей: %1.<byte value="xd"/>
%2</source>
        <translation>Table created from CSV, records: %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Файлы CSV|*.csv|Все файлы|*.*|CSV для электронных таблиц в русской локали (;, десятичная запятая)|*.csv|</source>
        <translation>CSV files|*.csv|All files|*.*|CSV for spreadsheets in a Russian locale (;, decimal comma)|*.csv|</translation>
    </message>
    <message>
        <source>Взять поля из готовой таблицы-образца?<byte value="xd"/>
<byte value="xd"/>
Да: поля и их длины точно как в образце.<byte value="xd"/>
Нет: типы полей по значениям, поля C и N с запасом длины.</source>
        <translation>Take the fields from an existing sample table?<byte value="xd"/>
<byte value="xd"/>
Yes: the fields and their lengths exactly as in the sample.<byte value="xd"/>
No: field types from the values, C and N fields with some spare length.</translation>
    </message>
</context>
<context>
    <name>TDeletionCommands</name>
    <message>
        <source>Удаление выполнено!</source>
        <translation>Deletion done!</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Поиск</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Учитывать регистр</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Найти далее</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Найти назад</source>
        <translation>Find previous</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>В столбце:</source>
        <translation>In column:</translation>
    </message>
    <message>
        <source>Все столбцы</source>
        <translation>All columns</translation>
    </message>
    <message>
        <source>Текст &quot;%1&quot; не найден.</source>
        <translation>Text &quot;%1&quot; not found.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Файлы для офисных программ занимают %1 МБ: %2</source>
        <translation>Files for office programs take %1 MB: %2</translation>
    </message>
    <message>
        <source>Обновить из файла</source>
        <translation>Reload from file</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Найти далее</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Найти назад</source>
        <translation>Find previous</translation>
    </message>
    <message>
        <source>Перейти к записи</source>
        <translation>Go to record</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не найден.</source>
        <translation>File &quot;%1&quot; not found.</translation>
    </message>
    <message>
        <source>Файлы</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Создать из CSV…</source>
        <translation>Create from CSV…</translation>
    </message>
    <message>
        <source>Операции</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>Выбор шрифта</source>
        <translation>Choose font</translation>
    </message>
    <message>
        <source>Корректировать</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Отмена корректировки</source>
        <translation>Cancel editing</translation>
    </message>
    <message>
        <source>Вставить строку</source>
        <translation>Insert row</translation>
    </message>
    <message>
        <source>Перед строкой</source>
        <translation>Before row</translation>
    </message>
    <message>
        <source>После строки</source>
        <translation>After row</translation>
    </message>
    <message>
        <source>Ремонт структуры файла</source>
        <translation>Repair file structure</translation>
    </message>
    <message>
        <source>Изменить имя поля</source>
        <translation>Rename field</translation>
    </message>
    <message>
        <source>Очистить весь файл</source>
        <translation>Clear whole file</translation>
    </message>
    <message>
        <source>Скопировать из файла :</source>
        <translation>Copy from file :</translation>
    </message>
    <message>
        <source>Выполнить условие</source>
        <translation>Select by condition</translation>
    </message>
    <message>
        <source>Копировать в EXCEL</source>
        <translation>Copy to EXCEL</translation>
    </message>
    <message>
        <source>Прочие операции</source>
        <translation>Other operations</translation>
    </message>
    <message>
        <source>В EXCEL для Redozazoz</source>
        <translation>To EXCEL for Redozazoz</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Удалить запись</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Печать в текстовый файл и MS  WORD</source>
        <translation>Print to text file and MS WORD</translation>
    </message>
    <message>
        <source>Сохранить  файл </source>
        <translation>Save file </translation>
    </message>
    <message>
        <source>Записать в MS EXCEL</source>
        <translation>Write to MS EXCEL</translation>
    </message>
    <message>
        <source>Удаление отмеченных записей.</source>
        <translation>Deleting marked records.</translation>
    </message>
    <message>
        <source>Отетка удаления записи</source>
        <translation>Mark record as deleted</translation>
    </message>
    <message>
        <source>Снять отметку удаления</source>
        <translation>Clear deletion mark</translation>
    </message>
    <message>
        <source>Удалить отмеченные записи</source>
        <translation>Delete marked records</translation>
    </message>
    <message>
        <source>Символ &quot;%1&quot; нельзя записать в кодировке %2.<byte value="xd"/>
Текст ячейки не изменён.</source>
        <translation>The character &quot;%1&quot; cannot be written in code page %2.<byte value="xd"/>
The cell&apos;s text is unchanged.</translation>
    </message>
    <message>
        <source>Имя файла для копии</source>
        <translation>Name of the copy</translation>
    </message>
    <message>
        <source>№ 1-й записи</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>№ последней записи</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Копировать файл</source>
        <translation>Copy file</translation>
    </message>
    <message>
        <source>Кодировка (DOS, Windows) </source>
        <translation>Code page (DOS, Windows) </translation>
    </message>
    <message>
        <source>По имени столбца</source>
        <translation>By column name</translation>
    </message>
    <message>
        <source>Подсчет суммы</source>
        <translation>Calculate sum</translation>
    </message>
    <message>
        <source>Удалить нулевые</source>
        <translation>Delete zeros</translation>
    </message>
    <message>
        <source>Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|</source>
        <translation>Files *.dbf|*.dbf|All files|*.*|EXCEL files|*.xls|</translation>
    </message>
    <message>
        <source>Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|Как текстовый файл|*.*|</source>
        <translation>Files *.dbf|*.dbf|All files|*.*|EXCEL files|*.xls|As text file|*.*|</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Поле %1, строка %2: %3.<byte value="xd"/>
Текст ячейки не изменён.</source>
        <translation>Field %1, row %2: %3.<byte value="xd"/>
The cell&apos;s text is unchanged.</translation>
    </message>
    <message>
        <source>Отменить: правка в таблице</source>
        <translation>Undo: edit in the grid</translation>
    </message>
    <message>
        <source>Вернуть: правка в таблице</source>
        <translation>Redo: edit in the grid</translation>
    </message>
    <message>
        <source>%1 строк</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source> (в заголовке файла: %1)</source>
        <translation> (file header: %1)</translation>
    </message>
</context>
<context>
    <name>TGoToRecord</name>
    <message>
        <source>Перейти к записи</source>
        <translation>Go to record</translation>
    </message>
    <message>
        <source>Номер записи (1 - %1):</source>
        <translation>Record number (1 - %1):</translation>
    </message>
    <message>
        <source>Нет записи с номером &quot;%1&quot;.</source>
        <translation>There is no record number &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Запись %1 скрыта отбором.</source>
        <translation>Record %1 is hidden by the filter.</translation>
    </message>
</context>
<context>
    <name>TGridStatus</name>
    <message>
        <source>Запись %1 из %2</source>
        <translation>Record %1 of %2</translation>
    </message>
    <message>
        <source>Отмечено: %1</source>
        <translation>Marked: %1</translation>
    </message>
    <message>
        <source>%1 (системная)</source>
        <translation>%1 (system)</translation>
    </message>
</context>
<context>
    <name>TMemoView</name>
    <message>
        <source>Мемо-поле %1, строка %2</source>
        <translation>Memo field %1, row %2</translation>
    </message>
    <message>
        <source>Мемо-поле %1 только для просмотра: его текст в мемо-файле не изменяется.<byte value="xd"/>
Двойной щелчок показывает весь текст.</source>
        <translation>Memo field %1 is read-only: its text in the memo file is not changed.<byte value="xd"/>
Double-click shows the whole text.</translation>
    </message>
</context>
<context>
    <name>TNewFieldPanel</name>
    <message>
        <source>Ошибка в имени поля!</source>
        <translation>Error in the field name!</translation>
    </message>
    <message>
        <source>Ошибка длины поля!</source>
        <translation>Error in the field length!</translation>
    </message>
    <message>
        <source>Ошибка колич.знаков после зпт!</source>
        <translation>Error in the number of decimals!</translation>
    </message>
    <message>
        <source>Ошибка типа поля!</source>
        <translation>Error in the field type!</translation>
    </message>
    <message>
        <source>Необходимо очистить файл!</source>
        <translation>The file must be emptied first!</translation>
    </message>
    <message>
        <source>Изменение структуры файла.</source>
        <translation>Changing the file structure.</translation>
    </message>
    <message>
        <source>Ввод нового поля.</source>
        <translation>Entering a new field.</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Имя поля</source>
        <translation>Field name</translation>
    </message>
    <message>
        <source>Тип поля</source>
        <translation>Field type</translation>
    </message>
    <message>
        <source>Размер поля</source>
        <translation>Field size</translation>
    </message>
    <message>
        <source>Число знаков после запятой ( для числа )</source>
        <translation>Decimal places ( for numbers )</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Нет места для нового поля в заголовке файла!</source>
        <translation>No room for a new field in the file header!</translation>
    </message>
    <message>
        <source>Структура файла изменена.<byte value="xd"/>
Новое поле введено!</source>
        <translation>File structure changed.<byte value="xd"/>
New field added!</translation>
    </message>
</context>
<context>
    <name>TRecordCopy</name>
    <message>
        <source>Копирование не выполнено!<byte value="xd"/>
Нет имени файла для копии.</source>
        <translation>Copy not done!<byte value="xd"/>
No file name for the copy.</translation>
    </message>
    <message>
        <source>Файл пуст!</source>
        <translation>File is empty!</translation>
    </message>
    <message>
        <source>Копирование файла выполнено!</source>
        <translation>File copied!</translation>
    </message>
    <message>
        <source>Отмена копирования !</source>
        <translation>Copy cancelled!</translation>
    </message>
    <message>
        <source>Выполнить копирование?</source>
        <translation>Start copying?</translation>
    </message>
    <message>
        <source>Копируемый файл : %1</source>
        <translation>File to copy : %1</translation>
    </message>
    <message>
        <source>Копирование выполнено!</source>
        <translation>Copy done!</translation>
    </message>
</context>
<context>
    <name>TRecordEditing</name>
    <message>
        <source>Сохранение выполнено!</source>
        <translation>Saved!</translation>
    </message>
    <message>
        <source>Копирование выполнено!</source>
        <translation>Copy done!</translation>
    </message>
</context>
<context>
    <name>TRecordView</name>
    <message>
        <source>Отбор: %1 из %2</source>
        <translation>Filter: %1 of %2</translation>
    </message>
</context>
<context>
    <name>TRenamePanel</name>
    <message>
        <source>Изменение имени поля.</source>
        <translation>Renaming a field.</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Обзор имен</source>
        <translation>Browse names</translation>
    </message>
    <message>
        <source>Имя поля для изменения</source>
        <translation>Field to rename</translation>
    </message>
    <message>
        <source>Новое имя поля ( реквизита )</source>
        <translation>New field name</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>№ п/п</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Имя поля</source>
        <translation>Field name</translation>
    </message>
    <message>
        <source>Ошибка нового имени поля!</source>
        <translation>Error in the new field name!</translation>
    </message>
</context>
<context>
    <name>TRepairPanel</name>
    <message>
        <source>Реорганизовать структуру файла.</source>
        <translation>Reorganize the file structure.</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>  Смещение поля в записи  </source>
        <translation>  Field offset in record  </translation>
    </message>
    <message>
        <source>не редактировать</source>
        <translation>do not edit</translation>
    </message>
    <message>
        <source>редактировать</source>
        <translation>edit</translation>
    </message>
    <message>
        <source>Обзор</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Исходный файл.</source>
        <translation>Source file.</translation>
    </message>
    <message>
        <source>Результирующий файл</source>
        <translation>Result file</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Результирующий файл совпадает с исходным!</source>
        <translation>The result file is the source file!</translation>
    </message>
</context>
<context>
    <name>TSeleRecForm</name>
    <message>
        <source>Для всех записей</source>
        <translation>For all records</translation>
    </message>
    <message>
        <source>Для записей по условию</source>
        <translation>For records by condition</translation>
    </message>
    <message>
        <source>Отметка для удаления</source>
        <translation>Mark for deletion</translation>
    </message>
    <message>
        <source>Снять отметку об удалении</source>
        <translation>Remove deletion mark</translation>
    </message>
    <message>
        <source>Копировать в файл :</source>
        <translation>Copy to file :</translation>
    </message>
    <message>
        <source>Операции с файлом по выбранному условию.</source>
        <translation>File operations by the chosen condition.</translation>
    </message>
    <message>
        <source>Условие обработки.</source>
        <translation>Processing condition.</translation>
    </message>
    <message>
        <source>Выполнить копирование?</source>
        <translation>Run the copy?</translation>
    </message>
    <message>
        <source>File %1<byte value="xd"/>
копируется в файл  %2</source>
        <translation>File %1<byte value="xd"/>
will be copied to file  %2</translation>
    </message>
    <message>
        <source>Копирование выполнено!</source>
        <translation>Copy done!</translation>
    </message>
</context>
<context>
    <name>TSortPanel</name>
    <message>
        <source>Сортировка не выполнена!<byte value="xd"/>
</source>
        <translation>Sort not done!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>по возрастанию</source>
        <translation>ascending</translation>
    </message>
    <message>
        <source>по убыванию</source>
        <translation>descending</translation>
    </message>
    <message>
        <source>Сортировка файла типа &quot;DBF&quot;</source>
        <translation>Sorting a &quot;DBF&quot; file</translation>
    </message>
    <message>
        <source>Вид сортировки :</source>
        <translation>Sort order :</translation>
    </message>
    <message>
        <source>1 - по возростанию</source>
        <translation>1 - ascending</translation>
    </message>
    <message>
        <source>2 - по убыванию</source>
        <translation>2 - descending</translation>
    </message>
    <message>
        <source>Количество сортируемых полей</source>
        <translation>Number of sort fields</translation>
    </message>
    <message>
        <source>Error Name Field!<byte value="xd"/>
ИМЯ ПОЛЯ В КОЛ.1-%1<byte value="xd"/>
RabStrNameFieldRowZero-%2</source>
        <translation>Error Name Field!<byte value="xd"/>
FIELD NAME IN COL.1-%1<byte value="xd"/>
RabStrNameFieldRowZero-%2</translation>
    </message>
    <message>
        <source>Тип сортировки не равен 1 или 2 </source>
        <translation>Sort type is not 1 or 2 </translation>
    </message>
    <message>
        <source>Нет имени отсортированного файла.</source>
        <translation>No name given for the sorted file.</translation>
    </message>
    <message>
        <source>Тип сортировки не равен 1 или 2.</source>
        <translation>Sort type is not 1 or 2.</translation>
    </message>
    <message>
        <source>Ошибка в имени поля.</source>
        <translation>Error in a field name.</translation>
    </message>
    <message>
        <source>Сортировка выполнена!</source>
        <translation>Sort done!</translation>
    </message>
    <message>
        <source>Отсортированный файл не может быть исходным файлом.</source>
        <translation>The sorted file cannot be the source file.</translation>
    </message>
    <message>
        <source>Не хватает памяти для ключей сортировки.</source>
        <translation>Not enough memory for the sort keys.</translation>
    </message>
</context>
<context>
    <name>TStructureCommands</name>
    <message>
        <source>Отмена копирования!<byte value="xd"/>
Dublicate file!</source>
        <translation>Copy cancelled!<byte value="xd"/>
Duplicate file!</translation>
    </message>
    <message>
        <source>Копирование структуры выполнено!</source>
        <translation>Structure copied!</translation>
    </message>
    <message>
        <source>Необходимо очистить файл!</source>
        <translation>The file must be cleared first!</translation>
    </message>
</context>
<context>
    <name>TTableUndo</name>
    <message>
        <source><byte value="xd"/>
Это изменение нельзя будет отменить.</source>
        <translation><byte value="xd"/>
This change cannot be undone.</translation>
    </message>
    <message>
        <source>Файл %1 слишком велик, чтобы сохранить его копию.</source>
        <translation>File %1 is too large to keep a copy of it.</translation>
    </message>
    <message>
        <source>Копию файла %1 сохранить не удалось: %2.</source>
        <translation>A copy of file %1 could not be saved: %2.</translation>
    </message>
    <message>
        <source>Нет изменений файла %1 для отмены.</source>
        <translation>No changes of file %1 to undo.</translation>
    </message>
    <message>
        <source>Последнее изменение файла отменено.</source>
        <translation>The file&apos;s last change was undone.</translation>
    </message>
    <message>
        <source>В строках таблицы есть несохранённые изменения: сначала сохраните их (&quot;Save&quot;, &quot;Save as :&quot;) или загрузите таблицу заново.<byte value="xd"/>
Команда не выполнена!</source>
        <translation>The table&apos;s rows have unsaved changes: save them first (&quot;Save&quot;, &quot;Save as :&quot;) or load the table again.<byte value="xd"/>
The command was not carried out!</translation>
    </message>
    <message>
        <source>Нет отменённых изменений файла %1.</source>
        <translation>No undone changes of file %1.</translation>
    </message>
    <message>
        <source>Файл изменён</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>Файл %1 изменён после того, как программа его записала.<byte value="xd"/>
Его нынешнее содержимое будет сохранено: его можно будет вернуть. Продолжить?</source>
        <translation>File %1 was changed after the program wrote it.<byte value="xd"/>
Its present content will be kept and can be brought back. Go on?</translation>
    </message>
    <message>
        <source>Копию файла %1 сохранить не удалось.</source>
        <translation>The copy of file %1 could not be kept.</translation>
    </message>
    <message>
        <source>Команда не выполнена!</source>
        <translation>The command was not carried out!</translation>
    </message>
    <message>
        <source>Отменённое изменение файла возвращено.</source>
        <translation>The undone change of the file is redone.</translation>
    </message>
    <message>
        <source>изменение файла</source>
        <translation>file change</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Запись прервана</source>
        <translation>Write broken off</translation>
    </message>
    <message>
        <source>Запись в файл %1 была прервана, и он может быть испорчен.<byte value="xd"/>
Вернуть файл, каким он был до этой записи?</source>
        <translation>The write into the file %1 was broken off, and the file may be damaged.<byte value="xd"/>
Put the file back as it was before that write?</translation>
    </message>
    <message>
        <source>Файл %1 возвращён, каким он был до прерванной записи.</source>
        <translation>The file %1 is back as it was before the broken-off write.</translation>
    </message>
    <message>
        <source>Файл %1 вернуть не удалось: %2.</source>
        <translation>The file %1 could not be put back: %2.</translation>
    </message>
</context>
<context>
    <name>TUnsavedEdits</name>
    <message>
        <source>Сохранить изменения в файле %1?</source>
        <translation>Save the changes to file %1?</translation>
    </message>
</context>
<context>
    <name>TableChecks</name>
    <message>
        <source>Файл %1 не является таблицей DBF</source>
        <translation>File %1 is not a DBF table</translation>
    </message>
    <message>
        <source>Совпадение имен исходного и выходного файлов!</source>
        <translation>The source and output file names are the same!</translation>
    </message>
    <message>
        <source>Файл %1 не удается открыть для чтения и записи%2</source>
        <translation>File %1 cannot be opened for reading and writing%2</translation>
    </message>
    <message>
        <source>Файл %1 не удается открыть для чтения%2</source>
        <translation>File %1 cannot be opened for reading%2</translation>
    </message>
    <message>
        <source>Файл не показан</source>
        <translation>File not shown</translation>
    </message>
    <message>
        <source>Команда изменит файл %1,<byte value="xd"/>
строки которого не показаны в таблице.<byte value="xd"/>
Изменить этот файл?</source>
        <translation>The command will change the file %1,<byte value="xd"/>
whose rows are not shown in the table.<byte value="xd"/>
Change this file?</translation>
    </message>
</context>
<context>
    <name>TableCommandSteps</name>
    <message>
        <source>%1 записей.</source>
        <translation>%1 records.</translation>
    </message>
</context>
<context>
    <name>TypedCellCheck</name>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>не помещается в %1 знаков</source>
        <translation>does not fit in %1 characters</translation>
    </message>
    <message>
        <source>не дата ГГГГММДД</source>
        <translation>not a date YYYYMMDD</translation>
    </message>
    <message>
        <source>длиннее %1 знаков</source>
        <translation>longer than %1 characters</translation>
    </message>
    <message>
        <source>не логическое значение (T или F)</source>
        <translation>not a logical value (T or F)</translation>
    </message>
    <message>
        <source>поле типа %1 не правится в таблице</source>
        <translation>a field of type %1 is not edited in the table</translation>
    </message>
</context>
</TS>
