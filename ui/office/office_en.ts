<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CsvFields</name>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>больше знаков после точки, чем в поле</source>
        <translation>more decimals than the field has</translation>
    </message>
    <message>
        <source>число не помещается в поле</source>
        <translation>the number does not fit the field</translation>
    </message>
    <message>
        <source>поле даты не в 8 знаков</source>
        <translation>the date field is not 8 characters</translation>
    </message>
    <message>
        <source>не логическое значение</source>
        <translation>not a logical value</translation>
    </message>
    <message>
        <source>поле нулевой длины</source>
        <translation>a field of zero length</translation>
    </message>
    <message>
        <source>знака «%1» нет в кодировке таблицы</source>
        <translation>the character &quot;%1&quot; is not in the table&apos;s code page</translation>
    </message>
    <message>
        <source>текст длиннее поля</source>
        <translation>the text is longer than the field</translation>
    </message>
    <message>
        <source>не дата ГГГГ-ММ-ДД или ДД.ММ.ГГГГ</source>
        <translation>not a YYYY-MM-DD or DD.MM.YYYY date</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Строка %1, столбец %2: %3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2 (%3): %4</source>
        <translation>Line %1, column %2 (%3): %4</translation>
    </message>
    <message>
        <source>... и еще %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>в образце нет такого поля</source>
        <translation>the template has no such field</translation>
    </message>
    <message>
        <source>В файле нет строки с именами полей</source>
        <translation>The file has no line of field names</translation>
    </message>
    <message>
        <source>В строке заголовка нет имен полей</source>
        <translation>The header line has no field names</translation>
    </message>
    <message>
        <source>отметка удаления бывает только &quot;*&quot;</source>
        <translation>the deletion mark can only be &quot;*&quot;</translation>
    </message>
    <message>
        <source>значение вне столбцов строки заголовка</source>
        <translation>a value outside the header line&apos;s columns</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; в поле %3(%4.%5)</source>
        <translation>%1: &quot;%2&quot; in field %3(%4.%5)</translation>
    </message>
    <message>
        <source>%1: это файл образца</source>
        <translation>%1: this is the template file</translation>
    </message>
    <message>
        <source>%1: поле %2 не добавлено</source>
        <translation>%1: field %2 was not added</translation>
    </message>
    <message>
        <source>%1: поля образца не стоят в записи подряд</source>
        <translation>%1: the template&apos;s fields do not follow one another in the record</translation>
    </message>
    <message>
        <source>Длина записи %1 байт больше предельной для таблицы DBF (%2 байт)</source>
        <translation>A record of %1 bytes is longer than a DBF table allows (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>кавычка не закрыта</source>
        <translation>a quote is not closed</translation>
    </message>
</context>
<context>
    <name>DocxWordBasic</name>
    <message>
        <source>Нет шаблона документа %1</source>
        <translation>No document template %1</translation>
    </message>
    <message>
        <source>Нет открытого документа</source>
        <translation>No document is open</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Содержимое файла не соответствует его типу: %1</source>
        <translation>The file&apos;s content does not match its type: %1</translation>
    </message>
    <message>
        <source>Нет программы для просмотра файла %1</source>
        <translation>No program to view the file %1</translation>
    </message>
</context>
<context>
    <name>ReportChecks</name>
    <message>
        <source>Поле для подсчета суммы не числовое!<byte value="xd"/>
</source>
        <translation>The field to total is not numeric!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Сумма поля %1 не помещается в строку отчета из %2 знаков.</source>
        <translation>The sum of field %1 does not fit in a report line of %2 characters.</translation>
    </message>
    <message>
        <source>В файле нет полей: %1</source>
        <translation>The file has no fields: %1</translation>
    </message>
    <message>
        <source>Поля не числовые: %1</source>
        <translation>Fields not numeric: %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetHandOver</name>
    <message>
        <source>Файлы EXCEL|*.xls|Все файлы|*.*|</source>
        <translation>EXCEL files|*.xls|All files|*.*|</translation>
    </message>
    <message>
        <source>Откройте копируемый (исходный) файл EXCEL !</source>
        <translation>Open the EXCEL file to be copied (the source) first!</translation>
    </message>
</context>
<context>
    <name>TExportPanel</name>
    <message>
        <source>Экспорт в файл MS EXCEL</source>
        <translation>Export to an MS EXCEL file</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Заменить точку на запятую? </source>
        <translation>Replace the point with a comma? </translation>
    </message>
    <message>
        <source>не заменять</source>
        <translation>do not replace</translation>
    </message>
    <message>
        <source>заменить</source>
        <translation>replace</translation>
    </message>
    <message>
        <source>с заголовками и типами</source>
        <translation>with headings and types</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
</context>
<context>
    <name>TReportPanel</name>
    <message>
        <source>Ширина колонки не может быть равна Нулю!</source>
        <translation>The column width cannot be zero!</translation>
    </message>
    <message>
        <source>Количество столбцов больше %1: строка отчета не длиннее %2 знаков.</source>
        <translation>More than %1 columns: a report line is at most %2 characters.</translation>
    </message>
    <message>
        <source>Ширина столбца больше %1: строка отчета не длиннее %2 знаков.</source>
        <translation>A column wider than %1: a report line is at most %2 characters.</translation>
    </message>
    <message>
        <source>Строка отчета из %1 знаков длиннее %2: уменьшите ширину столбцов.</source>
        <translation>A report line of %1 characters is longer than %2: make the columns narrower.</translation>
    </message>
    <message>
        <source>Формирование текстового файла и печать.</source>
        <translation>Making the text file and printing.</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Количество информационных строк на 1-м листе</source>
        <translation>Data lines on the 1st sheet</translation>
    </message>
    <message>
        <source>Количество информационных строк на остальных листах</source>
        <translation>Data lines on the other sheets</translation>
    </message>
    <message>
        <source>Имя поля для подсчета суммы   ИТОГО</source>
        <translation>Field name for the sum   TOTAL</translation>
    </message>
    <message>
        <source>количество столбцов</source>
        <translation>number of columns</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>только в файл</source>
        <translation>to the file only</translation>
    </message>
    <message>
        <source>в MS  WORD</source>
        <translation>to MS  WORD</translation>
    </message>
    <message>
        <source>Номер строки</source>
        <translation>Line number</translation>
    </message>
    <message>
        <source>печатать</source>
        <translation>print</translation>
    </message>
    <message>
        <source>не печатать</source>
        <translation>do not print</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>№ п/п</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Длина поля</source>
        <translation>Field length</translation>
    </message>
    <message>
        <source>Имя поля</source>
        <translation>Field name</translation>
    </message>
    <message>
        <source>Ширина столбца</source>
        <translation>Column width</translation>
    </message>
    <message>
        <source>Количество столбцов меньше 2-х.</source>
        <translation>Fewer than 2 columns.</translation>
    </message>
    <message>
        <source>Количество рядов на первом листе меньше 1.</source>
        <translation>Fewer than 1 row on the first sheet.</translation>
    </message>
    <message>
        <source>Количество рядов на остальных листах меньше 1.</source>
        <translation>Fewer than 1 row on the other sheets.</translation>
    </message>
    <message>
        <source>Печать завершена!</source>
        <translation>Printing is finished!</translation>
    </message>
    <message>
        <source>Число не указано: заполните поле целым числом.</source>
        <translation>No number given: fill in the box with a whole number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является целым числом.</source>
        <translation>&quot;%1&quot; is not a whole number.</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Перенос в MS EXCEL - выполнено!</source>
        <translation>Transfer to MS EXCEL - done!</translation>
    </message>
    <message>
        <source>Записей в файле: %1.<byte value="xd"/>
На лист MS EXCEL помещается не более %2.</source>
        <translation>Records in the file: %1.<byte value="xd"/>
An MS EXCEL sheet holds at most %2.</translation>
    </message>
    <message>
        <source>В поле FIO записей %1 есть символы, которых нет в кодировке 1251.<byte value="xd"/>
Они перенесены без изменения.</source>
        <translation>The FIO field of records %1 holds characters that code page 1251 lacks.<byte value="xd"/>
They were carried over unchanged.</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheet</name>
    <message>
        <source>не файл</source>
        <translation>not a file</translation>
    </message>
</context>
<context>
    <name>XlsxWorkbook</name>
    <message>
        <source>Нет листа %1</source>
        <translation>No sheet %1</translation>
    </message>
</context>
<context>
    <name>XlsxWorksheet</name>
    <message>
        <source>Книга открыта из файла; ячейка %1 не записана</source>
        <translation>The workbook was opened from a file; cell %1 was not written</translation>
    </message>
    <message>
        <source>Ячейка %1 вне листа</source>
        <translation>Cell %1 is outside the sheet</translation>
    </message>
</context>
</TS>
