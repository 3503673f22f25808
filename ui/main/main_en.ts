<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>TCreat_FForm</name>
    <message>
        <source>Файл не обнаружен!</source>
        <translation>File not found!</translation>
    </message>
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
        <source>Файл не обнаружен!</source>
        <translation>File not found!</translation>
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
</TS>
