<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Installation instructions</source>
        <translation>Instrukcja instalacji</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
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
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>Save changes to the article?</source>
        <translation>Zapisać zmiany w projekcie?</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>To jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>The article file %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Nie można otworzyć pliku projektu %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The article file %1 was not opened; it has these problems:</source>
        <translation>Plik projektu %1 nie został otwarty; zawiera te błędy:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
    <message>
        <source>The article could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać projektu do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>article</source>
        <translation>projekt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Do you really want to quit ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Czy na pewno zakończyć?<byte value="xd"/>
Wszystkie niezapisane dane zostaną utracone.</translation>
    </message>
    <message>
        <source>The article file %1 no longer exists; it has been taken off the list of recent articles.</source>
        <translation>Plik projektu %1 już nie istnieje; został usunięty z listy ostatnich projektów.</translation>
    </message>
</context>
<context>
    <name>ArticleReader</name>
    <message>
        <source>unknown key %1; the closest known key is %2</source>
        <translation>nieznany klucz %1; najbliższy znany klucz to %2</translation>
    </message>
    <message>
        <source>invalid JSON: control character U+%1 in a text; write it as %2\u%3</source>
        <translation>nieprawidłowy JSON: znak sterujący U+%1 w tekście; zapisz go jako %2\u%3</translation>
    </message>
    <message>
        <source>invalid JSON: </source>
        <translation>nieprawidłowy JSON: </translation>
    </message>
    <message>
        <source>a second byte-order mark; one may stand only at the very start of the file</source>
        <translation>drugi znacznik kolejności bajtów (BOM); może stać tylko na samym początku pliku</translation>
    </message>
    <message>
        <source>a NUL byte (0x00), which a JSON text cannot hold</source>
        <translation>bajt NUL (0x00), którego tekst JSON nie może zawierać</translation>
    </message>
    <message>
        <source>invalid JSON: a text is not closed with a double quote</source>
        <translation>nieprawidłowy JSON: tekst nie jest zamknięty cudzysłowem</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>plik kończy się za wcześnie</translation>
    </message>
    <message>
        <source>more text after the end of the article&apos;s object</source>
        <translation>dodatkowy tekst po końcu obiektu projektu</translation>
    </message>
    <message>
        <source>expected a value (no &quot;,&quot; may stand before &quot;}&quot; or &quot;]&quot;)</source>
        <translation>oczekiwano wartości (przed &quot;}&quot; ani &quot;]&quot; nie może stać &quot;,&quot;)</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; (and every key in double quotes)</source>
        <translation>oczekiwano &quot;,&quot; lub &quot;}&quot; (a każdy klucz w cudzysłowie)</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after the key</source>
        <translation>po kluczu oczekiwano &quot;:&quot;</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot;</source>
        <translation>oczekiwano &quot;,&quot; lub &quot;]&quot;</translation>
    </message>
    <message>
        <source>invalid JSON: expected a value: a text in double quotes, a number, true, false, null, an object or an array</source>
        <translation>nieprawidłowy JSON: oczekiwano wartości: tekstu w cudzysłowie, liczby, true, false, null, obiektu lub tablicy</translation>
    </message>
    <message>
        <source>unknown escape %1 in a text; the escapes are \&quot; \\ \/ \b \f \n \r \t and \u followed by four hexadecimal digits</source>
        <translation>nieznana sekwencja ucieczki %1 w tekście; dozwolone są \&quot; \\ \/ \b \f \n \r \t oraz \u z czterema cyframi szesnastkowymi</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits</source>
        <translation>po \u muszą następować cztery cyfry szesnastkowe</translation>
    </message>
    <message>
        <source>%1 is the first half of a surrogate pair, but no second half (\uDC00 to \uDFFF) follows it</source>
        <translation>%1 to pierwsza połowa pary zastępczej, ale nie następuje po niej druga połowa (\uDC00 do \uDFFF)</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; save it as UTF-8</source>
        <translation>plik nie jest poprawnym UTF-8; zapisz go jako UTF-8</translation>
    </message>
    <message>
        <source>the number %1 is too large to be read (the largest is about 1.8e308)</source>
        <translation>liczba %1 jest za duża (największa to około 1.8e308)</translation>
    </message>
    <message>
        <source>expected a digit after the decimal point</source>
        <translation>po kropce dziesiętnej oczekiwano cyfry</translation>
    </message>
    <message>
        <source>expected a digit in the number&apos;s exponent</source>
        <translation>w wykładniku liczby oczekiwano cyfry</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>liczbą</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>tekstem</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>tablicą</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>obiektem</translation>
    </message>
    <message>
        <source>invalid JSON: %1 is the second half of a surrogate pair, but no first half (\uD800 to \uDBFF) stands before it</source>
        <translation>nieprawidłowy JSON: %1 to druga połowa pary zastępczej, ale przed nią nie ma pierwszej połowy (\uD800 do \uDBFF)</translation>
    </message>
    <message>
        <source>invalid JSON: objects and arrays are nested more than %1 levels deep</source>
        <translation>nieprawidłowy JSON: obiekty i tablice są zagnieżdżone głębiej niż na %1 poziomów</translation>
    </message>
    <message>
        <source>unknown key %1; write %2 inside the object %3</source>
        <translation>nieznany klucz %1; zapisz %2 wewnątrz obiektu %3</translation>
    </message>
    <message>
        <source>key %1 is given more than once (first in line %2)</source>
        <translation>klucz %1 podano więcej niż raz (po raz pierwszy w wierszu %2)</translation>
    </message>
    <message>
        <source>an article file holds one JSON object { ... }, not %1</source>
        <translation>plik projektu musi być jednym obiektem JSON { ... }, a nie %1</translation>
    </message>
    <message>
        <source>line %1 of %2 must be a string, not %3</source>
        <translation>wiersz %1 z %2 musi być łańcuchem, a nie %3</translation>
    </message>
    <message>
        <source>%1 must be a text (a string, or an array of strings, one per line), not %2</source>
        <translation>%1 musi być tekstem (łańcuchem lub tablicą łańcuchów, po jednym na wiersz), a nie %2</translation>
    </message>
    <message>
        <source>; put it in quotes</source>
        <translation>; ujmij go w cudzysłów</translation>
    </message>
    <message>
        <source>%1 must be a text, not %2</source>
        <translation>%1 musi być tekstem, a nie %2</translation>
    </message>
    <message>
        <source>&quot;formatVersion&quot; must be a whole number such as %1, not %2</source>
        <translation>&quot;formatVersion&quot; musi być liczbą całkowitą, np. %1, a nie %2</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Kestrin Editor (format version %1); this version reads format version %2</source>
        <translation>plik został zapisany nowszą wersją Kestrin Editor (wersja formatu %1); ta wersja czyta wersję formatu %2</translation>
    </message>
    <message>
        <source>unknown article kind %1; the article kinds are %2</source>
        <translation>nieznany rodzaj projektu %1; rodzaje projektów to %2</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i</translation>
    </message>
    <message>
        <source>%1 must be a text, one of %2, not %3</source>
        <translation>%1 musi być tekstem, jednym z %2, a nie %3</translation>
    </message>
    <message>
        <source>or</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>%1 must be an object with the keys %2, not %3</source>
        <translation>%1 musi być obiektem z kluczami %2, a nie %3</translation>
    </message>
    <message>
        <source>%1 is a group of keys; give one of %2</source>
        <translation>%1 to grupa kluczy; podaj jeden z %2</translation>
    </message>
    <message>
        <source>%1 describes the file itself and cannot be set</source>
        <translation>%1 opisuje sam plik i nie można go ustawić</translation>
    </message>
    <message>
        <source>unknown installation kind %1; the installation kinds are %2</source>
        <translation>nieznany rodzaj instalacji %1; rodzaje instalacji to %2</translation>
    </message>
    <message>
        <source>&quot;installation.text&quot; is used only with the installation kind &quot;Own description&quot;, not with %1</source>
        <translation>&quot;installation.text&quot; jest używany tylko z rodzajem instalacji &quot;Own description&quot;, a nie z %1</translation>
    </message>
    <message>
        <source>the file is in %1; an article file must be saved as UTF-8</source>
        <translation>plik jest w kodowaniu %1; plik projektu musi być zapisany w UTF-8</translation>
    </message>
    <message>
        <source>the file is empty; an article file holds one JSON object</source>
        <translation>plik jest pusty; plik projektu zawiera jeden obiekt JSON</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most an article file may hold</source>
        <translation>%1 jest większy niż %2 MiB, maksymalny rozmiar pliku projektu</translation>
    </message>
    <message>
        <source>the input</source>
        <translation>wejście</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>plik</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Allow</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>None - official only</source>
        <translation>Brak - tylko oficjalne</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Własna lista</translation>
    </message>
    <message>
        <source>SP mission</source>
        <translation>Misja SP</translation>
    </message>
    <message>
        <source>MP mission</source>
        <translation>Misja MP</translation>
    </message>
    <message>
        <source>Addon</source>
        <translation>Addon</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Own description</source>
        <translation>Własny opis</translation>
    </message>
</context>
<context>
    <name>FileWork</name>
    <message>
        <source>Filling in the form...</source>
        <translation>Wypełnianie formularza...</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Odczyt pliku...</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Zapis pliku...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>Article</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(zy)</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>Required game version</source>
        <translation>Wymagana wersja gry</translation>
    </message>
    <message>
        <source>Required addons</source>
        <translation>Wymagane addony</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to folder, a nie plik</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>to nie jest zwykły plik (potok, urządzenie lub gniazdo)</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>nie dało się odczytać: %1</translation>
    </message>
    <message>
        <source>it lies outside the chosen folder</source>
        <translation>leży poza wybranym folderem</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB and is not read</source>
        <translation>plik jest większy niż %1 MB i nie jest czytany</translation>
    </message>
    <message>
        <source>the PBO&apos;s checksum does not match its content; it may be damaged</source>
        <translation>suma kontrolna PBO nie zgadza się z zawartością; plik może być uszkodzony</translation>
    </message>
    <message>
        <source>there is no such file or folder</source>
        <translation>nie ma takiego pliku ani folderu</translation>
    </message>
    <message>
        <source>is neither a PBO nor a folder</source>
        <translation>nie jest ani PBO, ani folderem</translation>
    </message>
    <message>
        <source>holds no mission.sqm, config.cpp, config.bin, mod.cpp or PBO</source>
        <translation>nie zawiera mission.sqm, config.cpp, config.bin, mod.cpp ani PBO</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a PBO and an entry in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <comment>a file and a line in it</comment>
        <translation>%1, wiersz %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where, then what</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the compressed entry claims more data than it could hold</source>
        <translation>skompresowany wpis deklaruje więcej danych, niż może zawierać</translation>
    </message>
    <message>
        <source>the compressed entry ends before its data</source>
        <translation>skompresowany wpis kończy się przed swoimi danymi</translation>
    </message>
    <message>
        <source>the compressed entry is damaged</source>
        <translation>skompresowany wpis jest uszkodzony</translation>
    </message>
    <message>
        <source>Official addons: those of the game installation in %1 (%2 classes)</source>
        <translation>Oficjalne addony: z instalacji gry w %1 (klas: %2)</translation>
    </message>
    <message>
        <source>Official addons: the list shipped with Kestrin Editor (%1); no game installation was found</source>
        <translation>Oficjalne addony: lista dołączona do Kestrin Editor (%1); nie znaleziono instalacji gry</translation>
    </message>
    <message>
        <source>the file is too short to be a PBO</source>
        <translation>plik jest za krótki na PBO</translation>
    </message>
    <message>
        <source>the PBO&apos;s header is damaged or has no end</source>
        <translation>nagłówek PBO jest uszkodzony lub nie ma końca</translation>
    </message>
    <message>
        <source>the entry %1 has an unknown packing method and is skipped</source>
        <translation>wpis %1 ma nieznaną metodę pakowania i jest pomijany</translation>
    </message>
    <message>
        <source>the entry %1 reaches past the end of the file</source>
        <translation>wpis %1 sięga poza koniec pliku</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>wpis jest zaszyfrowany</translation>
    </message>
    <message>
        <source>the entry reaches past the end of the file</source>
        <translation>wpis sięga poza koniec pliku</translation>
    </message>
    <message>
        <source>the entry is larger than %1 MB and is not read</source>
        <translation>wpis jest większy niż %1 MB i nie jest czytany</translation>
    </message>
    <message>
        <source>the entry could not be read</source>
        <translation>wpisu nie dało się odczytać</translation>
    </message>
    <message>
        <source>the compressed entry&apos;s checksum does not match; it may be damaged</source>
        <translation>suma kontrolna skompresowanego wpisu się nie zgadza; może być uszkodzony</translation>
    </message>
    <message>
        <source>the binarized file is damaged at byte %1; the rest of this class is skipped</source>
        <translation>zbinaryzowany plik jest uszkodzony na bajcie %1; reszta tej klasy jest pomijana</translation>
    </message>
    <message>
        <source>the binarized file has too many entries; the rest is skipped</source>
        <translation>zbinaryzowany plik ma za dużo wpisów; reszta jest pomijana</translation>
    </message>
    <message>
        <source>the binarized file nests classes too deeply; the inner ones are skipped</source>
        <translation>zbinaryzowany plik zagnieżdża klasy zbyt głęboko; wewnętrzne są pomijane</translation>
    </message>
    <message>
        <source>the binarized file has an entry of unknown type %1; the rest of this class is skipped</source>
        <translation>zbinaryzowany plik ma wpis nieznanego typu %1; reszta tej klasy jest pomijana</translation>
    </message>
    <message>
        <source>the file is not a binarized config of a known version</source>
        <translation>plik nie jest zbinaryzowaną konfiguracją znanej wersji</translation>
    </message>
    <message>
        <source>the included file %1 is not read</source>
        <translation>dołączany plik %1 nie jest czytany</translation>
    </message>
    <message>
        <source>the included file %1 is nested too deeply and is not read</source>
        <translation>dołączany plik %1 jest zagnieżdżony zbyt głęboko i nie jest czytany</translation>
    </message>
    <message>
        <source>the included file %1 is not read: %2</source>
        <translation>dołączany plik %1 nie jest czytany: %2</translation>
    </message>
    <message>
        <source>the file %1 includes itself; it is read once</source>
        <translation>plik %1 dołącza sam siebie; jest czytany raz</translation>
    </message>
    <message>
        <source>the included files are too large together; %1 and later ones are not read</source>
        <translation>dołączane pliki są razem za duże; %1 i kolejne nie są czytane</translation>
    </message>
    <message>
        <source>an #if condition cannot be worked out here; its block is skipped</source>
        <translation>warunku #if nie da się tu obliczyć; jego blok jest pomijany</translation>
    </message>
    <message>
        <source>the macros expand to too much text; the rest is not expanded</source>
        <translation>makra rozwijają się w zbyt długi tekst; reszta nie jest rozwijana</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>tekstowi brakuje zamykającego cudzysłowu</translation>
    </message>
    <message>
        <source>an #ifdef block has no #endif</source>
        <translation>blok #ifdef nie ma #endif</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>plik kończy się za wcześnie</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;; the statement is skipped</source>
        <translation>nieoczekiwane „%1”; instrukcja jest pomijana</translation>
    </message>
    <message>
        <source>the macro %1 cannot be expanded here; the statement is skipped</source>
        <translation>makra %1 nie da się tu rozwinąć; instrukcja jest pomijana</translation>
    </message>
    <message>
        <source>the arrays are nested too deeply; this one is skipped</source>
        <translation>tablice są zagnieżdżone zbyt głęboko; ta jest pomijana</translation>
    </message>
    <message>
        <source>the class name %1 is a macro that cannot be expanded here</source>
        <translation>nazwa klasy %1 to makro, którego nie da się tu rozwinąć</translation>
    </message>
    <message>
        <source>the classes are nested too deeply; this one is skipped</source>
        <translation>klasy są zagnieżdżone zbyt głęboko; ta jest pomijana</translation>
    </message>
    <message>
        <source>the class %1 has no closing brace</source>
        <translation>klasie %1 brakuje zamykającego nawiasu</translation>
    </message>
</context>
<context>
    <name>QtArticleDialogService</name>
    <message>
        <source>Article files (*.json)</source>
        <translation>Pliki projektów (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open Article</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Save Article As</source>
        <translation>Zapisz projekt jako</translation>
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
        <translation>ReadMe zawiera znaki, których strona kodowa %1 nie obsługuje:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Czy zapisać ReadMe w UTF-8?<byte value="xd"/>
Tak: zapisz w UTF-8 (ze znacznikiem kolejności bajtów).<byte value="xd"/>
Nie: zapisz w %1, z &quot;?&quot; w miejscu każdego z tych znaków.<byte value="xd"/>
Anuluj: nie zapisuj.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać pliku ReadMe do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ReadMe file created successfully ...</source>
        <translation>Plik ReadMe został utworzony ...</translation>
    </message>
    <message>
        <source>Do you really want to set all defaults ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Czy na pewno przywrócić wszystkie wartości domyślne?<byte value="xd"/>
Wszystkie niezapisane dane zostaną utracone.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Article:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Select your article</source>
        <translation>Wybierz rodzaj projektu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Put your article name here</source>
        <translation>Nazwa twojego projektu</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Put your article version here</source>
        <translation>Wersja twojego projektu</translation>
    </message>
    <message>
        <source>Author(s):</source>
        <translation>Autor(zy):</translation>
    </message>
    <message>
        <source>Names of authors</source>
        <translation>Imiona i nazwiska autorów</translation>
    </message>
    <message>
        <source>Release date:</source>
        <translation>Wydano:</translation>
    </message>
    <message>
        <source>Release date for your article</source>
        <translation>Data wydania twojego projektu</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Contact email address</source>
        <translation>Kontaktowy adres e-mail</translation>
    </message>
    <message>
        <source>Skype:</source>
        <translation>Skype:</translation>
    </message>
    <message>
        <source>Skype name contact</source>
        <translation>Nazwa Skype do kontaktu</translation>
    </message>
    <message>
        <source>ICQ:</source>
        <translation>ICQ:</translation>
    </message>
    <message>
        <source>ICQ number contact</source>
        <translation>Numer ICQ do kontaktu</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Inne:</translation>
    </message>
    <message>
        <source>Other contacts</source>
        <translation>Inne kontakty</translation>
    </message>
    <message>
        <source>Required game:</source>
        <translation>Wymagana gra:</translation>
    </message>
    <message>
        <source>Minimal required game version</source>
        <translation>Minimalna wymagana wersja gry</translation>
    </message>
    <message>
        <source>Required addons:</source>
        <translation>Wymagane addony:</translation>
    </message>
    <message>
        <source>List of required addons</source>
        <translation>Lista wymaganych addonów</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
More addons and their download links can be added later, after creation of this ReadMe file ...</source>
        <translation>Uwaga:<byte value="xd"/>
Kolejne addony i linki do ich pobrania można dodać później, po utworzeniu tego pliku ReadMe ...</translation>
    </message>
    <message>
        <source>Installation instructions for:</source>
        <translation>Instalacja dla:</translation>
    </message>
    <message>
        <source>Write here your own installation isntructions</source>
        <translation>Wpisz tutaj własną instrukcję instalacji</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Description for your article</source>
        <translation>Opis twojego projektu</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Cechy:</translation>
    </message>
    <message>
        <source>Interesting features in your article</source>
        <translation>Ciekawe cechy twojego projektu</translation>
    </message>
    <message>
        <source>Changelog/known bugs:</source>
        <translation>Zmiany/znane błędy:</translation>
    </message>
    <message>
        <source>Changelog or list of known bugs</source>
        <translation>Lista zmian lub znanych błędów</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Just notes</source>
        <translation>Po prostu notatki</translation>
    </message>
    <message>
        <source>Credits and thanks:</source>
        <translation>Podziękowania:</translation>
    </message>
    <message>
        <source>Put here all the credits and thanks</source>
        <translation>Wpisz tutaj wszystkich twórców i podziękowania</translation>
    </message>
    <message>
        <source>Disclaimer (will be added automatically):</source>
        <translation>Zastrzeżenie (automatyczne):</translation>
    </message>
    <message>
        <source>Automatic disclaimer</source>
        <translation>Automatyczne zastrzeżenie</translation>
    </message>
    <message>
        <source>Basic data</source>
        <translation>Podstawowe dane</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Wymogi</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Instalacja</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Podziękowania</translation>
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
        <translation>Użycie: kestrin-readme [OPCJA]... PROJEKT.json
Tworzy ReadMe projektu z PROJEKT.json dokładnie tak, jak zapisuje je &quot;Utwórz&quot;
w Kestrin Editor, i wypisuje je na standardowe wyjście. PROJEKT.json może być
&quot;-&quot;, aby czytać projekt ze standardowego wejścia.

Opcje:
  -o, --output FILE    zapisz ReadMe do FILE; FILE jest zastępowany dopiero
                       po zapisaniu całego ReadMe (&quot;-&quot;: standardowe wyjście)
  --set KEY=VALUE      użyj VALUE dla KEY zamiast wartości z pliku, np.
                       --set version=1.3 (można podać wiele razy)
  --unset KEY          pomiń KEY, jakby plik go nie miał
  --format FORMAT      text (ReadMe, domyślnie), bbcode (post na forum)
                       lub markdown (README.md); bbcode i markdown zawsze
                       w UTF-8
  --encoding ENCODING  ansi, windows-1250 do windows-1258, utf-8 lub utf-8-bom
                       (domyślnie ansi: strona kodowa ustawień regionalnych, tu %1);
                       tylko dla tekstu
  --replace            zapisz &quot;?&quot; w miejsce znaków, których strona kodowa nie
                       obsługuje, zamiast przerywać
  -h, --help           pokaż tę pomoc i zakończ
  --version            pokaż wersję i zakończ

Klucze dla --set i --unset:
  %2

Kod wyjścia: 0, gdy ReadMe zostało zapisane; 1, gdy nie (znaki, których strona
kodowa nie obsługuje, lub błąd zapisu); 2 przy błędnych danych lub użyciu.
</translation>
    </message>
    <message>
        <source>unknown format %1; the formats are text, bbcode and markdown</source>
        <translation>nieznany format %1; formaty to text, bbcode i markdown</translation>
    </message>
    <message>
        <source>option %1 applies to --format text only; %2 is always written in UTF-8</source>
        <translation>opcja %1 dotyczy tylko --format text; %2 jest zawsze zapisywany w UTF-8</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>nieznana opcja %1 (zobacz --help)</translation>
    </message>
    <message>
        <source>option %1 needs a value (see --help)</source>
        <translation>opcja %1 wymaga wartości (zobacz --help)</translation>
    </message>
    <message>
        <source>no article file given (see --help)</source>
        <translation>nie podano pliku projektu (zobacz --help)</translation>
    </message>
    <message>
        <source>one article file expected, but %1 were given (see --help)</source>
        <translation>oczekiwano jednego pliku projektu, a podano %1 (zobacz --help)</translation>
    </message>
    <message>
        <source>option &quot;--output&quot; needs a file name (&quot;-&quot; for standard output)</source>
        <translation>opcja &quot;--output&quot; wymaga nazwy pliku (&quot;-&quot; dla standardowego wyjścia)</translation>
    </message>
    <message>
        <source>--set %1 is not of the form KEY=VALUE</source>
        <translation>--set %1 nie ma postaci KEY=VALUE</translation>
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
        <translation>Import z misji, addonu lub moda (ARTICLE.json można wtedy pominąć):
  --import ŚCIEŻKA     weź nazwę, autora(ów), adres WWW, wymaganą wersję gry
                       i wymagane addony z ŚCIEŻKI (folder lub .pbo misji,
                       folder lub .pbo addonu, folder moda); to, czego nie
                       dało się odczytać, trafia na standardowe
                       wyjście błędów; kod wyjścia 2, gdy nie dało
                       się odczytać niczego
  --import-only        wypisz połączony projekt (JSON) zamiast ReadMe
  --game ŚCIEŻKA       instalacja gry, której addony liczą się jako oficjalne
                       (domyślnie wybrana w oknie, potem znaleziona na tym
                       komputerze, potem lista dołączona do edytora)
</translation>
    </message>
    <message>
        <source>options &quot;--import&quot; and &quot;--game&quot; need a path</source>
        <translation>opcje „--import” i „--game” wymagają ścieżki</translation>
    </message>
    <message>
        <source>options &quot;--import-only&quot; and &quot;--game&quot; need &quot;--import&quot;</source>
        <translation>opcje „--import-only” i „--game” wymagają „--import”</translation>
    </message>
</context>
<context>
    <name>ReadmeTool</name>
    <message>
        <source>%1: cannot read the article file: %2</source>
        <translation>%1: nie można odczytać pliku projektu: %2</translation>
    </message>
    <message>
        <source>%1: and %2 more problems</source>
        <translation>%1: i %2 kolejnych błędów</translation>
    </message>
    <message>
        <source>the ReadMe holds characters that %1 cannot hold:</source>
        <translation>ReadMe zawiera znaki, których %1 nie obsługuje:</translation>
    </message>
    <message>
        <source>  line %1, column %2: %3</source>
        <translation>  wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>  and more</source>
        <translation>  i więcej</translation>
    </message>
    <message>
        <source>nothing was written; choose another --encoding (such as utf-8), or --replace to write &quot;?&quot; in their place</source>
        <translation>nic nie zapisano; wybierz inne --encoding (np. utf-8) lub --replace, aby zapisać w ich miejscu &quot;?&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>unknown encoding %1; the encodings are ansi, windows-1250 to windows-1258, utf-8 and utf-8-bom</source>
        <translation>nieznane kodowanie %1; kodowania to ansi, windows-1250 do windows-1258, utf-8 i utf-8-bom</translation>
    </message>
    <message>
        <source>standard output is the article file itself; nothing was written</source>
        <translation>standardowe wyjście to sam plik projektu; nic nie zapisano</translation>
    </message>
    <message>
        <source>the output file %1 is the article file itself; nothing was written</source>
        <translation>plik wyjściowy %1 to sam plik projektu; nic nie zapisano</translation>
    </message>
    <message>
        <source>a character cannot be encoded</source>
        <translation>znaku nie można zakodować</translation>
    </message>
    <message>
        <source>%1: note: %2</source>
        <translation>%1: uwaga: %2</translation>
    </message>
    <message>
        <source>nothing could be read from %1</source>
        <translation>z %1 nie dało się niczego odczytać</translation>
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
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
</context>
<context>
    <name>kestrin::ReadmeExporter</name>
    <message>
        <source>Save Preview As</source>
        <translation>Zapisz podgląd jako</translation>
    </message>
    <message>
        <source>Export as BBCode</source>
        <translation>Eksportuj jako BBCode</translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation>Eksportuj jako Markdown</translation>
    </message>
    <message>
        <source>Save ReadMe As</source>
        <translation>Zapisz ReadMe jako</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>BBCode forum posts</source>
        <translation>Posty na forum w BBCode</translation>
    </message>
    <message>
        <source>Markdown files</source>
        <translation>Pliki Markdown</translation>
    </message>
    <message>
        <source>The BBCode file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać pliku BBCode w %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The Markdown file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać pliku Markdown w %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BBCode file created successfully ...</source>
        <translation>Plik BBCode został utworzony ...</translation>
    </message>
    <message>
        <source>Markdown file created successfully ...</source>
        <translation>Plik Markdown został utworzony ...</translation>
    </message>
</context>
<context>
    <name>kestrin::help::ChmArchive</name>
    <message>
        <source>the file does not exist.</source>
        <translation>plik nie istnieje.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>to jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>it is not an ordinary file.</source>
        <translation>to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory cannot be read.</source>
        <translation>plik jest uszkodzony: nie można odczytać jego katalogu.</translation>
    </message>
    <message>
        <source>the file is damaged: its compressed pages cannot be read.</source>
        <translation>plik jest uszkodzony: nie można odczytać jego skompresowanych stron.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>plik jest pusty.</translation>
    </message>
    <message>
        <source>it is not a compiled HTML Help (.chm) file.</source>
        <translation>to nie jest plik skompilowanej pomocy HTML (.chm).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it ends inside its header.</source>
        <translation>plik jest uszkodzony lub niekompletny: kończy się wewnątrz nagłówka.</translation>
    </message>
    <message>
        <source>the file is damaged: its header is not valid.</source>
        <translation>plik jest uszkodzony: jego nagłówek jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it should be %1 bytes long, but it holds %2.</source>
        <translation>plik jest uszkodzony lub niekompletny: powinien mieć %1 bajtów, a ma %2.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory lies outside the file.</source>
        <translation>plik jest uszkodzony: jego katalog leży poza plikiem.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: its directory names data beyond its end.</source>
        <translation>plik jest uszkodzony lub niekompletny: jego katalog wskazuje dane poza jego końcem.</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpBrowser</name>
    <message>
        <source>The link &quot;%1&quot; was not opened: the help opens only its own pages, web addresses (http:, https:) and mail addresses (mailto:).</source>
        <translation>Link &quot;%1&quot; nie został otwarty: pomoc otwiera tylko własne strony, adresy WWW (http:, https:) i adresy e-mail (mailto:).</translation>
    </message>
    <message>
        <source>This page is too large to show: it holds %1, and the help shows pages of up to %2.</source>
        <translation>Ta strona jest za duża: ma %1, a pomoc pokazuje strony do %2.</translation>
    </message>
    <message>
        <source>Page not shown</source>
        <translation>Strona nie jest wyświetlona</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>Parts of this page are nested too deeply or are too large, and are shown flattened.</source>
        <translation>Części tej strony są zbyt głęboko zagnieżdżone lub za duże i są pokazane w uproszczeniu.</translation>
    </message>
    <message>
        <source>Pictures from outside the help file are not shown.</source>
        <translation>Obrazy spoza pliku pomocy nie są pokazywane.</translation>
    </message>
    <message>
        <source>A picture on this page is too large to show.</source>
        <translation>Obraz na tej stronie jest za duży.</translation>
    </message>
    <message>
        <source>A style sheet of this page is too large, and the page is shown without it.</source>
        <translation>Arkusz stylów tej strony jest za duży; strona jest pokazana bez niego.</translation>
    </message>
    <message>
        <source>This page cannot be read: the help file is damaged.</source>
        <translation>Nie można odczytać tej strony: plik pomocy jest uszkodzony.</translation>
    </message>
    <message>
        <source>This page is not in the help file.</source>
        <translation>Tej strony nie ma w pliku pomocy.</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>Strona niedostępna</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpWindow</name>
    <message>
        <source>The help cannot be shown</source>
        <translation>Nie można wyświetlić pomocy</translation>
    </message>
    <message>
        <source>The editor is not affected by this: close this window and carry on.</source>
        <translation>Nie ma to wpływu na edytor: zamknij to okno i pracuj dalej.</translation>
    </message>
    <message>
        <source>Kestrin Editor Help</source>
        <translation>Pomoc Kestrin Editor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Back to the previous page (Alt+Left)</source>
        <translation>Wstecz do poprzedniej strony (Alt+W lewo)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Forward to the next page (Alt+Right)</source>
        <translation>Dalej do następnej strony (Alt+W prawo)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>The first page of the help (Alt+Home)</source>
        <translation>Pierwsza strona pomocy (Alt+Home)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Strona pomocy</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Nie można otworzyć pliku pomocy &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; cannot be opened: %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nie można otworzyć pliku pomocy &lt;b&gt;%1&lt;/b&gt;: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The table of contents is too large to show.</source>
        <translation>Spis treści jest za duży do wyświetlenia.</translation>
    </message>
    <message>
        <source>The table of contents is nested too deeply: entries below level %1 are shown at level %1.</source>
        <translation>Spis treści jest zbyt głęboko zagnieżdżony: pozycje poniżej poziomu %1 są pokazane na poziomie %1.</translation>
    </message>
    <message>
        <source>The table of contents is too long: only its first %1 entries are shown.</source>
        <translation>Spis treści jest za długi: pokazano tylko pierwsze %1 pozycji.</translation>
    </message>
    <message>
        <source>the file is damaged: its pages cannot be read.</source>
        <translation>plik jest uszkodzony: nie można odczytać jego stron.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; was not found. These folders were searched:</source>
        <translation>Nie znaleziono pliku pomocy &quot;%1&quot;. Przeszukano te foldery:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched, in this order:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Put the file into one of them and choose Help Contents again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nie znaleziono pliku pomocy &lt;b&gt;%1&lt;/b&gt;. Przeszukano te foldery, w tej kolejności:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Umieść plik w jednym z nich i ponownie wybierz Tematy pomocy.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>ver.: %1</source>
        <translation>wer.: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::ImportDialog</name>
    <message>
        <source>Import from Mission or Addon</source>
        <translation>Import z misji lub addonu</translation>
    </message>
    <message>
        <source>Found in %1. Tick what the form should take:</source>
        <translation>Znaleziono w %1. Zaznacz, co formularz ma przejąć:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>The form holds now</source>
        <translation>Formularz zawiera teraz</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Znaleziono</translation>
    </message>
    <message>
        <source>Where it was found</source>
        <translation>Gdzie znaleziono</translation>
    </message>
    <message>
        <source>Proposed fields</source>
        <translation>Proponowane pola</translation>
    </message>
    <message>
        <source>User defined: the list below</source>
        <translation>Własna lista: lista poniżej</translation>
    </message>
    <message>
        <source>&amp;Required addons (one a line; official addons left out):</source>
        <translation>&amp;Wymagane addony (jeden w wierszu; oficjalne pominięte):</translation>
    </message>
    <message>
        <source>Left out as official: %1</source>
        <translation>Pominięte jako oficjalne: %1</translation>
    </message>
    <message>
        <source>Everything could be read.</source>
        <translation>Wszystko dało się odczytać.</translation>
    </message>
    <message>
        <source>What could not be read:</source>
        <translation>Czego nie dało się odczytać:</translation>
    </message>
    <message>
        <source>What could not be read</source>
        <translation>Czego nie dało się odczytać</translation>
    </message>
    <message>
        <source>&amp;Game Folder...</source>
        <translation>&amp;Folder gry...</translation>
    </message>
    <message>
        <source>Choose the Game Folder</source>
        <translation>Wybierz folder gry</translation>
    </message>
    <message>
        <source>From the next import on, the addons of the game in %1 count as official.</source>
        <translation>Od następnego importu addony gry w %1 liczą się jako oficjalne.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::MainWindow</name>
    <message>
        <source>The field now holds %1 characters and shows the first %2 of them. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Pole zawiera teraz %1 znaków i pokazuje pierwsze %2 z nich. Aby zmienić tekst, zaznacz go w całości i pisz, usuń go lub wklej inny; Cofnij wycofuje wklejenie.</translation>
    </message>
    <message>
        <source>The field now holds %1 lines (%2 characters), too many to edit: it shows them read-only. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Pole zawiera teraz %1 wierszy (%2 znaków), zbyt wiele do edycji: pokazuje je tylko do odczytu. Aby zmienić tekst, zaznacz go w całości i pisz, usuń go lub wklej inny; Cofnij wycofuje wklejenie.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Tematy pomocy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Kestrin Editor by Vantry</source>
        <translation>Kestrin Editor od Vantry</translation>
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
        <translation>włączony</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączony</translation>
    </message>
    <message>
        <source>Open Article...</source>
        <translation>Otwórz projekt...</translation>
    </message>
    <message>
        <source>Save Article</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Save Article As...</source>
        <translation>Zapisz projekt jako...</translation>
    </message>
    <message>
        <source>Recent Articles</source>
        <translation>Ostatnie projekty</translation>
    </message>
    <message>
        <source>Clear Recent Articles</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>%1[*] - Kestrin Editor</source>
        <translation>%1[*] - Kestrin Editor</translation>
    </message>
    <message>
        <source>Import from Mission or Addon...</source>
        <translation>Importuj z misji lub addonu...</translation>
    </message>
    <message>
        <source>Choose a Mission, Addon or Mod</source>
        <translation>Wybierz misję, addon lub moda</translation>
    </message>
    <message>
        <source>Missions, addons and Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;All files (*)</source>
        <translation>Misje, addony i mody (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Czytanie %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s official addons...</source>
        <translation>Szukanie oficjalnych addonów gry...</translation>
    </message>
    <message>
        <source>Nothing could be read from %1.</source>
        <translation>Z %1 nie dało się niczego odczytać.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PreviewWindow</name>
    <message>
        <source>ReadMe Preview - Kestrin Editor</source>
        <translation>Podgląd ReadMe - Kestrin Editor</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Zwykły tekst</translation>
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
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Zapi&amp;sz jako...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>%1, CR LF line ends: every character fits the code page.</source>
        <translation>%1, końce wierszy CR LF: każdy znak mieści się w stronie kodowej.</translation>
    </message>
    <message>
        <source>More than %1 characters cannot be written in %2; the first %1 are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Ponad %1 znaków nie da się zapisać w %2; pierwsze %1 są zaznaczone i wymienione poniżej. Utwórz zapyta, czy zapisać w UTF-8, czy z &quot;?&quot; w ich miejscu.</translation>
    </message>
    <message>
        <source>1 character cannot be written in %1; it is marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in its place.</source>
        <translation>1 znaku nie da się zapisać w %1; jest zaznaczony i wymieniony poniżej. Utwórz zapyta, czy zapisać w UTF-8, czy z &quot;?&quot; w jego miejscu.</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in %2; they are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Znaków, których nie da się zapisać w %2: %1; są zaznaczone i wymienione poniżej. Utwórz zapyta, czy zapisać w UTF-8, czy z &quot;?&quot; w ich miejscu.</translation>
    </message>
    <message>
        <source>UTF-8, CR LF line ends.</source>
        <translation>UTF-8, końce wierszy CR LF.</translation>
    </message>
    <message>
        <source>UTF-8, LF line ends.</source>
        <translation>UTF-8, końce wierszy LF.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>ReadMe preview</source>
        <translation>Podgląd ReadMe</translation>
    </message>
    <message>
        <source>Characters the code page cannot hold</source>
        <translation>Znaki, których strona kodowa nie mieści</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PublishCommands</name>
    <message>
        <source>Preview ReadMe...</source>
        <translation>Podgląd ReadMe...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
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
        <translation>Kopiuj jako BBCode</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes ReadMe files for Arma 2 missions, addons and mods.</source>
        <translation>Tworzy pliki ReadMe dla misji, addonów i modów do Arma 2.</translation>
    </message>
    <message>
        <source>An article file (.json) to open.</source>
        <translation>Plik projektu (.json) do otwarcia.</translation>
    </message>
</context>
</TS>
