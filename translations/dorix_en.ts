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
</context>
</TS>
