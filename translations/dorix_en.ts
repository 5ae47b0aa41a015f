<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Dorix</name>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить  F5</source>
        <translation>Refresh  F5</translation>
    </message>
    <message>
        <source>Оба файла изменились на диске.</source>
        <translation>Both files have changed on disk.</translation>
    </message>
    <message>
        <source>Файл %1 удалён с диска.</source>
        <translation>File %1 has been deleted from disk.</translation>
    </message>
    <message>
        <source>Файл %1 изменился на диске.</source>
        <translation>File %1 has changed on disk.</translation>
    </message>
    <message>
        <source>Настройки:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source> Цвет: </source>
        <translation> Colour: </translation>
    </message>
    <message>
        <source>Изменить...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source> Добавленный текст</source>
        <translation> Inserted text</translation>
    </message>
    <message>
        <source> Удаленный текст</source>
        <translation> Deleted text</translation>
    </message>
    <message>
        <source> Совпадающий текст</source>
        <translation> Equal text</translation>
    </message>
    <message>
        <source> Изменившаяся строка</source>
        <translation> Updated line</translation>
    </message>
    <message>
        <source>Вернуть стандартные</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Запоминать координаты окна при выходе</source>
        <translation>Remember the window position on exit</translation>
    </message>
    <message>
        <source>Запоминать режимы (Wrap, OEM, Hex) при выходе</source>
        <translation>Remember the modes (Wrap, OEM, Hex) on exit</translation>
    </message>
    <message>
        <source>Отказ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Размер шрифта:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>Табуляция:</source>
        <translation>Tab width:</translation>
    </message>
    <message>
        <source>Дополнительная информация</source>
        <translation>More information</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Легенда</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source> совпадает </source>
        <translation> equal </translation>
    </message>
    <message>
        <source> отличается </source>
        <translation> different </translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Первый файл:</source>
        <translation>First file:</translation>
    </message>
    <message>
        <source>Второй файл:</source>
        <translation>Second file:</translation>
    </message>
    <message>
        <source>Если первый файл - это новая
версия, а второй - старая, то:</source>
        <translation>If the first file is the new
version and the second the old one:</translation>
    </message>
    <message>
        <source> добавлено </source>
        <translation> inserted </translation>
    </message>
    <message>
        <source> удалено </source>
        <translation> deleted </translation>
    </message>
    <message>
        <source>добавлено</source>
        <translation>inserted</translation>
    </message>
    <message>
        <source>- текст, который встречается только в первом файле</source>
        <translation>- text found only in the first file</translation>
    </message>
    <message>
        <source>удалено</source>
        <translation>deleted</translation>
    </message>
    <message>
        <source>- текст, который встречается только во втором файле</source>
        <translation>- text found only in the second file</translation>
    </message>
    <message>
        <source>совпадает</source>
        <translation>equal</translation>
    </message>
    <message>
        <source>- текст, одинаковый в обоих файлах</source>
        <translation>- text the same in both files</translation>
    </message>
    <message>
        <source>отличается</source>
        <translation>different</translation>
    </message>
    <message>
        <source>- строки, содержащие и совпадающий, и отличающийся текст</source>
        <translation>- lines holding both equal and different text</translation>
    </message>
    <message>
        <source>Если первый файл представляет собой новую версию, а второй - старую,
то цвет показывает изменения (что добавлено и что удалено)

Если файлы заданы в обратном порядке, и цвета не соответствуют, то 
их можно обменять нажатием F6</source>
        <translation>If the first file is the new version and the second the old one,
the colours show the changes (what was inserted and what deleted)

If the files were given the other way round and the colours do not fit,
swap them with F6</translation>
    </message>
    <message>
        <source>Совпадает</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>Есть только в первом</source>
        <translation>Only in the first</translation>
    </message>
    <message>
        <source>Есть только во втором</source>
        <translation>Only in the second</translation>
    </message>
    <message>
        <source>Выбор файлов для сравнения</source>
        <translation>Choose the files to compare</translation>
    </message>
    <message>
        <source>Первый файл (новая версия):</source>
        <translation>First file (new version):</translation>
    </message>
    <message>
        <source>Второй файл (старая версия):</source>
        <translation>Second file (old version):</translation>
    </message>
    <message>
        <source>Выбор первого (нового) файла</source>
        <translation>Choose the first (new) file</translation>
    </message>
    <message>
        <source>Выбор второго (старого) файла</source>
        <translation>Choose the second (old) file</translation>
    </message>
    <message>
        <source>Настройка стиля</source>
        <translation>Text style</translation>
    </message>
    <message>
        <source>Образец:</source>
        <translation>Sample:</translation>
    </message>
    <message>
        <source> Свойства: </source>
        <translation> Properties: </translation>
    </message>
    <message>
        <source>Полужирный</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Курсив</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Подчеркнутый</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Зачеркнутый</source>
        <translation>Strike-out</translation>
    </message>
    <message>
        <source>Цвет фона</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Цвет текста</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Страницы HTML (*.html *.htm)</source>
        <translation>HTML pages (*.html *.htm)</translation>
    </message>
    <message>
        <source>Нет такого файла или каталога</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Отказано в доступе</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Операция не позволена</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Это каталог</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Это не каталог</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Слишком много уровней символьных ссылок</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Ошибка ввода/вывода</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Слишком много открытых файлов</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Невозможно выделить память</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Нет такого устройства или адреса</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл %1</source>
        <translation>Cannot read file %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файлы от 2 ГиБ сравнить нельзя</source>
        <translation>files of 2 GiB or more cannot be compared</translation>
    </message>
    <message>
        <source>файл изменился, пока его читали</source>
        <translation>the file changed while it was read</translation>
    </message>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Сравнение содержимого файлов</source>
        <translation>File Content Comparison</translation>
    </message>
    <message>
        <source>О программе:</source>
        <translation>About:</translation>
    </message>
    <message>
        <source>Не могу открыть </source>
        <translation>Cannot open </translation>
    </message>
    <message>
        <source>На имя файла можно перетащить один файл.</source>
        <translation>Drop one file on a file name.</translation>
    </message>
    <message>
        <source>%1 - папка, а не файл.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>Сохранить как HTML</source>
        <translation>Save as HTML</translation>
    </message>
    <message>
        <source>Сравниваемый файл не может быть заменён страницей HTML.</source>
        <translation>A compared file cannot be replaced by an HTML page.</translation>
    </message>
    <message>
        <source>Не удалось сохранить </source>
        <translation>Could not save </translation>
    </message>
    <message>
        <source>О&amp;чистить список</source>
        <translation>&amp;Clear List</translation>
    </message>
    <message>
        <source>Новая версия: %1
Старая версия: %2</source>
        <translation>New version: %1
Old version: %2</translation>
    </message>
    <message>
        <source>Нет файла %1</source>
        <translation>No file %1</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown failure</translation>
    </message>
    <message>
        <source>Загрузка </source>
        <translation>Loading </translation>
    </message>
    <message>
        <source>Сравнение..</source>
        <translation>Comparing..</translation>
    </message>
    <message>
        <source>Разбиение.. %1%</source>
        <translation>Laying out.. %1%</translation>
    </message>
    <message>
        <source>Выбор файлов  Ctrl+O</source>
        <translation>Choose files  Ctrl+O</translation>
    </message>
    <message>
        <source>Предыдущее изменение  Alt+Up</source>
        <translation>Previous change  Alt+Up</translation>
    </message>
    <message>
        <source>Следующее изменение  Alt+Down</source>
        <translation>Next change  Alt+Down</translation>
    </message>
    <message>
        <source>Обменять файлы   F6</source>
        <translation>Swap files   F6</translation>
    </message>
    <message>
        <source>Диаграмма, легенда</source>
        <translation>Chart, legend</translation>
    </message>
    <message>
        <source>Автоперенос строк</source>
        <translation>Wrap lines</translation>
    </message>
    <message>
        <source>Кодировка DOS</source>
        <translation>DOS code page</translation>
    </message>
    <message>
        <source>Шестнадцатеричный вид</source>
        <translation>Hexadecimal view</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Выбор файлов для сравнения</source>
        <translation>&amp;Choose Files to Compare</translation>
    </message>
    <message>
        <source>&amp;Сохранить как HTML…</source>
        <translation>&amp;Save as HTML…</translation>
    </message>
    <message>
        <source>&amp;Остановить</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Выделить все</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Найти...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Найти &amp;далее</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>&amp;Переход</source>
        <translation>&amp;Go To</translation>
    </message>
    <message>
        <source>&amp;Предыдущая полоса</source>
        <translation>&amp;Previous Band</translation>
    </message>
    <message>
        <source>&amp;Следующая полоса</source>
        <translation>&amp;Next Band</translation>
    </message>
    <message>
        <source>П&amp;редыдущее различие</source>
        <translation>P&amp;revious Difference</translation>
    </message>
    <message>
        <source>С&amp;ледующее различие</source>
        <translation>Ne&amp;xt Difference</translation>
    </message>
    <message>
        <source>&amp;Крайнее левое различие</source>
        <translation>&amp;Leftmost Difference</translation>
    </message>
    <message>
        <source>Крайнее пра&amp;вое различие</source>
        <translation>Right&amp;most Difference</translation>
    </message>
    <message>
        <source>&amp;Обновить</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>Обменять &amp;файлы</source>
        <translation>&amp;Swap Files</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Автоперенос строк</source>
        <translation>&amp;Wrap Lines</translation>
    </message>
    <message>
        <source>Кодировка &amp;DOS</source>
        <translation>&amp;DOS Code Page</translation>
    </message>
    <message>
        <source>&amp;Шестнадцатеричный вид</source>
        <translation>&amp;Hexadecimal View</translation>
    </message>
    <message>
        <source>&amp;Концы строк</source>
        <translation>&amp;Line Ends</translation>
    </message>
    <message>
        <source>&amp;Авто</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>&amp;CR и CR LF</source>
        <translation>&amp;CR and CR LF</translation>
    </message>
    <message>
        <source>&amp;LF, CR и CR LF</source>
        <translation>&amp;LF, CR and CR LF</translation>
    </message>
    <message>
        <source>К&amp;одировка</source>
        <translation>&amp;Encoding</translation>
    </message>
    <message>
        <source>&amp;Настройки...</source>
        <translation>Se&amp;ttings...</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Вызов справки</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Хотите большего?</source>
        <translation>&amp;Want More?</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Цвет текста, который уникален для первого файла
(цвет добавленного текста, если первый файл - новая версия)</source>
        <translation>Colour of text found only in the first file
(the inserted text, if the first file is the new version)</translation>
    </message>
    <message>
        <source>Цвет текста, который уникален для второго файла
(цвет удаленного текста, если второй файл - старая версия)</source>
        <translation>Colour of text found only in the second file
(the deleted text, if the second file is the old version)</translation>
    </message>
    <message>
        <source>Первый из сравниваемых файлов</source>
        <translation>The first of the compared files</translation>
    </message>
    <message>
        <source>Второй из сравниваемых файлов</source>
        <translation>The second of the compared files</translation>
    </message>
    <message>
        <source>обе версии</source>
        <translation>both versions</translation>
    </message>
    <message>
        <source>новая</source>
        <translation>new</translation>
    </message>
    <message>
        <source>старая</source>
        <translation>old</translation>
    </message>
    <message>
        <source>Остановить (Ctrl+Break)</source>
        <translation>Stop (Ctrl+Break)</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Что:</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>Только слово &amp;целиком</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <source>С учетом &amp;регистра</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>&amp;Вверх</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>В&amp;низ</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>Направление</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>&amp;Найти далее</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Скопировать в буфер обмена %1 МБ текста?</source>
        <translation>Copy %1 MB of text to the clipboard?</translation>
    </message>
    <message>
        <source>больше </source>
        <translation> again</translation>
    </message>
    <message>
        <source>Строка поиска не может быть пустой</source>
        <translation>The search string cannot be empty</translation>
    </message>
    <message>
        <source>Поиск..</source>
        <translation>Searching..</translation>
    </message>
    <message>
        <source>Копирование..</source>
        <translation>Copying..</translation>
    </message>
    <message>
        <source>Сравнение еще не проводилось.</source>
        <translation>No comparison yet.</translation>
    </message>
    <message>
        <source>Ошибка чтения актуального.</source>
        <translation>Cannot read the actual file.</translation>
    </message>
    <message>
        <source>Ошибка чтения устаревшего.</source>
        <translation>Cannot read the obsolete file.</translation>
    </message>
    <message>
        <source>Оба файла пусты.</source>
        <translation>Both files are empty.</translation>
    </message>
    <message>
        <source>Актуальный пуст.</source>
        <translation>The actual file is empty.</translation>
    </message>
    <message>
        <source>Устаревший пуст.</source>
        <translation>The obsolete file is empty.</translation>
    </message>
    <message>
        <source>Оба файла не заданы.</source>
        <translation>No files chosen.</translation>
    </message>
    <message>
        <source>Актуальный файл не задан.</source>
        <translation>No actual file chosen.</translation>
    </message>
    <message>
        <source>Устаревший файл не задан.</source>
        <translation>No obsolete file chosen.</translation>
    </message>
    <message>
        <source>Файлы совершенно одинаковы.</source>
        <translation>The files are identical.</translation>
    </message>
    <message>
        <source>Файлы более-менее похожи.</source>
        <translation>The files are more or less similar.</translation>
    </message>
    <message>
        <source>Файлы абсолютно не похожи.</source>
        <translation>The files are not at all similar.</translation>
    </message>
    <message>
        <source>Сравнение прервано.</source>
        <translation>Comparison stopped.</translation>
    </message>
    <message>
        <source>строка &apos;%1&apos; не найдена</source>
        <translation>String &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>строка &apos;%1&apos; %2не найдена</source>
        <translation>String &apos;%1&apos; not found%2</translation>
    </message>
    <message>
        <source>&amp;Разборчиво</source>
        <translation>&amp;Readable</translation>
    </message>
    <message>
        <source>Файлы отличаются только концами строк.</source>
        <translation>The files differ only in their line ends.</translation>
    </message>
    <message>
        <source>Файлы отличаются только пробелами.</source>
        <translation>The files differ only in spaces.</translation>
    </message>
    <message>
        <source>Файлы отличаются только пробелами и концами строк.</source>
        <translation>The files differ only in spaces and line ends.</translation>
    </message>
    <message>
        <source>Файлы отличаются только регистром букв.</source>
        <translation>The files differ only in letter case.</translation>
    </message>
    <message>
        <source>Файлы отличаются только тем, что сравнение не учитывает.</source>
        <translation>The files differ only in what the comparison ignores.</translation>
    </message>
    <message>
        <source> Не учитываемые различия</source>
        <translation> Ignored differences</translation>
    </message>
    <message>
        <source> не различается </source>
        <translation> ignored </translation>
    </message>
    <message>
        <source>Не различать</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Сравнивать, не различая того, чем отличаются файлы</source>
        <translation>Compare without telling apart what the files differ in</translation>
    </message>
    <message>
        <source>концы строк</source>
        <translation>line ends</translation>
    </message>
    <message>
        <source>число пробелов</source>
        <translation>amount of white space</translation>
    </message>
    <message>
        <source>пробелы</source>
        <translation>white space</translation>
    </message>
    <message>
        <source>регистр букв</source>
        <translation>letter case</translation>
    </message>
    <message>
        <source>Сравнение не различает: %1</source>
        <translation>The comparison ignores: %1</translation>
    </message>
    <message>
        <source>С&amp;равнение</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>Не различать &amp;концы строк</source>
        <translation>Ignore &amp;Line Ends</translation>
    </message>
    <message>
        <source>Не различать &amp;число пробелов</source>
        <translation>Ignore Amount of White &amp;Space</translation>
    </message>
    <message>
        <source>Не различать &amp;пробелы</source>
        <translation>Ignore All &amp;White Space</translation>
    </message>
    <message>
        <source>Не различать &amp;регистр букв</source>
        <translation>Ignore Letter &amp;Case</translation>
    </message>
    <message>
        <source>сравнивается</source>
        <translation>comparing</translation>
    </message>
    <message>
        <source>одинаковы</source>
        <translation>identical</translation>
    </message>
    <message>
        <source>различаются</source>
        <translation>different</translation>
    </message>
    <message>
        <source>только в новой</source>
        <translation>only in new</translation>
    </message>
    <message>
        <source>только в старой</source>
        <translation>only in old</translation>
    </message>
    <message>
        <source>папка, есть различия</source>
        <translation>folder, with differences</translation>
    </message>
    <message>
        <source>папка, одинаковы</source>
        <translation>folder, identical</translation>
    </message>
    <message>
        <source>не сравнить: %1</source>
        <translation>cannot compare: %1</translation>
    </message>
    <message>
        <source>не читается: %1</source>
        <translation>cannot read: %1</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Размер: новый / старый</source>
        <translation>Size: new / old</translation>
    </message>
    <message>
        <source>Изменён: новый / старый</source>
        <translation>Modified: new / old</translation>
    </message>
    <message>
        <source>Скрыть одинаковые</source>
        <translation>Hide Identical</translation>
    </message>
    <message>
        <source>Скрыть различающиеся</source>
        <translation>Hide Different</translation>
    </message>
    <message>
        <source>Скрыть только новые</source>
        <translation>Hide Only New</translation>
    </message>
    <message>
        <source>Скрыть только старые</source>
        <translation>Hide Only Old</translation>
    </message>
    <message>
        <source>Скрыть несравнимые</source>
        <translation>Hide Not Compared</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Недостаточно памяти для сравнения папок.</source>
        <translation>Not enough memory to compare the folders.</translation>
    </message>
    <message>
        <source>Записей: %1, прочитано %2 МБ</source>
        <translation>Entries: %1, read %2 MB</translation>
    </message>
    <message>
        <source>Одинаковых: %1, различающихся: %2, только в новой: %3, только в старой: %4, несравнимых: %5</source>
        <translation>Identical: %1, different: %2, only in new: %3, only in old: %4, not compared: %5</translation>
    </message>
    <message>
        <source>На текст можно перетащить два файла или две папки: сначала новую версию, затем старую.</source>
        <translation>Two files or two folders can be dropped on the text: the new version first, then the old one.</translation>
    </message>
    <message>
        <source>Других различающихся файлов нет.</source>
        <translation>No other different files.</translation>
    </message>
    <message>
        <source>Назад к папкам  Backspace</source>
        <translation>Back to Folders  Backspace</translation>
    </message>
    <message>
        <source>&amp;Следующий различающийся файл</source>
        <translation>&amp;Next Different File</translation>
    </message>
    <message>
        <source>П&amp;редыдущий различающийся файл</source>
        <translation>&amp;Previous Different File</translation>
    </message>
    <message>
        <source>&amp;Назад к папкам</source>
        <translation>&amp;Back to Folders</translation>
    </message>
    <message>
        <source> Перемещённый текст</source>
        <translation> Moved text</translation>
    </message>
    <message>
        <source> перемещено </source>
        <translation> moved </translation>
    </message>
    <message>
        <source>перемещено</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>- текст, удалённый в одном месте и добавленный в другом (оба конца)</source>
        <translation>- text deleted in one place and inserted in another (both ends)</translation>
    </message>
    <message>
        <source>Другой &amp;конец перемещения</source>
        <translation>Other &amp;End of Move</translation>
    </message>
    <message>
        <source>&amp;Перемещения</source>
        <translation>&amp;Moves</translation>
    </message>
    <message>
        <source>Не найдена программа просмотра справки %1: справка открыта в браузере.</source>
        <translation>The help viewer %1 is not installed: the help was opened in the browser.</translation>
    </message>
    <message>
        <source> Цвет (тёмная схема): </source>
        <translation> Colour (dark scheme): </translation>
    </message>
    <message>
        <source>&amp;Цветовая схема</source>
        <translation>&amp;Colour scheme</translation>
    </message>
    <message>
        <source>&amp;Светлая</source>
        <translation>&amp;Light</translation>
    </message>
    <message>
        <source>&amp;Тёмная</source>
        <translation>&amp;Dark</translation>
    </message>
    <message>
        <source>&amp;Как в системе</source>
        <translation>As the &amp;system</translation>
    </message>
    <message>
        <source>остановлено</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>вызов: dorix-diff [--chunks | --stats | --moves] [--color=auto|always|never]
                  [--encoding=E] [--exact] [--no-moves] [--old-first] [-a] [ПРОПУСК...]
                  [-L ИМЯ-ПЕРВОГО [-L ИМЯ-ВТОРОГО]] [--] ПЕРВЫЙ ВТОРОЙ
       dorix-diff --lines | --html [--width=N] [--hex] [--view=both|new|old]
                  [--line-ends=auto|cr|lf] [ПРОПУСК...] [--] ПЕРВЫЙ ВТОРОЙ
       dorix-diff [--stats] [-q] [--exclude=ШАБЛОН...] [--no-exclude] [--old-first]
                  [ПРОПУСК...] [--] НОВАЯ-ПАПКА СТАРАЯ-ПАПКА
       dorix-diff ПУТЬ СТАРЫЙ-ФАЙЛ СТАРЫЙ-HEX СТАРЫЙ-РЕЖИМ НОВЫЙ-ФАЙЛ НОВЫЙ-HEX НОВЫЙ-РЕЖИМ
  ПЕРВЫЙ - новая версия, ВТОРОЙ - старая; --old-first меняет их местами.
  -L, --label=ИМЯ  один или два раза: имена ПЕРВОГО, затем ВТОРОГО в заголовке объединённого
             текста (--- ВТОРОЙ, +++ ПЕРВЫЙ) и на HTML-странице вместо их путей
  С семью аргументами внешнего diff для git (GIT_EXTERNAL_DIFF) - объединённый текст
  НОВОГО-ФАЙЛА против СТАРОГО-ФАЙЛА под заголовком с ПУТЁМ и вердиктом, на стандартный
  вывод; код возврата тогда 0, различаются файлы или нет.
  (по умолчанию)  объединённый текст; текст только нового файла {+так+}, только старого
             [-так-], перемещённый сюда {~так~}, перемещённый отсюда [~так~]. В цвете на
             терминале, если не задана NO_COLOR и TERM не dumb; управляющие байты тогда
             показаны как ^X. О файлах с байтом NUL в первых 8 КБ сказано только, что они
             различаются; -a, --text выводит их как текст.
  --chunks   строка на кусок: вид (0 общий, 1 только ПЕРВЫЙ, 2 только ВТОРОЙ), TAB, длина;
             с ПРОПУСКОМ - длина в ПЕРВОМ, TAB, длина во ВТОРОМ
  --stats    EqualChars FirstChars SecondChars EqualChunks FirstChunks SecondChunks
  --lines    строка на строку экрана: ВИД TAB НАЧАЛО TAB ДЛИНА TAB ЗОНЫ, где ВИД -
             0 общая, 1 добавленная, 2 удалённая, 3 изменённая, а ЗОНЫ - ВИД:ДЛИНА,...
             (4: общий текст, байты которого различаются только тем, что ПРОПУСК не учитывает;
             5: удалённый текст, перемещённый отсюда, 6: добавленный, перемещённый сюда)
  --moves    строка на часть перемещённого текста: её смещение в ПЕРВОМ, TAB, смещение во
             ВТОРОМ, TAB, длина (смещения в байтах от 0)
  --html     объединённый вид как самостоятельная HTML-страница
  --width=N  переносить строки экрана на N-м символе (по умолчанию без переноса)
  --hex      шестнадцатеричный вид: 16 байт в строке, концы строк как обычные байты
  --view     оба файла (по умолчанию) или только новый или старый с общим текстом
  --line-ends  cr: строки кончают CR и CR LF; lf: ещё и одиночный LF; auto (по умолчанию):
             lf, если в одном из файлов есть LF без CR перед ним
  --exact    куски точно такими, какими их нашло сравнение, без разборчивого прохода,
             который сдвигает изменение к целым строкам и сливает крошки между изменениями
  --encoding auto (по умолчанию), utf-8, cp1251, cp866 или koi8-r. В UTF-8 ни один кусок не
             делит символ. Авто: UTF-8, если один из файлов начинается с его метки порядка
             байт или оба - правильный UTF-8, иначе cp1251.
  --no-moves не искать текст, перемещённый с места на место; --chunks и --stats в любом
             случае считают его добавленным и удалённым
Две папки: строка на каждый не одинаковый элемент, по порядку путей: M TAB ПУТЬ
  различается, A TAB ПУТЬ только в новой папке, D TAB ПУТЬ только в старой (папка только с
  одной стороны - одна строка), ! TAB ПУТЬ TAB ПРИЧИНА то, что нельзя сравнить (файл против
  папки, особый файл, то, что не читается). Файлы одного размера сравниваются побайтно;
  ссылки на файлы раскрываются, в ссылки на папки вход не делается.
  --stats    число элементов в каждом состоянии вместо этого
  -q         остановиться на первом различии и вывести только его строку
  --exclude=ШАБЛОН  пропускать имена по ШАБЛОНУ, кроме стандартных:
             .git .hg .svn CVS __pycache__ *.pyc *.o *~ .DS_Store
  --no-exclude    не пропускать стандартные
ПРОПУСК: то, что сравнение не учитывает; общий текст показывает байты ПЕРВОГО (ВТОРОГО при
  --view=old), а где они различаются, он отмечен как неучтённый.
  --ignore-line-ends, --strip-trailing-cr  CR LF и одиночный CR читаются как LF
  -b, --ignore-space-change  ряд пробелов и табуляций читается как один пробел, в конце
                             строки - как ничто
  -w, --ignore-all-space     пробелы и табуляции не читаются совсем
  -i, --ignore-case          буквы читаются строчными
  С двумя папками файлы, различающиеся только тем, что ПРОПУСК не учитывает, одинаковы.
Код возврата: 0 одинаковы (или различаются только тем, что ПРОПУСК не учитывает),
  1 различаются, 2 беда (файл или папка не читается) или остановлено (SIGINT, SIGTERM).
</source>
        <translation>usage: dorix-diff [--chunks | --stats | --moves] [--color=auto|always|never]
                  [--encoding=E] [--exact] [--no-moves] [--old-first] [-a] [IGNORE...]
                  [-L FIRST-LABEL [-L SECOND-LABEL]] [--] FIRST SECOND
       dorix-diff --lines | --html [--width=N] [--hex] [--view=both|new|old]
                  [--line-ends=auto|cr|lf] [IGNORE...] [--] FIRST SECOND
       dorix-diff [--stats] [-q] [--exclude=GLOB...] [--no-exclude] [--old-first]
                  [IGNORE...] [--] NEW-FOLDER OLD-FOLDER
       dorix-diff PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE
  FIRST is the new version, SECOND the old one; --old-first turns that round.
  -L, --label=NAME  given once or twice, names FIRST, then SECOND, in the merged text&apos;s
             header (--- SECOND, +++ FIRST) and the HTML page instead of their paths
  Given the seven arguments of git&apos;s external diff (GIT_EXTERNAL_DIFF), the merged text
  of NEW-FILE against OLD-FILE under a header naming PATH, with the verdict, on standard
  output; the exit status is then 0 whether or not the files differ.
  (default)  the merged text; new-only text {+marked+}, old-only text [-marked-], text
             moved here {~marked~}, text moved away [~marked~]. Coloured on a terminal
             unless NO_COLOR is set or TERM is dumb, control bytes then shown as ^X. Of
             files with a NUL byte in their first 8 KB only that they differ is said;
             -a, --text writes them as text all the same.
  --chunks   one line per piece: kind (0 both, 1 only FIRST, 2 only SECOND), TAB, length;
             with IGNORE, the length in FIRST, TAB, the length in SECOND
  --stats    EqualChars FirstChars SecondChars EqualChunks FirstChunks SecondChunks
  --lines    one line per display line: KIND TAB START TAB LENGTH TAB ZONES, where KIND is
             0 equal, 1 inserted, 2 deleted, 3 updated and ZONES is KIND:LENGTH,...
             (4: shared text whose bytes differ only in what IGNORE looks past; 5: deleted
             text moved away, 6: inserted text moved here)
  --moves    one line per part of moved text: its offset in FIRST, TAB, its offset in
             SECOND, TAB, its length (offsets in bytes from 0)
  --html     the merged view as a standalone HTML page
  --width=N  wrap display lines at N characters (default: no wrapping)
  --hex      the hex layout: 16 bytes a line, line breaks as ordinary bytes
  --view     both files (default), or the new or the old one with the shared text
  --line-ends  cr: CR and CR LF end lines; lf: an LF alone too; auto (default): lf when
             either file holds an LF without a CR before it
  --exact    the pieces exactly as the engine found them, without the readable pass that
             slides a change to whole lines and folds the crumbs between changes
  --encoding auto (default), utf-8, cp1251, cp866 or koi8-r. Under UTF-8 no piece
             splits a character. Automatic: UTF-8 when either file starts with its
             byte order mark or both are valid UTF-8, else cp1251.
  --no-moves text moved from one place to another is not looked for; --chunks and
             --stats count moved text as inserted and deleted either way
Two folders: one line per entry that is not identical, sorted by path: M TAB PATH
  different, A TAB PATH only in the new folder, D TAB PATH only in the old one (a folder
  on one side only is one line), ! TAB PATH TAB REASON what cannot be compared (a file
  against a folder, a special file, what cannot be read). Files of one size are compared
  byte for byte; links to files are followed, links to folders are not entered.
  --stats    the number of entries in each state instead
  -q         stop at the first difference and write only its line
  --exclude=GLOB  leave out names matching GLOB, besides the default ones:
             .git .hg .svn CVS __pycache__ *.pyc *.o *~ .DS_Store
  --no-exclude    leave out none of the default ones
IGNORE: what the comparison looks past; shared text shows FIRST&apos;s bytes (SECOND&apos;s in
  --view=old), and where the two differ it is marked as ignored.
  --ignore-line-ends, --strip-trailing-cr  CR LF and a CR alone read as LF
  -b, --ignore-space-change  a run of spaces and tabs reads as one space, none at a line end
  -w, --ignore-all-space     spaces and tabs are not read at all
  -i, --ignore-case          letters read as their lower case
  With two folders, files alike in all but what IGNORE looks past are identical.
Exit status: 0 identical (or alike in all but what IGNORE looks past), 1 different,
  2 trouble (a file or folder that cannot be read, too) or stopped (SIGINT, SIGTERM).
</translation>
    </message>
    <message>
        <source>%1 принимает %2, %3 или %4, а не %5</source>
        <translation>%1 wants %2, %3 or %4, not %5</translation>
    </message>
    <message>
        <source>--width принимает целое число от 1, а не %1</source>
        <translation>--width wants a whole number from 1 up, not %1</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 требует имя</source>
        <translation>%1 wants a name</translation>
    </message>
    <message>
        <source>--encoding принимает auto, utf-8, cp1251, cp866 или koi8-r, а не %1</source>
        <translation>--encoding wants auto, utf-8, cp1251, cp866 or koi8-r, not %1</translation>
    </message>
    <message>
        <source>--width, --hex, --view и --line-ends работают только с --lines или --html</source>
        <translation>--width, --hex, --view and --line-ends go with --lines or --html</translation>
    </message>
    <message>
        <source>как внешний diff для git выводится только объединённый текст</source>
        <translation>as git&apos;s external diff only the merged text is written</translation>
    </message>
    <message>
        <source>нужны два файла, а дано %1</source>
        <translation>expected two files, got %1</translation>
    </message>
    <message>
        <source>-L называет два файла, а дано %1 раз</source>
        <translation>-L names the two files: given %1 times</translation>
    </message>
    <message>
        <source>не удаётся записать вывод</source>
        <translation>cannot write the output</translation>
    </message>
    <message>
        <source>%1 - папка, а %2 - нет: дайте два файла или две папки</source>
        <translation>%1 is a folder and %2 is not: give two files or two folders</translation>
    </message>
    <message>
        <source>-q, --exclude и --no-exclude работают только с двумя папками</source>
        <translation>-q, --exclude and --no-exclude go with two folders</translation>
    </message>
    <message>
        <source>с двумя папками вывод меняет только --stats</source>
        <translation>with two folders only --stats changes what is written</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>Двоичные файлы различаются.</source>
        <translation>Binary files differ.</translation>
    </message>
</context>
</TS>
