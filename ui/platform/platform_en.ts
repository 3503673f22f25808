<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Dbf2_lib</name>
    <message>
        <source>File not Open!</source>
        <translation>File not Open!</translation>
    </message>
    <message>
        <source> Ошибка  2 - неверно описание поля %2 файла DBF </source>
        <translation> Error  2 - wrong description of field %2 of the DBF file </translation>
    </message>
    <message>
        <source> Ошибка  3 - ТИП поля файла DBF  не числовой </source>
        <translation> Error  3 - the TYPE of the DBF file&apos;s field is not numeric </translation>
    </message>
    <message>
        <source> Ошибка 4 : Файл N %1 не открыт  </source>
        <translation> Error 4 : File N %1 is not open  </translation>
    </message>
    <message>
        <source> Ошибка 6 : Файл N %1 не обнаружен  </source>
        <translation> Error 6 : File N %1 not found  </translation>
    </message>
    <message>
        <source> Ошибка 7 : Тип при созании %1-го Файла указан не верно. </source>
        <translation> Error 7 : Wrong type given when creating file %1. </translation>
    </message>
    <message>
        <source>Ошибка 8 - DbfSkipEof : Файл N %1 не открыт  </source>
        <translation>Error 8 - DbfSkipEof : File N %1 is not open  </translation>
    </message>
    <message>
        <source>Ошибка 9 - DbfSkipBof : Файл N %1 не открыт  </source>
        <translation>Error 9 - DbfSkipBof : File N %1 is not open  </translation>
    </message>
    <message>
        <source>Ошибка 10 - DbfRead : Файл N %1 не открыт  </source>
        <translation>Error 10 - DbfRead : File N %1 is not open  </translation>
    </message>
    <message>
        <source>Ошибка 11 - DbfWrite : Файл N %1 не открыт  </source>
        <translation>Error 11 - DbfWrite : File N %1 is not open  </translation>
    </message>
    <message>
        <source>Ошибка 13 - DbfOpen : Файл N %1 не типа DBF </source>
        <translation>Error 13 - DbfOpen : File N %1 is not of type DBF </translation>
    </message>
    <message>
        <source>Ошибка %3 %2</source>
        <translation>Error %3 %2</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Файлы *.dbf|*.dbf|Все файлы|*.*|</source>
        <translation>Files *.dbf|*.dbf|All files|*.*|</translation>
    </message>
</context>
<context>
    <name>MemoryRoom</name>
    <message>
        <source>Файл %1 не прочитан: в нем больше %2 МБ, а памяти на его чтение хватает на %3 МБ.</source>
        <translation>File %1 was not read: it holds more than %2 MB, and the memory available for reading it is %3 MB.</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан: в нем %2 МБ, а памяти на его чтение хватает на %3 МБ.</source>
        <translation>File %1 was not read: it holds %2 MB, and the memory available for reading it is %3 MB.</translation>
    </message>
    <message>
        <source>Таблица %1 не открыта: в ней %2 МБ, а свободной памяти %3 МБ.</source>
        <translation>Table %1 was not opened: it holds %2 MB, and the memory available is %3 MB.</translation>
    </message>
</context>
<context>
    <name>OutputName</name>
    <message>
        <source>%1: под этим именем стоит ссылка, файл по ней не записывается</source>
        <translation>%1: a link stands under this name; the file it points to is not written</translation>
    </message>
</context>
<context>
    <name>OwnFolder</name>
    <message>
        <source>это ссылка или не папка</source>
        <translation>it is a link or not a folder</translation>
    </message>
    <message>
        <source>папка принадлежит другому пользователю</source>
        <translation>the folder belongs to another user</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1: это не обычный файл (канал, устройство или папка), он не читается</source>
        <translation>%1: this is not a regular file (a pipe, a device or a folder) and is not read</translation>
    </message>
</context>
<context>
    <name>TaskPanel</name>
    <message>
        <source>Закрыть панель &quot;%1&quot;?<byte value="xd"/>
Введённое в ней будет потеряно.</source>
        <translation>Close the panel &quot;%1&quot;?<byte value="xd"/>
What was typed in it will be lost.</translation>
    </message>
</context>
</TS>
