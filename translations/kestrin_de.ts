<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Installation instructions</source>
        <translation>Installationsanleitung</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>ArticleFileController</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Save changes to the article?</source>
        <translation>Änderungen am Projekt speichern?</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The article file %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Die Projektdatei %1 konnte nicht geöffnet werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The article file %1 was not opened; it has these problems:</source>
        <translation>Die Projektdatei %1 wurde nicht geöffnet; sie hat diese Fehler:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The article could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Das Projekt konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>article</source>
        <translation>projekt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Do you really want to quit ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Wirklich beenden?<byte value="xd"/>
Alle ungespeicherten Daten gehen verloren.</translation>
    </message>
    <message>
        <source>The article file %1 no longer exists; it has been taken off the list of recent articles.</source>
        <translation>Die Projektdatei %1 existiert nicht mehr; sie wurde aus der Liste der zuletzt geöffneten Projekte entfernt.</translation>
    </message>
</context>
<context>
    <name>ArticleReader</name>
    <message>
        <source>unknown key %1; the closest known key is %2</source>
        <translation>unbekannter Schlüssel %1; der ähnlichste bekannte Schlüssel ist %2</translation>
    </message>
    <message>
        <source>invalid JSON: control character U+%1 in a text; write it as %2\u%3</source>
        <translation>ungültiges JSON: Steuerzeichen U+%1 in einem Text; schreiben Sie es als %2\u%3</translation>
    </message>
    <message>
        <source>invalid JSON: </source>
        <translation>ungültiges JSON: </translation>
    </message>
    <message>
        <source>a second byte-order mark; one may stand only at the very start of the file</source>
        <translation>eine zweite Bytereihenfolge-Markierung (BOM); sie darf nur ganz am Anfang der Datei stehen</translation>
    </message>
    <message>
        <source>a NUL byte (0x00), which a JSON text cannot hold</source>
        <translation>ein NUL-Byte (0x00), das ein JSON-Text nicht enthalten darf</translation>
    </message>
    <message>
        <source>invalid JSON: a text is not closed with a double quote</source>
        <translation>ungültiges JSON: ein Text ist nicht mit einem doppelten Anführungszeichen abgeschlossen</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>more text after the end of the article&apos;s object</source>
        <translation>weiterer Text nach dem Ende des Projektobjekts</translation>
    </message>
    <message>
        <source>expected a value (no &quot;,&quot; may stand before &quot;}&quot; or &quot;]&quot;)</source>
        <translation>Wert erwartet (vor &quot;}&quot; oder &quot;]&quot; darf kein &quot;,&quot; stehen)</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; (and every key in double quotes)</source>
        <translation>&quot;,&quot; oder &quot;}&quot; erwartet (und jeder Schlüssel in doppelten Anführungszeichen)</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after the key</source>
        <translation>&quot;:&quot; nach dem Schlüssel erwartet</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot;</source>
        <translation>&quot;,&quot; oder &quot;]&quot; erwartet</translation>
    </message>
    <message>
        <source>invalid JSON: expected a value: a text in double quotes, a number, true, false, null, an object or an array</source>
        <translation>ungültiges JSON: Wert erwartet: ein Text in doppelten Anführungszeichen, eine Zahl, true, false, null, ein Objekt oder ein Array</translation>
    </message>
    <message>
        <source>unknown escape %1 in a text; the escapes are \&quot; \\ \/ \b \f \n \r \t and \u followed by four hexadecimal digits</source>
        <translation>unbekannte Escape-Sequenz %1 in einem Text; erlaubt sind \&quot; \\ \/ \b \f \n \r \t und \u mit vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits</source>
        <translation>auf \u müssen vier Hexadezimalziffern folgen</translation>
    </message>
    <message>
        <source>%1 is the first half of a surrogate pair, but no second half (\uDC00 to \uDFFF) follows it</source>
        <translation>%1 ist die erste Hälfte eines Surrogatpaars, aber keine zweite Hälfte (\uDC00 bis \uDFFF) folgt</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; save it as UTF-8</source>
        <translation>die Datei ist kein gültiges UTF-8; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <source>the number %1 is too large to be read (the largest is about 1.8e308)</source>
        <translation>die Zahl %1 ist zu groß (die größte ist etwa 1.8e308)</translation>
    </message>
    <message>
        <source>expected a digit after the decimal point</source>
        <translation>Ziffer nach dem Dezimalpunkt erwartet</translation>
    </message>
    <message>
        <source>expected a digit in the number&apos;s exponent</source>
        <translation>Ziffer im Exponenten der Zahl erwartet</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>invalid JSON: %1 is the second half of a surrogate pair, but no first half (\uD800 to \uDBFF) stands before it</source>
        <translation>ungültiges JSON: %1 ist die zweite Hälfte eines Surrogatpaars, aber davor steht keine erste Hälfte (\uD800 bis \uDBFF)</translation>
    </message>
    <message>
        <source>invalid JSON: objects and arrays are nested more than %1 levels deep</source>
        <translation>ungültiges JSON: Objekte und Arrays sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>unknown key %1; write %2 inside the object %3</source>
        <translation>unbekannter Schlüssel %1; schreiben Sie %2 in das Objekt %3</translation>
    </message>
    <message>
        <source>key %1 is given more than once (first in line %2)</source>
        <translation>Schlüssel %1 ist mehrfach angegeben (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <source>an article file holds one JSON object { ... }, not %1</source>
        <translation>eine Projektdatei enthält ein JSON-Objekt { ... }, nicht %1</translation>
    </message>
    <message>
        <source>line %1 of %2 must be a string, not %3</source>
        <translation>Zeile %1 von %2 muss ein String sein, nicht %3</translation>
    </message>
    <message>
        <source>%1 must be a text (a string, or an array of strings, one per line), not %2</source>
        <translation>%1 muss ein Text sein (ein String oder ein Array von Strings, einer je Zeile), nicht %2</translation>
    </message>
    <message>
        <source>; put it in quotes</source>
        <translation>; setzen Sie es in Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 must be a text, not %2</source>
        <translation>%1 muss ein Text sein, nicht %2</translation>
    </message>
    <message>
        <source>&quot;formatVersion&quot; must be a whole number such as %1, not %2</source>
        <translation>&quot;formatVersion&quot; muss eine ganze Zahl wie %1 sein, nicht %2</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Kestrin Editor (format version %1); this version reads format version %2</source>
        <translation>die Datei wurde von einer neueren Version von Kestrin Editor geschrieben (Formatversion %1); diese Version liest Formatversion %2</translation>
    </message>
    <message>
        <source>unknown article kind %1; the article kinds are %2</source>
        <translation>unbekannte Projektart %1; die Projektarten sind %2</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>%1 must be a text, one of %2, not %3</source>
        <translation>%1 muss ein Text sein, einer von %2, nicht %3</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>%1 must be an object with the keys %2, not %3</source>
        <translation>%1 muss ein Objekt mit den Schlüsseln %2 sein, nicht %3</translation>
    </message>
    <message>
        <source>%1 is a group of keys; give one of %2</source>
        <translation>%1 ist eine Gruppe von Schlüsseln; geben Sie einen von %2 an</translation>
    </message>
    <message>
        <source>%1 describes the file itself and cannot be set</source>
        <translation>%1 beschreibt die Datei selbst und kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>unknown installation kind %1; the installation kinds are %2</source>
        <translation>unbekannte Installationsart %1; die Installationsarten sind %2</translation>
    </message>
    <message>
        <source>&quot;installation.text&quot; is used only with the installation kind &quot;Own description&quot;, not with %1</source>
        <translation>&quot;installation.text&quot; gilt nur für die Installationsart &quot;Own description&quot;, nicht für %1</translation>
    </message>
    <message>
        <source>the file is in %1; an article file must be saved as UTF-8</source>
        <translation>die Datei ist in %1 kodiert; eine Projektdatei muss als UTF-8 gespeichert sein</translation>
    </message>
    <message>
        <source>the file is empty; an article file holds one JSON object</source>
        <translation>die Datei ist leer; eine Projektdatei enthält ein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most an article file may hold</source>
        <translation>%1 ist größer als %2 MiB, das Höchstmaß einer Projektdatei</translation>
    </message>
    <message>
        <source>the input</source>
        <translation>die Eingabe</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Allow</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>None - official only</source>
        <translation>Keine - nur offizielle</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Eigene Liste</translation>
    </message>
    <message>
        <source>SP mission</source>
        <translation>SP-Mission</translation>
    </message>
    <message>
        <source>MP mission</source>
        <translation>MP-Mission</translation>
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
        <translation>Eigener Text</translation>
    </message>
</context>
<context>
    <name>FileWork</name>
    <message>
        <source>Filling in the form...</source>
        <translation>Das Formular wird ausgefüllt...</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Die Datei wird gelesen...</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Die Datei wird geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(en)</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Required game version</source>
        <translation>Benötigte Spielversion</translation>
    </message>
    <message>
        <source>Required addons</source>
        <translation>Benötigte Addons</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>es ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it lies outside the chosen folder</source>
        <translation>es liegt außerhalb des gewählten Ordners</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB and is not read</source>
        <translation>die Datei ist größer als %1 MB und wird nicht gelesen</translation>
    </message>
    <message>
        <source>the PBO&apos;s checksum does not match its content; it may be damaged</source>
        <translation>die Prüfsumme der PBO passt nicht zu ihrem Inhalt; sie ist vielleicht beschädigt</translation>
    </message>
    <message>
        <source>there is no such file or folder</source>
        <translation>diese Datei oder diesen Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>is neither a PBO nor a folder</source>
        <translation>ist weder eine PBO noch ein Ordner</translation>
    </message>
    <message>
        <source>holds no mission.sqm, config.cpp, config.bin, mod.cpp or PBO</source>
        <translation>enthält keine mission.sqm, config.cpp, config.bin, mod.cpp oder PBO</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a PBO and an entry in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <comment>a file and a line in it</comment>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where, then what</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the compressed entry claims more data than it could hold</source>
        <translation>der komprimierte Eintrag gibt mehr Daten an, als er enthalten kann</translation>
    </message>
    <message>
        <source>the compressed entry ends before its data</source>
        <translation>der komprimierte Eintrag endet vor seinen Daten</translation>
    </message>
    <message>
        <source>the compressed entry is damaged</source>
        <translation>der komprimierte Eintrag ist beschädigt</translation>
    </message>
    <message>
        <source>Official addons: those of the game installation in %1 (%2 classes)</source>
        <translation>Offizielle Addons: die der Spielinstallation in %1 (%2 Klassen)</translation>
    </message>
    <message>
        <source>Official addons: the list shipped with Kestrin Editor (%1); no game installation was found</source>
        <translation>Offizielle Addons: die Liste, die Kestrin Editor beiliegt (%1); es wurde keine Spielinstallation gefunden</translation>
    </message>
    <message>
        <source>the file is too short to be a PBO</source>
        <translation>die Datei ist zu kurz für eine PBO</translation>
    </message>
    <message>
        <source>the PBO&apos;s header is damaged or has no end</source>
        <translation>der Kopf der PBO ist beschädigt oder hat kein Ende</translation>
    </message>
    <message>
        <source>the entry %1 has an unknown packing method and is skipped</source>
        <translation>der Eintrag %1 hat eine unbekannte Packmethode und wird übersprungen</translation>
    </message>
    <message>
        <source>the entry %1 reaches past the end of the file</source>
        <translation>der Eintrag %1 reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>der Eintrag ist verschlüsselt</translation>
    </message>
    <message>
        <source>the entry reaches past the end of the file</source>
        <translation>der Eintrag reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>the entry is larger than %1 MB and is not read</source>
        <translation>der Eintrag ist größer als %1 MB und wird nicht gelesen</translation>
    </message>
    <message>
        <source>the entry could not be read</source>
        <translation>der Eintrag konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the compressed entry&apos;s checksum does not match; it may be damaged</source>
        <translation>die Prüfsumme des komprimierten Eintrags passt nicht; er ist vielleicht beschädigt</translation>
    </message>
    <message>
        <source>the binarized file is damaged at byte %1; the rest of this class is skipped</source>
        <translation>die binarisierte Datei ist bei Byte %1 beschädigt; der Rest dieser Klasse wird übersprungen</translation>
    </message>
    <message>
        <source>the binarized file has too many entries; the rest is skipped</source>
        <translation>die binarisierte Datei hat zu viele Einträge; der Rest wird übersprungen</translation>
    </message>
    <message>
        <source>the binarized file nests classes too deeply; the inner ones are skipped</source>
        <translation>die binarisierte Datei verschachtelt Klassen zu tief; die inneren werden übersprungen</translation>
    </message>
    <message>
        <source>the binarized file has an entry of unknown type %1; the rest of this class is skipped</source>
        <translation>die binarisierte Datei hat einen Eintrag unbekannten Typs %1; der Rest dieser Klasse wird übersprungen</translation>
    </message>
    <message>
        <source>the file is not a binarized config of a known version</source>
        <translation>die Datei ist keine binarisierte Konfiguration einer bekannten Version</translation>
    </message>
    <message>
        <source>the included file %1 is not read</source>
        <translation>die eingebundene Datei %1 wird nicht gelesen</translation>
    </message>
    <message>
        <source>the included file %1 is nested too deeply and is not read</source>
        <translation>die eingebundene Datei %1 ist zu tief verschachtelt und wird nicht gelesen</translation>
    </message>
    <message>
        <source>the included file %1 is not read: %2</source>
        <translation>die eingebundene Datei %1 wird nicht gelesen: %2</translation>
    </message>
    <message>
        <source>the file %1 includes itself; it is read once</source>
        <translation>die Datei %1 bindet sich selbst ein; sie wird einmal gelesen</translation>
    </message>
    <message>
        <source>the included files are too large together; %1 and later ones are not read</source>
        <translation>die eingebundenen Dateien sind zusammen zu groß; %1 und spätere werden nicht gelesen</translation>
    </message>
    <message>
        <source>an #if condition cannot be worked out here; its block is skipped</source>
        <translation>eine #if-Bedingung kann hier nicht ausgewertet werden; ihr Block wird übersprungen</translation>
    </message>
    <message>
        <source>the macros expand to too much text; the rest is not expanded</source>
        <translation>die Makros ergeben zu viel Text; der Rest wird nicht ersetzt</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>einem Text fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>an #ifdef block has no #endif</source>
        <translation>ein #ifdef-Block hat kein #endif</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;; the statement is skipped</source>
        <translation>unerwartetes „%1“; die Anweisung wird übersprungen</translation>
    </message>
    <message>
        <source>the macro %1 cannot be expanded here; the statement is skipped</source>
        <translation>das Makro %1 kann hier nicht ersetzt werden; die Anweisung wird übersprungen</translation>
    </message>
    <message>
        <source>the arrays are nested too deeply; this one is skipped</source>
        <translation>die Arrays sind zu tief verschachtelt; dieses wird übersprungen</translation>
    </message>
    <message>
        <source>the class name %1 is a macro that cannot be expanded here</source>
        <translation>der Klassenname %1 ist ein Makro, das hier nicht ersetzt werden kann</translation>
    </message>
    <message>
        <source>the classes are nested too deeply; this one is skipped</source>
        <translation>die Klassen sind zu tief verschachtelt; diese wird übersprungen</translation>
    </message>
    <message>
        <source>the class %1 has no closing brace</source>
        <translation>der Klasse %1 fehlt die schließende Klammer</translation>
    </message>
</context>
<context>
    <name>QtArticleDialogService</name>
    <message>
        <source>Article files (*.json)</source>
        <translation>Projektdateien (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Article</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Article As</source>
        <translation>Projekt speichern unter</translation>
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
        <translation>Die ReadMe enthält Zeichen, die die Codepage %1 nicht darstellen kann:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die ReadMe stattdessen als UTF-8 speichern?<byte value="xd"/>
Ja: als UTF-8 speichern (mit Bytereihenfolge-Markierung).<byte value="xd"/>
Nein: in %1 speichern, mit &quot;?&quot; anstelle jedes dieser Zeichen.<byte value="xd"/>
Abbrechen: nicht speichern.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die ReadMe-Datei konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ReadMe file created successfully ...</source>
        <translation>ReadMe-Datei erfolgreich erstellt ...</translation>
    </message>
    <message>
        <source>Do you really want to set all defaults ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Wirklich alle Standardwerte setzen?<byte value="xd"/>
Alle ungespeicherten Daten gehen verloren.</translation>
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
        <translation>Wählen Sie die Art Ihres Projekts</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Put your article name here</source>
        <translation>Name Ihres Projekts</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Put your article version here</source>
        <translation>Version Ihres Projekts</translation>
    </message>
    <message>
        <source>Author(s):</source>
        <translation>Autor(en):</translation>
    </message>
    <message>
        <source>Names of authors</source>
        <translation>Namen der Autoren</translation>
    </message>
    <message>
        <source>Release date:</source>
        <translation>Erschienen:</translation>
    </message>
    <message>
        <source>Release date for your article</source>
        <translation>Erscheinungsdatum Ihres Projekts</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Contact email address</source>
        <translation>E-Mail-Adresse für Kontakt</translation>
    </message>
    <message>
        <source>Skype:</source>
        <translation>Skype:</translation>
    </message>
    <message>
        <source>Skype name contact</source>
        <translation>Skype-Name für Kontakt</translation>
    </message>
    <message>
        <source>ICQ:</source>
        <translation>ICQ:</translation>
    </message>
    <message>
        <source>ICQ number contact</source>
        <translation>ICQ-Nummer für Kontakt</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Andere:</translation>
    </message>
    <message>
        <source>Other contacts</source>
        <translation>Andere Kontakte</translation>
    </message>
    <message>
        <source>Required game:</source>
        <translation>Spielversion:</translation>
    </message>
    <message>
        <source>Minimal required game version</source>
        <translation>Mindestens benötigte Spielversion</translation>
    </message>
    <message>
        <source>Required addons:</source>
        <translation>Benötigte Addons:</translation>
    </message>
    <message>
        <source>List of required addons</source>
        <translation>Liste der benötigten Addons</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
More addons and their download links can be added later, after creation of this ReadMe file ...</source>
        <translation>Hinweis:<byte value="xd"/>
Weitere Addons und ihre Download-Links können später ergänzt werden, nachdem diese ReadMe-Datei erstellt ist ...</translation>
    </message>
    <message>
        <source>Installation instructions for:</source>
        <translation>Installation für:</translation>
    </message>
    <message>
        <source>Write here your own installation isntructions</source>
        <translation>Schreiben Sie hier Ihre eigene Installationsanleitung</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Description for your article</source>
        <translation>Beschreibung Ihres Projekts</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Features:</translation>
    </message>
    <message>
        <source>Interesting features in your article</source>
        <translation>Interessante Merkmale Ihres Projekts</translation>
    </message>
    <message>
        <source>Changelog/known bugs:</source>
        <translation>Änderungen/Fehler:</translation>
    </message>
    <message>
        <source>Changelog or list of known bugs</source>
        <translation>Änderungsliste oder Liste bekannter Fehler</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Just notes</source>
        <translation>Einfach Notizen</translation>
    </message>
    <message>
        <source>Credits and thanks:</source>
        <translation>Mitwirkende/Dank:</translation>
    </message>
    <message>
        <source>Put here all the credits and thanks</source>
        <translation>Hier alle Mitwirkenden und Danksagungen eintragen</translation>
    </message>
    <message>
        <source>Disclaimer (will be added automatically):</source>
        <translation>Haftungsausschluss (automatisch):</translation>
    </message>
    <message>
        <source>Automatic disclaimer</source>
        <translation>Automatischer Haftungsausschluss</translation>
    </message>
    <message>
        <source>Basic data</source>
        <translation>Grunddaten</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Voraussetzungen</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
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
        <translation>Aufruf: kestrin-readme [OPTION]... PROJEKT.json
Erstellt die ReadMe des Projekts in PROJEKT.json, genau wie sie &quot;Erstellen&quot; in
Kestrin Editor schreibt, und gibt sie auf der Standardausgabe aus. PROJEKT.json
darf &quot;-&quot; sein, um das Projekt von der Standardeingabe zu lesen.

Optionen:
  -o, --output FILE    die ReadMe stattdessen in FILE schreiben; FILE wird erst
                       ersetzt, wenn die ReadMe fertig ist (&quot;-&quot;: Standardausgabe)
  --set KEY=VALUE      VALUE statt des Werts aus der Datei für KEY verwenden, z. B.
                       --set version=1.3 (mehrfach möglich)
  --unset KEY          KEY weglassen, als ob die Datei ihn nicht hätte
  --format FORMAT      text (die ReadMe, Standard), bbcode (ein Forenbeitrag)
                       oder markdown (eine README.md); bbcode und markdown
                       immer in UTF-8
  --encoding ENCODING  ansi, windows-1250 bis windows-1258, utf-8 oder utf-8-bom
                       (Standard ansi: die Codepage des Gebietsschemas, hier %1);
                       nur für Text
  --replace            &quot;?&quot; für Zeichen schreiben, die die Codepage nicht darstellen
                       kann, statt abzubrechen
  -h, --help           diese Hilfe anzeigen und beenden
  --version            die Version anzeigen und beenden

Schlüssel für --set und --unset:
  %2

Rückgabewert: 0, wenn die ReadMe geschrieben wurde; 1, wenn nicht (Zeichen, die
die Codepage nicht darstellen kann, oder Schreibfehler); 2 bei falscher Eingabe.
</translation>
    </message>
    <message>
        <source>unknown format %1; the formats are text, bbcode and markdown</source>
        <translation>unbekanntes Format %1; die Formate sind text, bbcode und markdown</translation>
    </message>
    <message>
        <source>option %1 applies to --format text only; %2 is always written in UTF-8</source>
        <translation>Option %1 gilt nur für --format text; %2 wird immer in UTF-8 geschrieben</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>unbekannte Option %1 (siehe --help)</translation>
    </message>
    <message>
        <source>option %1 needs a value (see --help)</source>
        <translation>Option %1 braucht einen Wert (siehe --help)</translation>
    </message>
    <message>
        <source>no article file given (see --help)</source>
        <translation>keine Projektdatei angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>one article file expected, but %1 were given (see --help)</source>
        <translation>eine Projektdatei erwartet, aber %1 angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>option &quot;--output&quot; needs a file name (&quot;-&quot; for standard output)</source>
        <translation>Option &quot;--output&quot; braucht einen Dateinamen (&quot;-&quot; für die Standardausgabe)</translation>
    </message>
    <message>
        <source>--set %1 is not of the form KEY=VALUE</source>
        <translation>--set %1 hat nicht die Form KEY=VALUE</translation>
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
        <translation>Import aus einer Mission, einem Addon oder Mod (ARTICLE.json darf dann fehlen):
  --import PFAD        Name, Autor(en), Webadresse, benötigte Spielversion und
                       benötigte Addons aus PFAD übernehmen (ein Missionsordner
                       oder eine .pbo, ein Addon-Ordner oder eine .pbo, ein
                       Mod-Ordner); was nicht gelesen werden konnte, steht in
                       der Standardfehlerausgabe; Rückgabewert 2, wenn nichts
                       gelesen werden konnte
  --import-only        das zusammengeführte Projekt (JSON) statt der ReadMe
  --game PFAD          die Spielinstallation, deren Addons als offiziell gelten
                       (sonst die im Fenster gewählte, sonst die auf diesem
                       Rechner gefundene, sonst die mitgelieferte Liste)
</translation>
    </message>
    <message>
        <source>options &quot;--import&quot; and &quot;--game&quot; need a path</source>
        <translation>die Optionen „--import“ und „--game“ brauchen einen Pfad</translation>
    </message>
    <message>
        <source>options &quot;--import-only&quot; and &quot;--game&quot; need &quot;--import&quot;</source>
        <translation>die Optionen „--import-only“ und „--game“ brauchen „--import“</translation>
    </message>
</context>
<context>
    <name>ReadmeTool</name>
    <message>
        <source>%1: cannot read the article file: %2</source>
        <translation>%1: die Projektdatei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: and %2 more problems</source>
        <translation>%1: und %2 weitere Fehler</translation>
    </message>
    <message>
        <source>the ReadMe holds characters that %1 cannot hold:</source>
        <translation>die ReadMe enthält Zeichen, die %1 nicht darstellen kann:</translation>
    </message>
    <message>
        <source>  line %1, column %2: %3</source>
        <translation>  Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>  and more</source>
        <translation>  und weitere</translation>
    </message>
    <message>
        <source>nothing was written; choose another --encoding (such as utf-8), or --replace to write &quot;?&quot; in their place</source>
        <translation>nichts wurde geschrieben; wählen Sie eine andere --encoding (etwa utf-8) oder --replace, um an ihrer Stelle &quot;?&quot; zu schreiben</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>unknown encoding %1; the encodings are ansi, windows-1250 to windows-1258, utf-8 and utf-8-bom</source>
        <translation>unbekannte Kodierung %1; die Kodierungen sind ansi, windows-1250 bis windows-1258, utf-8 und utf-8-bom</translation>
    </message>
    <message>
        <source>standard output is the article file itself; nothing was written</source>
        <translation>die Standardausgabe ist die Projektdatei selbst; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the output file %1 is the article file itself; nothing was written</source>
        <translation>die Ausgabedatei %1 ist die Projektdatei selbst; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>a character cannot be encoded</source>
        <translation>ein Zeichen kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>%1: note: %2</source>
        <translation>%1: Hinweis: %2</translation>
    </message>
    <message>
        <source>nothing could be read from %1</source>
        <translation>aus %1 konnte nichts gelesen werden</translation>
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
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
</context>
<context>
    <name>kestrin::ReadmeExporter</name>
    <message>
        <source>Save Preview As</source>
        <translation>Vorschau speichern unter</translation>
    </message>
    <message>
        <source>Export as BBCode</source>
        <translation>Als BBCode exportieren</translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation>Als Markdown exportieren</translation>
    </message>
    <message>
        <source>Save ReadMe As</source>
        <translation>ReadMe speichern unter</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>BBCode forum posts</source>
        <translation>BBCode-Forenbeiträge</translation>
    </message>
    <message>
        <source>Markdown files</source>
        <translation>Markdown-Dateien</translation>
    </message>
    <message>
        <source>The BBCode file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die BBCode-Datei konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The Markdown file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Markdown-Datei konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BBCode file created successfully ...</source>
        <translation>BBCode-Datei erfolgreich erstellt ...</translation>
    </message>
    <message>
        <source>Markdown file created successfully ...</source>
        <translation>Markdown-Datei erfolgreich erstellt ...</translation>
    </message>
</context>
<context>
    <name>kestrin::help::ChmArchive</name>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>it is not an ordinary file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory cannot be read.</source>
        <translation>die Datei ist beschädigt: ihr Verzeichnis kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is damaged: its compressed pages cannot be read.</source>
        <translation>die Datei ist beschädigt: ihre komprimierten Seiten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>it is not a compiled HTML Help (.chm) file.</source>
        <translation>es ist keine kompilierte HTML-Hilfedatei (.chm).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it ends inside its header.</source>
        <translation>die Datei ist beschädigt oder unvollständig: sie endet in ihrem Kopf.</translation>
    </message>
    <message>
        <source>the file is damaged: its header is not valid.</source>
        <translation>die Datei ist beschädigt: ihr Kopf ist ungültig.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it should be %1 bytes long, but it holds %2.</source>
        <translation>die Datei ist beschädigt oder unvollständig: sie sollte %1 Bytes lang sein, enthält aber %2.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory lies outside the file.</source>
        <translation>die Datei ist beschädigt: ihr Verzeichnis liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: its directory names data beyond its end.</source>
        <translation>die Datei ist beschädigt oder unvollständig: ihr Verzeichnis verweist auf Daten hinter ihrem Ende.</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpBrowser</name>
    <message>
        <source>The link &quot;%1&quot; was not opened: the help opens only its own pages, web addresses (http:, https:) and mail addresses (mailto:).</source>
        <translation>Der Link &quot;%1&quot; wurde nicht geöffnet: die Hilfe öffnet nur ihre eigenen Seiten, Webadressen (http:, https:) und E-Mail-Adressen (mailto:).</translation>
    </message>
    <message>
        <source>This page is too large to show: it holds %1, and the help shows pages of up to %2.</source>
        <translation>Diese Seite ist zu groß zum Anzeigen: sie umfasst %1, die Hilfe zeigt Seiten bis %2.</translation>
    </message>
    <message>
        <source>Page not shown</source>
        <translation>Seite nicht angezeigt</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Parts of this page are nested too deeply or are too large, and are shown flattened.</source>
        <translation>Teile dieser Seite sind zu tief verschachtelt oder zu groß und werden vereinfacht angezeigt.</translation>
    </message>
    <message>
        <source>Pictures from outside the help file are not shown.</source>
        <translation>Bilder von außerhalb der Hilfedatei werden nicht angezeigt.</translation>
    </message>
    <message>
        <source>A picture on this page is too large to show.</source>
        <translation>Ein Bild auf dieser Seite ist zu groß zum Anzeigen.</translation>
    </message>
    <message>
        <source>A style sheet of this page is too large, and the page is shown without it.</source>
        <translation>Ein Stylesheet dieser Seite ist zu groß; die Seite wird ohne es angezeigt.</translation>
    </message>
    <message>
        <source>This page cannot be read: the help file is damaged.</source>
        <translation>Diese Seite kann nicht gelesen werden: die Hilfedatei ist beschädigt.</translation>
    </message>
    <message>
        <source>This page is not in the help file.</source>
        <translation>Diese Seite ist nicht in der Hilfedatei.</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>Seite nicht verfügbar</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpWindow</name>
    <message>
        <source>The help cannot be shown</source>
        <translation>Die Hilfe kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>The editor is not affected by this: close this window and carry on.</source>
        <translation>Der Editor ist davon nicht betroffen: schließen Sie dieses Fenster und arbeiten Sie weiter.</translation>
    </message>
    <message>
        <source>Kestrin Editor Help</source>
        <translation>Kestrin Editor – Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the previous page (Alt+Left)</source>
        <translation>Zurück zur vorigen Seite (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward to the next page (Alt+Right)</source>
        <translation>Vor zur nächsten Seite (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The first page of the help (Alt+Home)</source>
        <translation>Die erste Seite der Hilfe (Alt+Pos1)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Die Hilfedatei &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; cannot be opened: %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; kann nicht geöffnet werden: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The table of contents is too large to show.</source>
        <translation>Das Inhaltsverzeichnis ist zu groß zum Anzeigen.</translation>
    </message>
    <message>
        <source>The table of contents is nested too deeply: entries below level %1 are shown at level %1.</source>
        <translation>Das Inhaltsverzeichnis ist zu tief verschachtelt: Einträge unter Ebene %1 werden auf Ebene %1 angezeigt.</translation>
    </message>
    <message>
        <source>The table of contents is too long: only its first %1 entries are shown.</source>
        <translation>Das Inhaltsverzeichnis ist zu lang: nur die ersten %1 Einträge werden angezeigt.</translation>
    </message>
    <message>
        <source>the file is damaged: its pages cannot be read.</source>
        <translation>die Datei ist beschädigt: ihre Seiten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; was not found. These folders were searched:</source>
        <translation>Die Hilfedatei &quot;%1&quot; wurde nicht gefunden. Diese Ordner wurden durchsucht:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched, in this order:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Put the file into one of them and choose Help Contents again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden. Diese Ordner wurden in dieser Reihenfolge durchsucht:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Legen Sie die Datei in einen davon und wählen Sie erneut Hilfethemen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>ver.: %1</source>
        <translation>Vers.: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::ImportDialog</name>
    <message>
        <source>Import from Mission or Addon</source>
        <translation>Aus Mission oder Addon importieren</translation>
    </message>
    <message>
        <source>Found in %1. Tick what the form should take:</source>
        <translation>Gefunden in %1. Haken Sie an, was das Formular übernehmen soll:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>The form holds now</source>
        <translation>Das Formular enthält jetzt</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Where it was found</source>
        <translation>Wo es gefunden wurde</translation>
    </message>
    <message>
        <source>Proposed fields</source>
        <translation>Vorgeschlagene Felder</translation>
    </message>
    <message>
        <source>User defined: the list below</source>
        <translation>Eigene Liste: die Liste unten</translation>
    </message>
    <message>
        <source>&amp;Required addons (one a line; official addons left out):</source>
        <translation>&amp;Benötigte Addons (eines je Zeile; offizielle weggelassen):</translation>
    </message>
    <message>
        <source>Left out as official: %1</source>
        <translation>Als offiziell weggelassen: %1</translation>
    </message>
    <message>
        <source>Everything could be read.</source>
        <translation>Alles konnte gelesen werden.</translation>
    </message>
    <message>
        <source>What could not be read:</source>
        <translation>Was nicht gelesen werden konnte:</translation>
    </message>
    <message>
        <source>What could not be read</source>
        <translation>Was nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>&amp;Game Folder...</source>
        <translation>&amp;Spielordner...</translation>
    </message>
    <message>
        <source>Choose the Game Folder</source>
        <translation>Spielordner wählen</translation>
    </message>
    <message>
        <source>From the next import on, the addons of the game in %1 count as official.</source>
        <translation>Ab dem nächsten Import gelten die Addons des Spiels in %1 als offiziell.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::MainWindow</name>
    <message>
        <source>The field now holds %1 characters and shows the first %2 of them. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Das Feld enthält jetzt %1 Zeichen und zeigt die ersten %2 davon. Um den Text zu ändern, markieren Sie ihn ganz und tippen, löschen oder fügen Sie ein; Rückgängig nimmt das Einfügen zurück.</translation>
    </message>
    <message>
        <source>The field now holds %1 lines (%2 characters), too many to edit: it shows them read-only. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Das Feld enthält jetzt %1 Zeilen (%2 Zeichen), zu viele zum Bearbeiten: Es zeigt sie schreibgeschützt. Um den Text zu ändern, markieren Sie ihn ganz und tippen, löschen oder fügen Sie ein; Rückgängig nimmt das Einfügen zurück.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Kestrin Editor by Vantry</source>
        <translation>Kestrin Editor von Vantry</translation>
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
        <translation>EINFG</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Open Article...</source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message>
        <source>Save Article</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Article As...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <source>Recent Articles</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>Clear Recent Articles</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>%1[*] - Kestrin Editor</source>
        <translation>%1[*] - Kestrin Editor</translation>
    </message>
    <message>
        <source>Import from Mission or Addon...</source>
        <translation>Aus Mission oder Addon importieren...</translation>
    </message>
    <message>
        <source>Choose a Mission, Addon or Mod</source>
        <translation>Mission, Addon oder Mod wählen</translation>
    </message>
    <message>
        <source>Missions, addons and Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;All files (*)</source>
        <translation>Missionen, Addons und Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s official addons...</source>
        <translation>Die offiziellen Addons des Spiels werden gesucht...</translation>
    </message>
    <message>
        <source>Nothing could be read from %1.</source>
        <translation>Aus %1 konnte nichts gelesen werden.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PreviewWindow</name>
    <message>
        <source>ReadMe Preview - Kestrin Editor</source>
        <translation>ReadMe-Vorschau - Kestrin Editor</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
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
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>%1, CR LF line ends: every character fits the code page.</source>
        <translation>%1, Zeilenenden CR LF: jedes Zeichen passt in die Codepage.</translation>
    </message>
    <message>
        <source>More than %1 characters cannot be written in %2; the first %1 are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Mehr als %1 Zeichen können nicht in %2 geschrieben werden; die ersten %1 sind markiert und unten aufgelistet. &quot;Erstellen&quot; fragt, ob als UTF-8 oder mit &quot;?&quot; an ihrer Stelle gespeichert wird.</translation>
    </message>
    <message>
        <source>1 character cannot be written in %1; it is marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in its place.</source>
        <translation>1 Zeichen kann nicht in %1 geschrieben werden; es ist markiert und unten aufgelistet. &quot;Erstellen&quot; fragt, ob als UTF-8 oder mit &quot;?&quot; an seiner Stelle gespeichert wird.</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in %2; they are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>%1 Zeichen können nicht in %2 geschrieben werden; sie sind markiert und unten aufgelistet. &quot;Erstellen&quot; fragt, ob als UTF-8 oder mit &quot;?&quot; an ihrer Stelle gespeichert wird.</translation>
    </message>
    <message>
        <source>UTF-8, CR LF line ends.</source>
        <translation>UTF-8, Zeilenenden CR LF.</translation>
    </message>
    <message>
        <source>UTF-8, LF line ends.</source>
        <translation>UTF-8, Zeilenenden LF.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>ReadMe preview</source>
        <translation>ReadMe-Vorschau</translation>
    </message>
    <message>
        <source>Characters the code page cannot hold</source>
        <translation>Zeichen, die die Codepage nicht darstellen kann</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PublishCommands</name>
    <message>
        <source>Preview ReadMe...</source>
        <translation>ReadMe-Vorschau...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
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
        <translation>Als BBCode kopieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes ReadMe files for Arma 2 missions, addons and mods.</source>
        <translation>Erstellt ReadMe-Dateien für Missionen, Addons und Mods von Arma 2.</translation>
    </message>
    <message>
        <source>An article file (.json) to open.</source>
        <translation>Eine zu öffnende Projektdatei (.json).</translation>
    </message>
</context>
</TS>
