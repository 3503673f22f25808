<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CellCheck</name>
    <message>
        <source> Ряд  %1<byte value="xd"/>
 Колонка  %2<byte value="xd"/>
Ошибка - значение числа не в диапазоне <byte value="xd"/>
от 0 до 255 </source>
        <translation> Row  %1<byte value="xd"/>
 Column  %2<byte value="xd"/>
Error - the number is out of range <byte value="xd"/>
from 0 to 255 </translation>
    </message>
    <message>
        <source> Ряд  %1<byte value="xd"/>
 Колонка  %2<byte value="xd"/>
Ошибка - недопустимый набор символов.</source>
        <translation> Row  %1<byte value="xd"/>
 Column  %2<byte value="xd"/>
Error - invalid characters.</translation>
    </message>
</context>
<context>
    <name>CharTableStore</name>
    <message>
        <source>№ п/п</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>16 символов</source>
        <translation>16 characters</translation>
    </message>
</context>
<context>
    <name>HeaderCodec</name>
    <message>
        <source>Недопустимый номер строки!</source>
        <translation>Invalid row number!</translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>Нет файла!</source>
        <translation>No file!</translation>
    </message>
    <message>
        <source>Обнаружено ошибок : %1<byte value="xd"/>
Запись не выполнена!</source>
        <translation>Errors found : %1<byte value="xd"/>
The file was not written!</translation>
    </message>
    <message>
        <source>Файл %1 изменён другой программой после загрузки.<byte value="xd"/>
Запись не выполнена!</source>
        <translation>File %1 was changed by another program after loading.<byte value="xd"/>
The file was not written!</translation>
    </message>
</context>
<context>
    <name>TCopyToFile</name>
    <message>
        <source>Копирование в файл.</source>
        <translation>Copy to file.</translation>
    </message>
    <message>
        <source>Ошибка номера конечного символа!</source>
        <translation>Wrong last character number!</translation>
    </message>
    <message>
        <source>Ошибка длины массива!</source>
        <translation>Wrong range length!</translation>
    </message>
    <message>
        <source>Размер буфера - %1 символов.</source>
        <translation>Buffer size - %1 characters.</translation>
    </message>
</context>
<context>
    <name>TDeleteSimbol</name>
    <message>
        <source>Ошибка номера последнего символа!</source>
        <translation>Wrong last character number!</translation>
    </message>
    <message>
        <source>Первый удаляемый символ за концом файла!</source>
        <translation>The first character to delete is past the end of the file!</translation>
    </message>
    <message>
        <source>Удаление выполнено!</source>
        <translation>Characters deleted!</translation>
    </message>
</context>
<context>
    <name>TInsertZeroSimbol</name>
    <message>
        <source>Десятичный код символа от 0 до 255  </source>
        <translation>Decimal character code from 0 to 255  </translation>
    </message>
    <message>
        <source>Десятичный код символа от 0 до 255 </source>
        <translation>Decimal character code from 0 to 255 </translation>
    </message>
    <message>
        <source>Вставить символы в таблицу.</source>
        <translation>Insert characters into the table.</translation>
    </message>
    <message>
        <source> (нет символьного эквивалента) </source>
        <translation> (no printable character) </translation>
    </message>
    <message>
        <source>Ошибка количества вводимых символов!</source>
        <translation>Wrong number of characters to insert!</translation>
    </message>
    <message>
        <source>Ошибка кода вставляемого символа!</source>
        <translation>Wrong code of the character to insert!</translation>
    </message>
</context>
<context>
    <name>TView_2_Form</name>
    <message>
        <source>Длина файла :  %1 символов</source>
        <translation>File length :  %1 characters</translation>
    </message>
    <message>
        <source>Длина файла (после изменения) :  %1 символов</source>
        <translation>File length (after change) :  %1 characters</translation>
    </message>
    <message>
        <source>Сохранение в файл выполнено!</source>
        <translation>Saved to the file!</translation>
    </message>
    <message>
        <source>Запись в файл выполнена</source>
        <translation>Written to the file</translation>
    </message>
    <message>
        <source>Ошибка номера начального символа!</source>
        <translation>Wrong first character number!</translation>
    </message>
    <message>
        <source>Ошибка номера начальной строки!</source>
        <translation>Wrong first row number!</translation>
    </message>
    <message>
        <source>Ошибка номера конечной строки!</source>
        <translation>Wrong last row number!</translation>
    </message>
    <message>
        <source>Первый символ дальше последнего!</source>
        <translation>The first character is after the last one!</translation>
    </message>
    <message>
        <source>   Внимание!  1-м символом записи в файле DBF  символ 32 (пробел) или 42 (звездочка)  </source>
        <translation>   Note!  A record of a DBF file starts with character 32 (space) or 42 (asterisk)  </translation>
    </message>
    <message>
        <source>Файлы</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как :</source>
        <translation>Save as :</translation>
    </message>
    <message>
        <source>Операции</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>Корректировать как текст</source>
        <translation>Edit as text</translation>
    </message>
    <message>
        <source>Отмена корректировки</source>
        <translation>Stop editing</translation>
    </message>
    <message>
        <source>Копировать текст в буфер</source>
        <translation>Copy text to buffer</translation>
    </message>
    <message>
        <source>Вставить текст из буфера</source>
        <translation>Paste text from buffer</translation>
    </message>
    <message>
        <source>Вставить  символы</source>
        <translation>Insert characters</translation>
    </message>
    <message>
        <source>Удалить символы</source>
        <translation>Delete characters</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Переключение кода ( DOS , Windows )</source>
        <translation>Code page ( DOS , Windows )</translation>
    </message>
    <message>
        <source>Просмотр шапки файла</source>
        <translation>File header view</translation>
    </message>
    <message>
        <source>Как заголовок шапки</source>
        <translation>As the header</translation>
    </message>
    <message>
        <source>Как описание поля </source>
        <translation>As a field descriptor </translation>
    </message>
    <message>
        <source>Не разворачивать</source>
        <translation>Do not expand</translation>
    </message>
    <message>
        <source>№ версии</source>
        <translation>Version No.</translation>
    </message>
    <message>
        <source>(гг.мм.дд) дата последнего изменения</source>
        <translation>(yy.mm.dd) date of last change</translation>
    </message>
    <message>
        <source>размер всего заголовка</source>
        <translation>size of the whole header</translation>
    </message>
    <message>
        <source>длина записи</source>
        <translation>record length</translation>
    </message>
    <message>
        <source>число записей в файле</source>
        <translation>number of records in the file</translation>
    </message>
    <message>
        <source>Сохранить в таблице</source>
        <translation>Save in the table</translation>
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
        <source>Длина поля</source>
        <translation>Field length</translation>
    </message>
    <message>
        <source>Смещение поля в записи</source>
        <translation>Field offset in the record</translation>
    </message>
    <message>
        <source>Колич. десятичных цифр после точки</source>
        <translation>Decimal digits after the point</translation>
    </message>
    <message>
        <source> Вставить символы </source>
        <translation> Insert characters </translation>
    </message>
    <message>
        <source>В начало файла</source>
        <translation>At the start of the file</translation>
    </message>
    <message>
        <source>После указанного символа</source>
        <translation>After the given character</translation>
    </message>
    <message>
        <source>В конец файла</source>
        <translation>At the end of the file</translation>
    </message>
    <message>
        <source>Номер символа в строке</source>
        <translation>Character number in the row</translation>
    </message>
    <message>
        <source>Номер строки</source>
        <translation>Row number</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>  Внимание!   1-м символом записи в файле DBF символ 32 (пробел) или 42 (звездочка)</source>
        <translation>  Note!   A record of a DBF file starts with character 32 (space) or 42 (asterisk)</translation>
    </message>
    <message>
        <source>Номер 1-го символа в строке для копирования (  от 1-го до 16-ти )</source>
        <translation>First character in the row to copy (  from 1 to 16 )</translation>
    </message>
    <message>
        <source>Номер 1-й строки для копирования</source>
        <translation>First row to copy</translation>
    </message>
    <message>
        <source>Номер последнего символа для копирования  -  0 ( нуль ) до конца файла</source>
        <translation>Last character to copy  -  0 ( zero ) up to the end of the file</translation>
    </message>
    <message>
        <source>Номер последней строки для копирования</source>
        <translation>Last row to copy</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>   Вставить  символы   </source>
        <translation>   Insert  characters   </translation>
    </message>
    <message>
        <source>Номер первого символа от 1 до 16</source>
        <translation>First character number from 1 to 16</translation>
    </message>
    <message>
        <source>Номер строки в таблице указанного символа</source>
        <translation>Table row of that character</translation>
    </message>
    <message>
        <source>Количество  всталяемых  символов</source>
        <translation>Number of characters to insert</translation>
    </message>
    <message>
        <source>Десятичный код символа от 0 до 255</source>
        <translation>Decimal character code from 0 to 255</translation>
    </message>
    <message>
        <source>  Вставить символы  </source>
        <translation>  Insert characters  </translation>
    </message>
    <message>
        <source>Перед указанным символом</source>
        <translation>Before the given character</translation>
    </message>
    <message>
        <source>   Удаление символов   </source>
        <translation>   Delete characters   </translation>
    </message>
    <message>
        <source>Номер в строке первого удаляемого символа</source>
        <translation>Position in its row of the first character to delete</translation>
    </message>
    <message>
        <source>Номер строки первого удаляемого символа</source>
        <translation>Row of the first character to delete</translation>
    </message>
    <message>
        <source>Номер в строке последнего удаляемого символа</source>
        <translation>Position in its row of the last character to delete</translation>
    </message>
    <message>
        <source>Номер строки последнего удаляемого символа</source>
        <translation>Row of the last character to delete</translation>
    </message>
    <message>
        <source>Вставка символов выполнена!</source>
        <translation>Characters inserted!</translation>
    </message>
    <message>
        <source>Размер буфера - %1 символов.<byte value="xd"/>
Выполнить операцию нет возможности!</source>
        <translation>Buffer size - %1 characters.<byte value="xd"/>
The operation cannot be done!</translation>
    </message>
    <message>
        <source>Размер буфера - %1 символов.<byte value="xd"/>
Память буфера очищена!<byte value="xd"/>
Выполнить операцию нет возможности!</source>
        <translation>Buffer size - %1 characters.<byte value="xd"/>
The buffer memory was cleared!<byte value="xd"/>
The operation cannot be done!</translation>
    </message>
    <message>
        <source>Номер символа не в диапазоне от 1 до 16!</source>
        <translation>Character number is not from 1 to 16!</translation>
    </message>
    <message>
        <source>Номер строки с ошибкой!</source>
        <translation>Wrong row number!</translation>
    </message>
    <message>
        <source>Номер строки превышает допустимый!</source>
        <translation>Row number is too large!</translation>
    </message>
    <message>
        <source>Указанный символ за концом файла!</source>
        <translation>The given character is past the end of the file!</translation>
    </message>
    <message>
        <source>Операция выполнена!<byte value="xd"/>
Вставлено символов %1.</source>
        <translation>Done!<byte value="xd"/>
Characters inserted: %1.</translation>
    </message>
</context>
</TS>
