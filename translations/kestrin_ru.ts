<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>Installation instructions</source>
        <translation>Инструкция по установке</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
</context>
<context>
    <name>ArticleFileController</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>Save changes to the article?</source>
        <translation>Сохранить изменения в проекте?</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>The article file %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Не удалось открыть файл проекта %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The article file %1 was not opened; it has these problems:</source>
        <translation>Файл проекта %1 не открыт: в нём есть ошибки:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>The article could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить проект в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>article</source>
        <translation>проект</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Do you really want to quit ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Действительно выйти?<byte value="xd"/>
Все несохранённые данные будут потеряны.</translation>
    </message>
    <message>
        <source>The article file %1 no longer exists; it has been taken off the list of recent articles.</source>
        <translation>Файла проекта %1 больше нет; он убран из списка недавних проектов.</translation>
    </message>
</context>
<context>
    <name>ArticleReader</name>
    <message>
        <source>unknown key %1; the closest known key is %2</source>
        <translation>неизвестный ключ %1; ближайший известный ключ: %2</translation>
    </message>
    <message>
        <source>invalid JSON: control character U+%1 in a text; write it as %2\u%3</source>
        <translation>неверный JSON: управляющий символ U+%1 в тексте; запишите его как %2\u%3</translation>
    </message>
    <message>
        <source>invalid JSON: </source>
        <translation>неверный JSON: </translation>
    </message>
    <message>
        <source>a second byte-order mark; one may stand only at the very start of the file</source>
        <translation>вторая метка порядка байтов (BOM); она может стоять только в самом начале файла</translation>
    </message>
    <message>
        <source>a NUL byte (0x00), which a JSON text cannot hold</source>
        <translation>байт NUL (0x00), которого не может быть в тексте JSON</translation>
    </message>
    <message>
        <source>invalid JSON: a text is not closed with a double quote</source>
        <translation>неверный JSON: текст не закрыт двойной кавычкой</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>файл обрывается слишком рано</translation>
    </message>
    <message>
        <source>more text after the end of the article&apos;s object</source>
        <translation>лишний текст после конца объекта проекта</translation>
    </message>
    <message>
        <source>expected a value (no &quot;,&quot; may stand before &quot;}&quot; or &quot;]&quot;)</source>
        <translation>ожидалось значение (перед &quot;}&quot; или &quot;]&quot; не может стоять &quot;,&quot;)</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; (and every key in double quotes)</source>
        <translation>ожидалось &quot;,&quot; или &quot;}&quot; (и каждый ключ в двойных кавычках)</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after the key</source>
        <translation>после ключа ожидалось &quot;:&quot;</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot;</source>
        <translation>ожидалось &quot;,&quot; или &quot;]&quot;</translation>
    </message>
    <message>
        <source>invalid JSON: expected a value: a text in double quotes, a number, true, false, null, an object or an array</source>
        <translation>неверный JSON: ожидалось значение: текст в двойных кавычках, число, true, false, null, объект или массив</translation>
    </message>
    <message>
        <source>unknown escape %1 in a text; the escapes are \&quot; \\ \/ \b \f \n \r \t and \u followed by four hexadecimal digits</source>
        <translation>неизвестная escape-последовательность %1 в тексте; допустимы \&quot; \\ \/ \b \f \n \r \t и \u с четырьмя шестнадцатеричными цифрами</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits</source>
        <translation>после \u должны идти четыре шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>%1 is the first half of a surrogate pair, but no second half (\uDC00 to \uDFFF) follows it</source>
        <translation>%1 — первая половина суррогатной пары, но за ней нет второй половины (\uDC00–\uDFFF)</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; save it as UTF-8</source>
        <translation>файл не в корректной кодировке UTF-8; сохраните его в UTF-8</translation>
    </message>
    <message>
        <source>the number %1 is too large to be read (the largest is about 1.8e308)</source>
        <translation>число %1 слишком велико (наибольшее — около 1.8e308)</translation>
    </message>
    <message>
        <source>expected a digit after the decimal point</source>
        <translation>после десятичной точки ожидалась цифра</translation>
    </message>
    <message>
        <source>expected a digit in the number&apos;s exponent</source>
        <translation>в показателе степени ожидалась цифра</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true или false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>числом</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>текстом</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>массивом</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объектом</translation>
    </message>
    <message>
        <source>invalid JSON: %1 is the second half of a surrogate pair, but no first half (\uD800 to \uDBFF) stands before it</source>
        <translation>неверный JSON: %1 — вторая половина суррогатной пары, но перед ней нет первой половины (\uD800–\uDBFF)</translation>
    </message>
    <message>
        <source>invalid JSON: objects and arrays are nested more than %1 levels deep</source>
        <translation>неверный JSON: объекты и массивы вложены глубже %1 уровней</translation>
    </message>
    <message>
        <source>unknown key %1; write %2 inside the object %3</source>
        <translation>неизвестный ключ %1; запишите %2 внутри объекта %3</translation>
    </message>
    <message>
        <source>key %1 is given more than once (first in line %2)</source>
        <translation>ключ %1 указан несколько раз (впервые в строке %2)</translation>
    </message>
    <message>
        <source>an article file holds one JSON object { ... }, not %1</source>
        <translation>файл проекта должен быть одним объектом JSON { ... }, а не %1</translation>
    </message>
    <message>
        <source>line %1 of %2 must be a string, not %3</source>
        <translation>строка %1 в %2 должна быть строкой, а не %3</translation>
    </message>
    <message>
        <source>%1 must be a text (a string, or an array of strings, one per line), not %2</source>
        <translation>%1 должно быть текстом (строкой или массивом строк, по одной на строку), а не %2</translation>
    </message>
    <message>
        <source>; put it in quotes</source>
        <translation>; заключите его в кавычки</translation>
    </message>
    <message>
        <source>%1 must be a text, not %2</source>
        <translation>%1 должно быть текстом, а не %2</translation>
    </message>
    <message>
        <source>&quot;formatVersion&quot; must be a whole number such as %1, not %2</source>
        <translation>&quot;formatVersion&quot; должно быть целым числом, например %1, а не %2</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Kestrin Editor (format version %1); this version reads format version %2</source>
        <translation>файл записан более новой версией Kestrin Editor (версия формата %1); эта версия читает версию формата %2</translation>
    </message>
    <message>
        <source>unknown article kind %1; the article kinds are %2</source>
        <translation>неизвестный тип проекта %1; типы проектов: %2</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>%1 must be a text, one of %2, not %3</source>
        <translation>%1 должно быть текстом, одним из %2, а не %3</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>%1 must be an object with the keys %2, not %3</source>
        <translation>%1 должно быть объектом с ключами %2, а не %3</translation>
    </message>
    <message>
        <source>%1 is a group of keys; give one of %2</source>
        <translation>%1 — группа ключей; укажите один из %2</translation>
    </message>
    <message>
        <source>%1 describes the file itself and cannot be set</source>
        <translation>%1 описывает сам файл, его нельзя задать</translation>
    </message>
    <message>
        <source>unknown installation kind %1; the installation kinds are %2</source>
        <translation>неизвестный тип установки %1; типы установки: %2</translation>
    </message>
    <message>
        <source>&quot;installation.text&quot; is used only with the installation kind &quot;Own description&quot;, not with %1</source>
        <translation>&quot;installation.text&quot; используется только с типом установки &quot;Own description&quot;, а не с %1</translation>
    </message>
    <message>
        <source>the file is in %1; an article file must be saved as UTF-8</source>
        <translation>файл в кодировке %1; файл проекта должен быть сохранён в UTF-8</translation>
    </message>
    <message>
        <source>the file is empty; an article file holds one JSON object</source>
        <translation>файл пуст; файл проекта содержит один объект JSON</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most an article file may hold</source>
        <translation>%1 больше %2 МиБ — предельного размера файла проекта</translation>
    </message>
    <message>
        <source>the input</source>
        <translation>ввод</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>файл</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Allow</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>None - official only</source>
        <translation>Только официальные</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Свой список</translation>
    </message>
    <message>
        <source>SP mission</source>
        <translation>SP-миссия</translation>
    </message>
    <message>
        <source>MP mission</source>
        <translation>MP-миссия</translation>
    </message>
    <message>
        <source>Addon</source>
        <translation>Аддон</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Мод</translation>
    </message>
    <message>
        <source>Own description</source>
        <translation>Свой текст</translation>
    </message>
</context>
<context>
    <name>FileWork</name>
    <message>
        <source>Filling in the form...</source>
        <translation>Заполнение формы...</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Чтение файла...</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Запись файла...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>Article</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Автор(ы)</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Веб</translation>
    </message>
    <message>
        <source>Required game version</source>
        <translation>Требуемая версия игры</translation>
    </message>
    <message>
        <source>Required addons</source>
        <translation>Требуемые аддоны</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>это не обычный файл (канал, устройство или сокет)</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>it lies outside the chosen folder</source>
        <translation>он лежит вне выбранной папки</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB and is not read</source>
        <translation>файл больше %1 МБ и не читается</translation>
    </message>
    <message>
        <source>the PBO&apos;s checksum does not match its content; it may be damaged</source>
        <translation>контрольная сумма PBO не совпадает с содержимым; файл может быть повреждён</translation>
    </message>
    <message>
        <source>there is no such file or folder</source>
        <translation>такого файла или папки нет</translation>
    </message>
    <message>
        <source>is neither a PBO nor a folder</source>
        <translation>не является ни PBO, ни папкой</translation>
    </message>
    <message>
        <source>holds no mission.sqm, config.cpp, config.bin, mod.cpp or PBO</source>
        <translation>не содержит mission.sqm, config.cpp, config.bin, mod.cpp или PBO</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a PBO and an entry in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <comment>a file and a line in it</comment>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where, then what</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the compressed entry claims more data than it could hold</source>
        <translation>сжатая запись заявляет больше данных, чем может содержать</translation>
    </message>
    <message>
        <source>the compressed entry ends before its data</source>
        <translation>сжатая запись заканчивается раньше своих данных</translation>
    </message>
    <message>
        <source>the compressed entry is damaged</source>
        <translation>сжатая запись повреждена</translation>
    </message>
    <message>
        <source>Official addons: those of the game installation in %1 (%2 classes)</source>
        <translation>Официальные аддоны: из установки игры в %1 (классов: %2)</translation>
    </message>
    <message>
        <source>Official addons: the list shipped with Kestrin Editor (%1); no game installation was found</source>
        <translation>Официальные аддоны: список, прилагаемый к Kestrin Editor (%1); установка игры не найдена</translation>
    </message>
    <message>
        <source>the file is too short to be a PBO</source>
        <translation>файл слишком короткий для PBO</translation>
    </message>
    <message>
        <source>the PBO&apos;s header is damaged or has no end</source>
        <translation>заголовок PBO повреждён или не имеет конца</translation>
    </message>
    <message>
        <source>the entry %1 has an unknown packing method and is skipped</source>
        <translation>запись %1 имеет неизвестный способ упаковки и пропускается</translation>
    </message>
    <message>
        <source>the entry %1 reaches past the end of the file</source>
        <translation>запись %1 выходит за конец файла</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>запись зашифрована</translation>
    </message>
    <message>
        <source>the entry reaches past the end of the file</source>
        <translation>запись выходит за конец файла</translation>
    </message>
    <message>
        <source>the entry is larger than %1 MB and is not read</source>
        <translation>запись больше %1 МБ и не читается</translation>
    </message>
    <message>
        <source>the entry could not be read</source>
        <translation>запись не удалось прочитать</translation>
    </message>
    <message>
        <source>the compressed entry&apos;s checksum does not match; it may be damaged</source>
        <translation>контрольная сумма сжатой записи не совпадает; запись может быть повреждена</translation>
    </message>
    <message>
        <source>the binarized file is damaged at byte %1; the rest of this class is skipped</source>
        <translation>бинаризованный файл повреждён на байте %1; остаток этого класса пропускается</translation>
    </message>
    <message>
        <source>the binarized file has too many entries; the rest is skipped</source>
        <translation>в бинаризованном файле слишком много записей; остальное пропускается</translation>
    </message>
    <message>
        <source>the binarized file nests classes too deeply; the inner ones are skipped</source>
        <translation>в бинаризованном файле классы вложены слишком глубоко; внутренние пропускаются</translation>
    </message>
    <message>
        <source>the binarized file has an entry of unknown type %1; the rest of this class is skipped</source>
        <translation>в бинаризованном файле есть запись неизвестного типа %1; остаток этого класса пропускается</translation>
    </message>
    <message>
        <source>the file is not a binarized config of a known version</source>
        <translation>файл не является бинаризованной конфигурацией известной версии</translation>
    </message>
    <message>
        <source>the included file %1 is not read</source>
        <translation>включаемый файл %1 не читается</translation>
    </message>
    <message>
        <source>the included file %1 is nested too deeply and is not read</source>
        <translation>включаемый файл %1 вложен слишком глубоко и не читается</translation>
    </message>
    <message>
        <source>the included file %1 is not read: %2</source>
        <translation>включаемый файл %1 не читается: %2</translation>
    </message>
    <message>
        <source>the file %1 includes itself; it is read once</source>
        <translation>файл %1 включает сам себя; он читается один раз</translation>
    </message>
    <message>
        <source>the included files are too large together; %1 and later ones are not read</source>
        <translation>включаемые файлы вместе слишком велики; %1 и последующие не читаются</translation>
    </message>
    <message>
        <source>an #if condition cannot be worked out here; its block is skipped</source>
        <translation>условие #if здесь нельзя вычислить; его блок пропускается</translation>
    </message>
    <message>
        <source>the macros expand to too much text; the rest is not expanded</source>
        <translation>макросы раскрываются в слишком длинный текст; остальное не раскрывается</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>у текста нет закрывающей кавычки</translation>
    </message>
    <message>
        <source>an #ifdef block has no #endif</source>
        <translation>у блока #ifdef нет #endif</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>файл заканчивается слишком рано</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;; the statement is skipped</source>
        <translation>неожиданное «%1»; инструкция пропускается</translation>
    </message>
    <message>
        <source>the macro %1 cannot be expanded here; the statement is skipped</source>
        <translation>макрос %1 здесь нельзя раскрыть; инструкция пропускается</translation>
    </message>
    <message>
        <source>the arrays are nested too deeply; this one is skipped</source>
        <translation>массивы вложены слишком глубоко; этот пропускается</translation>
    </message>
    <message>
        <source>the class name %1 is a macro that cannot be expanded here</source>
        <translation>имя класса %1 — макрос, который здесь нельзя раскрыть</translation>
    </message>
    <message>
        <source>the classes are nested too deeply; this one is skipped</source>
        <translation>классы вложены слишком глубоко; этот пропускается</translation>
    </message>
    <message>
        <source>the class %1 has no closing brace</source>
        <translation>у класса %1 нет закрывающей скобки</translation>
    </message>
</context>
<context>
    <name>QtArticleDialogService</name>
    <message>
        <source>Article files (*.json)</source>
        <translation>Файлы проектов (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Open Article</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Save Article As</source>
        <translation>Сохранить проект как</translation>
    </message>
</context>
<context>
    <name>ReadmeDocument</name>
    <message>
        <source>The ReadMe contains characters that the %1 code page cannot hold:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Do you want to save the ReadMe as UTF-8 instead?<byte value="xd"/>
Yes: save as UTF-8 (with a byte-order mark).<byte value="xd"/>
No: save in %1, with &quot;?&quot; in place of each of these characters.<byte value="xd"/>
Cancel: do not save.</source>
        <translation>ReadMe содержит символы, которых нет в кодовой странице %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Сохранить ReadMe в UTF-8?<byte value="xd"/>
Да: сохранить в UTF-8 (с меткой порядка байтов).<byte value="xd"/>
Нет: сохранить в %1, заменив каждый такой символ на &quot;?&quot;.<byte value="xd"/>
Отмена: не сохранять.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить файл ReadMe в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ReadMe file created successfully ...</source>
        <translation>Файл ReadMe успешно создан ...</translation>
    </message>
    <message>
        <source>Do you really want to set all defaults ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Действительно сбросить все значения по умолчанию?<byte value="xd"/>
Все несохранённые данные будут потеряны.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Article:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Select your article</source>
        <translation>Выберите тип проекта</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Put your article name here</source>
        <translation>Название вашего проекта</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Put your article version here</source>
        <translation>Версия вашего проекта</translation>
    </message>
    <message>
        <source>Author(s):</source>
        <translation>Автор(ы):</translation>
    </message>
    <message>
        <source>Names of authors</source>
        <translation>Имена авторов</translation>
    </message>
    <message>
        <source>Release date:</source>
        <translation>Выпуск:</translation>
    </message>
    <message>
        <source>Release date for your article</source>
        <translation>Дата выхода вашего проекта</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Почта:</translation>
    </message>
    <message>
        <source>Contact email address</source>
        <translation>Адрес электронной почты для связи</translation>
    </message>
    <message>
        <source>Skype:</source>
        <translation>Skype:</translation>
    </message>
    <message>
        <source>Skype name contact</source>
        <translation>Имя в Skype для связи</translation>
    </message>
    <message>
        <source>ICQ:</source>
        <translation>ICQ:</translation>
    </message>
    <message>
        <source>ICQ number contact</source>
        <translation>Номер ICQ для связи</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Другое:</translation>
    </message>
    <message>
        <source>Other contacts</source>
        <translation>Другие контакты</translation>
    </message>
    <message>
        <source>Required game:</source>
        <translation>Нужная игра:</translation>
    </message>
    <message>
        <source>Minimal required game version</source>
        <translation>Минимальная требуемая версия игры</translation>
    </message>
    <message>
        <source>Required addons:</source>
        <translation>Нужные аддоны:</translation>
    </message>
    <message>
        <source>List of required addons</source>
        <translation>Список нужных аддонов</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
More addons and their download links can be added later, after creation of this ReadMe file ...</source>
        <translation>Примечание:<byte value="xd"/>
Другие аддоны и ссылки на их загрузку можно добавить позже, после создания этого файла ReadMe ...</translation>
    </message>
    <message>
        <source>Installation instructions for:</source>
        <translation>Установка для:</translation>
    </message>
    <message>
        <source>Write here your own installation isntructions</source>
        <translation>Напишите здесь свою инструкцию по установке</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Description for your article</source>
        <translation>Описание вашего проекта</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Функции:</translation>
    </message>
    <message>
        <source>Interesting features in your article</source>
        <translation>Интересные особенности вашего проекта</translation>
    </message>
    <message>
        <source>Changelog/known bugs:</source>
        <translation>Изменения/ошибки:</translation>
    </message>
    <message>
        <source>Changelog or list of known bugs</source>
        <translation>Список изменений или известных ошибок</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Инфо:</translation>
    </message>
    <message>
        <source>Just notes</source>
        <translation>Просто заметки</translation>
    </message>
    <message>
        <source>Credits and thanks:</source>
        <translation>Благодарности:</translation>
    </message>
    <message>
        <source>Put here all the credits and thanks</source>
        <translation>Укажите здесь всех участников и благодарности</translation>
    </message>
    <message>
        <source>Disclaimer (will be added automatically):</source>
        <translation>Дисклеймер (автоматически):</translation>
    </message>
    <message>
        <source>Automatic disclaimer</source>
        <translation>Автоматический отказ от ответственности</translation>
    </message>
    <message>
        <source>Basic data</source>
        <translation>Основное</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Требования</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Детали</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Благодарности</translation>
    </message>
</context>
<context>
    <name>CommandLineParser</name>
    <message>
        <source>Usage: kestrin-readme [OPTION]... ARTICLE.json
Makes the ReadMe of the article in ARTICLE.json, exactly as Kestrin Editor&apos;s
Create writes it, and writes it to standard output. ARTICLE.json may be &quot;-&quot;
to read the article from standard input.

Options:
  -o, --output FILE    write the ReadMe to FILE instead; FILE is replaced only
                       once the whole ReadMe is written (&quot;-&quot;: standard output)
  --set KEY=VALUE      use VALUE for KEY instead of the file&apos;s value, e.g.
                       --set version=1.3 (may be given several times)
  --unset KEY          leave KEY out, as if the file did not have it
  --format FORMAT      text (the ReadMe, the default), bbcode (a forum post)
                       or markdown (a README.md); bbcode and markdown are
                       always UTF-8
  --encoding ENCODING  ansi, windows-1250 to windows-1258, utf-8 or utf-8-bom
                       (default ansi: the locale&apos;s code page, here %1);
                       text only
  --replace            write &quot;?&quot; for characters the code page cannot hold,
                       instead of failing
  -h, --help           show this help and exit
  --version            show the version and exit

Keys for --set and --unset:
  %2

Exit status: 0 when the ReadMe was written; 1 when it was not (characters
the code page cannot hold, or the write failed); 2 for bad input or usage.
</source>
        <translation>Использование: kestrin-readme [ПАРАМЕТР]... ПРОЕКТ.json
Создаёт ReadMe проекта из ПРОЕКТ.json в точности так, как его записывает
«Создать» в Kestrin Editor, и выводит его на стандартный вывод. ПРОЕКТ.json может
быть &quot;-&quot;, чтобы читать проект со стандартного ввода.

Параметры:
  -o, --output FILE    записать ReadMe в FILE; FILE заменяется только после
                       записи всего ReadMe (&quot;-&quot;: стандартный вывод)
  --set KEY=VALUE      использовать VALUE для KEY вместо значения из файла,
                       например --set version=1.3 (можно указывать несколько раз)
  --unset KEY          опустить KEY, как будто его нет в файле
  --format FORMAT      text (ReadMe, по умолчанию), bbcode (сообщение на форуме)
                       или markdown (README.md); bbcode и markdown всегда
                       в UTF-8
  --encoding ENCODING  ansi, windows-1250 … windows-1258, utf-8 или utf-8-bom
                       (по умолчанию ansi: кодовая страница локали, здесь %1);
                       только для текста
  --replace            записывать &quot;?&quot; вместо символов, которых нет в кодовой
                       странице, а не завершаться с ошибкой
  -h, --help           показать эту справку и выйти
  --version            показать версию и выйти

Ключи для --set и --unset:
  %2

Код выхода: 0 — ReadMe записан; 1 — не записан (символы, которых нет в кодовой
странице, или ошибка записи); 2 — неверные входные данные или вызов.
</translation>
    </message>
    <message>
        <source>unknown format %1; the formats are text, bbcode and markdown</source>
        <translation>неизвестный формат %1; форматы: text, bbcode и markdown</translation>
    </message>
    <message>
        <source>option %1 applies to --format text only; %2 is always written in UTF-8</source>
        <translation>параметр %1 действует только для --format text; %2 всегда записывается в UTF-8</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>неизвестный параметр %1 (см. --help)</translation>
    </message>
    <message>
        <source>option %1 needs a value (see --help)</source>
        <translation>параметру %1 нужно значение (см. --help)</translation>
    </message>
    <message>
        <source>no article file given (see --help)</source>
        <translation>не указан файл проекта (см. --help)</translation>
    </message>
    <message>
        <source>one article file expected, but %1 were given (see --help)</source>
        <translation>ожидался один файл проекта, а указано %1 (см. --help)</translation>
    </message>
    <message>
        <source>option &quot;--output&quot; needs a file name (&quot;-&quot; for standard output)</source>
        <translation>параметру &quot;--output&quot; нужно имя файла (&quot;-&quot; — стандартный вывод)</translation>
    </message>
    <message>
        <source>--set %1 is not of the form KEY=VALUE</source>
        <translation>--set %1 не в виде KEY=VALUE</translation>
    </message>
    <message>
        <source>Import from a mission, addon or Mod (ARTICLE.json may then be left out):
  --import PATH        take the name, author(s), web address, required game
                       version and required addons found in PATH (a mission
                       folder or .pbo, an addon folder or .pbo, a Mod folder)
                       on top of the article; what could not be read is told
                       on standard error; exit status 2 when nothing could be
                       read
  --import-only        write the merged article (JSON) instead of the ReadMe
  --game PATH          the game installation whose addons count as official
                       (default: the one set in the window, else the one found
                       on this computer, else the list shipped with the editor)
</source>
        <translation>Импорт из миссии, аддона или мода (ARTICLE.json тогда можно не указывать):
  --import ПУТЬ        взять название, автора(ов), веб-адрес, требуемую версию
                       игры и требуемые аддоны из ПУТИ (папка или .pbo миссии,
                       папка или .pbo аддона, папка мода); то, что не удалось
                       прочитать, выводится в стандартный поток
                       ошибок; код выхода 2, если ничего не удалось
                       прочитать
  --import-only        вывести объединённый проект (JSON) вместо ReadMe
  --game ПУТЬ          установка игры, аддоны которой считаются официальными
                       (иначе выбранная в окне, иначе найденная на этом
                       компьютере, иначе список, прилагаемый к редактору)
</translation>
    </message>
    <message>
        <source>options &quot;--import&quot; and &quot;--game&quot; need a path</source>
        <translation>параметрам «--import» и «--game» нужен путь</translation>
    </message>
    <message>
        <source>options &quot;--import-only&quot; and &quot;--game&quot; need &quot;--import&quot;</source>
        <translation>параметрам «--import-only» и «--game» нужен «--import»</translation>
    </message>
</context>
<context>
    <name>ReadmeTool</name>
    <message>
        <source>%1: cannot read the article file: %2</source>
        <translation>%1: не удаётся прочитать файл проекта: %2</translation>
    </message>
    <message>
        <source>%1: and %2 more problems</source>
        <translation>%1: и ещё ошибок: %2</translation>
    </message>
    <message>
        <source>the ReadMe holds characters that %1 cannot hold:</source>
        <translation>в ReadMe есть символы, которых нет в %1:</translation>
    </message>
    <message>
        <source>  line %1, column %2: %3</source>
        <translation>  строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>  and more</source>
        <translation>  и другие</translation>
    </message>
    <message>
        <source>nothing was written; choose another --encoding (such as utf-8), or --replace to write &quot;?&quot; in their place</source>
        <translation>ничего не записано; выберите другую --encoding (например, utf-8) или --replace, чтобы записать вместо них &quot;?&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>unknown encoding %1; the encodings are ansi, windows-1250 to windows-1258, utf-8 and utf-8-bom</source>
        <translation>неизвестная кодировка %1; кодировки: ansi, windows-1250 … windows-1258, utf-8 и utf-8-bom</translation>
    </message>
    <message>
        <source>standard output is the article file itself; nothing was written</source>
        <translation>стандартный вывод — это сам файл проекта; ничего не записано</translation>
    </message>
    <message>
        <source>the output file %1 is the article file itself; nothing was written</source>
        <translation>выходной файл %1 — это сам файл проекта; ничего не записано</translation>
    </message>
    <message>
        <source>a character cannot be encoded</source>
        <translation>символ не удаётся закодировать</translation>
    </message>
    <message>
        <source>%1: note: %2</source>
        <translation>%1: примечание: %2</translation>
    </message>
    <message>
        <source>nothing could be read from %1</source>
        <translation>из %1 ничего не удалось прочитать</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kestrin-readme</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
</context>
<context>
    <name>kestrin::ReadmeExporter</name>
    <message>
        <source>Save Preview As</source>
        <translation>Сохранить просмотр как</translation>
    </message>
    <message>
        <source>Export as BBCode</source>
        <translation>Экспорт в BBCode</translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation>Экспорт в Markdown</translation>
    </message>
    <message>
        <source>Save ReadMe As</source>
        <translation>Сохранить ReadMe как</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>BBCode forum posts</source>
        <translation>Сообщения для форума в BBCode</translation>
    </message>
    <message>
        <source>Markdown files</source>
        <translation>Файлы Markdown</translation>
    </message>
    <message>
        <source>The BBCode file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить файл BBCode в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The Markdown file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить файл Markdown в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BBCode file created successfully ...</source>
        <translation>Файл BBCode успешно создан ...</translation>
    </message>
    <message>
        <source>Markdown file created successfully ...</source>
        <translation>Файл Markdown успешно создан ...</translation>
    </message>
</context>
<context>
    <name>kestrin::help::ChmArchive</name>
    <message>
        <source>the file does not exist.</source>
        <translation>файл не существует.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>это папка, а не файл.</translation>
    </message>
    <message>
        <source>it is not an ordinary file.</source>
        <translation>это не обычный файл.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory cannot be read.</source>
        <translation>файл повреждён: не удаётся прочитать его каталог.</translation>
    </message>
    <message>
        <source>the file is damaged: its compressed pages cannot be read.</source>
        <translation>файл повреждён: не удаётся прочитать его сжатые страницы.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>файл пуст.</translation>
    </message>
    <message>
        <source>it is not a compiled HTML Help (.chm) file.</source>
        <translation>это не файл скомпилированной справки HTML (.chm).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it ends inside its header.</source>
        <translation>файл повреждён или неполон: он обрывается внутри заголовка.</translation>
    </message>
    <message>
        <source>the file is damaged: its header is not valid.</source>
        <translation>файл повреждён: его заголовок неверен.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it should be %1 bytes long, but it holds %2.</source>
        <translation>файл повреждён или неполон: его длина должна быть %1 байт, а в нём %2.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory lies outside the file.</source>
        <translation>файл повреждён: его каталог лежит за пределами файла.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: its directory names data beyond its end.</source>
        <translation>файл повреждён или неполон: его каталог указывает на данные за концом файла.</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpBrowser</name>
    <message>
        <source>The link &quot;%1&quot; was not opened: the help opens only its own pages, web addresses (http:, https:) and mail addresses (mailto:).</source>
        <translation>Ссылка &quot;%1&quot; не открыта: справка открывает только свои страницы, веб-адреса (http:, https:) и почтовые адреса (mailto:).</translation>
    </message>
    <message>
        <source>This page is too large to show: it holds %1, and the help shows pages of up to %2.</source>
        <translation>Эта страница слишком велика: её размер %1, а справка показывает страницы до %2.</translation>
    </message>
    <message>
        <source>Page not shown</source>
        <translation>Страница не показана</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Страница:</translation>
    </message>
    <message>
        <source>Parts of this page are nested too deeply or are too large, and are shown flattened.</source>
        <translation>Части этой страницы вложены слишком глубоко или слишком велики и показаны упрощённо.</translation>
    </message>
    <message>
        <source>Pictures from outside the help file are not shown.</source>
        <translation>Изображения не из файла справки не показываются.</translation>
    </message>
    <message>
        <source>A picture on this page is too large to show.</source>
        <translation>Изображение на этой странице слишком велико.</translation>
    </message>
    <message>
        <source>A style sheet of this page is too large, and the page is shown without it.</source>
        <translation>Таблица стилей этой страницы слишком велика; страница показана без неё.</translation>
    </message>
    <message>
        <source>This page cannot be read: the help file is damaged.</source>
        <translation>Не удаётся прочитать эту страницу: файл справки повреждён.</translation>
    </message>
    <message>
        <source>This page is not in the help file.</source>
        <translation>Этой страницы нет в файле справки.</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>Страница недоступна</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpWindow</name>
    <message>
        <source>The help cannot be shown</source>
        <translation>Не удаётся показать справку</translation>
    </message>
    <message>
        <source>The editor is not affected by this: close this window and carry on.</source>
        <translation>На редактор это не влияет: закройте это окно и продолжайте работу.</translation>
    </message>
    <message>
        <source>Kestrin Editor Help</source>
        <translation>Справка Kestrin Editor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Back to the previous page (Alt+Left)</source>
        <translation>Назад к предыдущей странице (Alt+Влево)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Forward to the next page (Alt+Right)</source>
        <translation>Вперёд к следующей странице (Alt+Вправо)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>The first page of the help (Alt+Home)</source>
        <translation>Первая страница справки (Alt+Home)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Страница справки</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удаётся открыть файл справки &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; cannot be opened: %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Не удаётся открыть файл справки &lt;b&gt;%1&lt;/b&gt;: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The table of contents is too large to show.</source>
        <translation>Содержание слишком велико для показа.</translation>
    </message>
    <message>
        <source>The table of contents is nested too deeply: entries below level %1 are shown at level %1.</source>
        <translation>Содержание вложено слишком глубоко: пункты ниже уровня %1 показаны на уровне %1.</translation>
    </message>
    <message>
        <source>The table of contents is too long: only its first %1 entries are shown.</source>
        <translation>Содержание слишком длинное: показаны только первые %1 пунктов.</translation>
    </message>
    <message>
        <source>the file is damaged: its pages cannot be read.</source>
        <translation>файл повреждён: не удаётся прочитать его страницы.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; was not found. These folders were searched:</source>
        <translation>Файл справки &quot;%1&quot; не найден. Поиск выполнялся в этих папках:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched, in this order:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Put the file into one of them and choose Help Contents again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Файл справки &lt;b&gt;%1&lt;/b&gt; не найден. Поиск выполнялся в этих папках, в таком порядке:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Поместите файл в одну из них и снова выберите «Содержание справки».&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>ver.: %1</source>
        <translation>вер.: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::ImportDialog</name>
    <message>
        <source>Import from Mission or Addon</source>
        <translation>Импорт из миссии или аддона</translation>
    </message>
    <message>
        <source>Found in %1. Tick what the form should take:</source>
        <translation>Найдено в %1. Отметьте, что должна взять форма:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>The form holds now</source>
        <translation>Сейчас в форме</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Where it was found</source>
        <translation>Где найдено</translation>
    </message>
    <message>
        <source>Proposed fields</source>
        <translation>Предложенные поля</translation>
    </message>
    <message>
        <source>User defined: the list below</source>
        <translation>Свой список: список ниже</translation>
    </message>
    <message>
        <source>&amp;Required addons (one a line; official addons left out):</source>
        <translation>&amp;Требуемые аддоны (по одному в строке; официальные опущены):</translation>
    </message>
    <message>
        <source>Left out as official: %1</source>
        <translation>Опущены как официальные: %1</translation>
    </message>
    <message>
        <source>Everything could be read.</source>
        <translation>Всё удалось прочитать.</translation>
    </message>
    <message>
        <source>What could not be read:</source>
        <translation>Что не удалось прочитать:</translation>
    </message>
    <message>
        <source>What could not be read</source>
        <translation>Что не удалось прочитать</translation>
    </message>
    <message>
        <source>&amp;Game Folder...</source>
        <translation>&amp;Папка игры...</translation>
    </message>
    <message>
        <source>Choose the Game Folder</source>
        <translation>Выберите папку игры</translation>
    </message>
    <message>
        <source>From the next import on, the addons of the game in %1 count as official.</source>
        <translation>Начиная со следующего импорта аддоны игры в %1 считаются официальными.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::MainWindow</name>
    <message>
        <source>The field now holds %1 characters and shows the first %2 of them. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Поле теперь содержит %1 символов и показывает первые %2 из них. Чтобы изменить текст, выделите его целиком и печатайте, удалите или вставьте другой; «Отменить» возвращает вставку назад.</translation>
    </message>
    <message>
        <source>The field now holds %1 lines (%2 characters), too many to edit: it shows them read-only. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Поле теперь содержит %1 строк (%2 символов), слишком много для правки: оно показывает их только для чтения. Чтобы изменить текст, выделите его целиком и введите, удалите или вставьте другой; Отменить возвращает вставку.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Содержание справки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Kestrin Editor by Vantry</source>
        <translation>Kestrin Editor от Vantry</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>Open Article...</source>
        <translation>Открыть проект...</translation>
    </message>
    <message>
        <source>Save Article</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Save Article As...</source>
        <translation>Сохранить проект как...</translation>
    </message>
    <message>
        <source>Recent Articles</source>
        <translation>Недавние проекты</translation>
    </message>
    <message>
        <source>Clear Recent Articles</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>%1[*] - Kestrin Editor</source>
        <translation>%1[*] - Kestrin Editor</translation>
    </message>
    <message>
        <source>Import from Mission or Addon...</source>
        <translation>Импорт из миссии или аддона...</translation>
    </message>
    <message>
        <source>Choose a Mission, Addon or Mod</source>
        <translation>Выберите миссию, аддон или мод</translation>
    </message>
    <message>
        <source>Missions, addons and Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;All files (*)</source>
        <translation>Миссии, аддоны и моды (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s official addons...</source>
        <translation>Поиск официальных аддонов игры...</translation>
    </message>
    <message>
        <source>Nothing could be read from %1.</source>
        <translation>Из %1 ничего не удалось прочитать.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PreviewWindow</name>
    <message>
        <source>ReadMe Preview - Kestrin Editor</source>
        <translation>Просмотр ReadMe - Kestrin Editor</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Обычный текст</translation>
    </message>
    <message>
        <source>BBCode</source>
        <translation>BBCode</translation>
    </message>
    <message>
        <source>Markdown</source>
        <translation>Markdown</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>%1, CR LF line ends: every character fits the code page.</source>
        <translation>%1, концы строк CR LF: все символы есть в кодовой странице.</translation>
    </message>
    <message>
        <source>More than %1 characters cannot be written in %2; the first %1 are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Более %1 символов нельзя записать в %2; первые %1 отмечены и перечислены ниже. «Создать» спросит, сохранить в UTF-8 или с &quot;?&quot; вместо них.</translation>
    </message>
    <message>
        <source>1 character cannot be written in %1; it is marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in its place.</source>
        <translation>1 символ нельзя записать в %1; он отмечен и указан ниже. «Создать» спросит, сохранить в UTF-8 или с &quot;?&quot; вместо него.</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in %2; they are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Символов, которые нельзя записать в %2: %1; они отмечены и перечислены ниже. «Создать» спросит, сохранить в UTF-8 или с &quot;?&quot; вместо них.</translation>
    </message>
    <message>
        <source>UTF-8, CR LF line ends.</source>
        <translation>UTF-8, концы строк CR LF.</translation>
    </message>
    <message>
        <source>UTF-8, LF line ends.</source>
        <translation>UTF-8, концы строк LF.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>ReadMe preview</source>
        <translation>Просмотр ReadMe</translation>
    </message>
    <message>
        <source>Characters the code page cannot hold</source>
        <translation>Символы, которых нет в кодовой странице</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PublishCommands</name>
    <message>
        <source>Preview ReadMe...</source>
        <translation>Просмотр ReadMe...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>BBCode...</source>
        <translation>BBCode...</translation>
    </message>
    <message>
        <source>Markdown...</source>
        <translation>Markdown...</translation>
    </message>
    <message>
        <source>Copy as BBCode</source>
        <translation>Копировать как BBCode</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes ReadMe files for Arma 2 missions, addons and mods.</source>
        <translation>Создаёт файлы ReadMe для миссий, аддонов и модов Arma 2.</translation>
    </message>
    <message>
        <source>An article file (.json) to open.</source>
        <translation>Файл проекта (.json) для открытия.</translation>
    </message>
</context>
</TS>
