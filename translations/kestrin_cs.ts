<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Accessibility</name>
    <message>
        <source>Installation instructions</source>
        <translation>Návod k instalaci</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Stavový řádek</translation>
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
        <translation>řádek %1, sloupec %2: %3</translation>
    </message>
    <message>
        <source>Save changes to the article?</source>
        <translation>Uložit změny projektu?</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Je to složka, ne soubor.</translation>
    </message>
    <message>
        <source>The article file %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Soubor projektu %1 nelze otevřít:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The article file %1 was not opened; it has these problems:</source>
        <translation>Soubor projektu %1 nebyl otevřen; má tyto chyby:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>a dalších %1</translation>
    </message>
    <message>
        <source>The article could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Projekt nelze uložit do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>article</source>
        <translation>projekt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Uložit změny v %1?</translation>
    </message>
    <message>
        <source>Do you really want to quit ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Opravdu chcete skončit?<byte value="xd"/>
Všechna neuložená data budou ztracena.</translation>
    </message>
    <message>
        <source>The article file %1 no longer exists; it has been taken off the list of recent articles.</source>
        <translation>Soubor projektu %1 už neexistuje; byl odstraněn ze seznamu nedávných projektů.</translation>
    </message>
</context>
<context>
    <name>ArticleReader</name>
    <message>
        <source>unknown key %1; the closest known key is %2</source>
        <translation>neznámý klíč %1; nejbližší známý klíč je %2</translation>
    </message>
    <message>
        <source>invalid JSON: control character U+%1 in a text; write it as %2\u%3</source>
        <translation>neplatný JSON: řídicí znak U+%1 v textu; zapište ho jako %2\u%3</translation>
    </message>
    <message>
        <source>invalid JSON: </source>
        <translation>neplatný JSON: </translation>
    </message>
    <message>
        <source>a second byte-order mark; one may stand only at the very start of the file</source>
        <translation>druhá značka pořadí bajtů (BOM); smí být jen na samém začátku souboru</translation>
    </message>
    <message>
        <source>a NUL byte (0x00), which a JSON text cannot hold</source>
        <translation>bajt NUL (0x00), který text JSON nesmí obsahovat</translation>
    </message>
    <message>
        <source>invalid JSON: a text is not closed with a double quote</source>
        <translation>neplatný JSON: text není ukončen dvojitými uvozovkami</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>soubor končí příliš brzy</translation>
    </message>
    <message>
        <source>more text after the end of the article&apos;s object</source>
        <translation>další text za koncem objektu projektu</translation>
    </message>
    <message>
        <source>expected a value (no &quot;,&quot; may stand before &quot;}&quot; or &quot;]&quot;)</source>
        <translation>očekávána hodnota (před &quot;}&quot; ani &quot;]&quot; nesmí být &quot;,&quot;)</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; (and every key in double quotes)</source>
        <translation>očekáváno &quot;,&quot; nebo &quot;}&quot; (a každý klíč ve dvojitých uvozovkách)</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after the key</source>
        <translation>za klíčem očekávána &quot;:&quot;</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot;</source>
        <translation>očekáváno &quot;,&quot; nebo &quot;]&quot;</translation>
    </message>
    <message>
        <source>invalid JSON: expected a value: a text in double quotes, a number, true, false, null, an object or an array</source>
        <translation>neplatný JSON: očekávána hodnota: text ve dvojitých uvozovkách, číslo, true, false, null, objekt nebo pole</translation>
    </message>
    <message>
        <source>unknown escape %1 in a text; the escapes are \&quot; \\ \/ \b \f \n \r \t and \u followed by four hexadecimal digits</source>
        <translation>neznámá escape sekvence %1 v textu; povolené jsou \&quot; \\ \/ \b \f \n \r \t a \u se čtyřmi šestnáctkovými číslicemi</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits</source>
        <translation>za \u musí následovat čtyři šestnáctkové číslice</translation>
    </message>
    <message>
        <source>%1 is the first half of a surrogate pair, but no second half (\uDC00 to \uDFFF) follows it</source>
        <translation>%1 je první polovina náhradního páru, ale nenásleduje druhá polovina (\uDC00 až \uDFFF)</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; save it as UTF-8</source>
        <translation>soubor není platné UTF-8; uložte ho jako UTF-8</translation>
    </message>
    <message>
        <source>the number %1 is too large to be read (the largest is about 1.8e308)</source>
        <translation>číslo %1 je příliš velké (největší je asi 1.8e308)</translation>
    </message>
    <message>
        <source>expected a digit after the decimal point</source>
        <translation>za desetinnou tečkou očekávána číslice</translation>
    </message>
    <message>
        <source>expected a digit in the number&apos;s exponent</source>
        <translation>v exponentu čísla očekávána číslice</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true nebo false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>číslo</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>pole</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>objekt</translation>
    </message>
    <message>
        <source>invalid JSON: %1 is the second half of a surrogate pair, but no first half (\uD800 to \uDBFF) stands before it</source>
        <translation>neplatný JSON: %1 je druhá polovina náhradního páru, ale před ní není první polovina (\uD800 až \uDBFF)</translation>
    </message>
    <message>
        <source>invalid JSON: objects and arrays are nested more than %1 levels deep</source>
        <translation>neplatný JSON: objekty a pole jsou vnořeny hlouběji než %1 úrovní</translation>
    </message>
    <message>
        <source>unknown key %1; write %2 inside the object %3</source>
        <translation>neznámý klíč %1; zapište %2 do objektu %3</translation>
    </message>
    <message>
        <source>key %1 is given more than once (first in line %2)</source>
        <translation>klíč %1 je uveden vícekrát (poprvé na řádku %2)</translation>
    </message>
    <message>
        <source>an article file holds one JSON object { ... }, not %1</source>
        <translation>soubor projektu obsahuje jeden objekt JSON { ... }, ne %1</translation>
    </message>
    <message>
        <source>line %1 of %2 must be a string, not %3</source>
        <translation>řádek %1 z %2 musí být řetězec, ne %3</translation>
    </message>
    <message>
        <source>%1 must be a text (a string, or an array of strings, one per line), not %2</source>
        <translation>%1 musí být text (řetězec nebo pole řetězců, jeden na řádek), ne %2</translation>
    </message>
    <message>
        <source>; put it in quotes</source>
        <translation>; dejte ho do uvozovek</translation>
    </message>
    <message>
        <source>%1 must be a text, not %2</source>
        <translation>%1 musí být text, ne %2</translation>
    </message>
    <message>
        <source>&quot;formatVersion&quot; must be a whole number such as %1, not %2</source>
        <translation>&quot;formatVersion&quot; musí být celé číslo, např. %1, ne %2</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Kestrin Editor (format version %1); this version reads format version %2</source>
        <translation>soubor zapsala novější verze Kestrin Editoru (verze formátu %1); tato verze čte verzi formátu %2</translation>
    </message>
    <message>
        <source>unknown article kind %1; the article kinds are %2</source>
        <translation>neznámý druh projektu %1; druhy projektů jsou %2</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>%1 must be a text, one of %2, not %3</source>
        <translation>%1 musí být text, jeden z %2, ne %3</translation>
    </message>
    <message>
        <source>or</source>
        <translation>nebo</translation>
    </message>
    <message>
        <source>%1 must be an object with the keys %2, not %3</source>
        <translation>%1 musí být objekt s klíči %2, ne %3</translation>
    </message>
    <message>
        <source>%1 is a group of keys; give one of %2</source>
        <translation>%1 je skupina klíčů; zadejte jeden z %2</translation>
    </message>
    <message>
        <source>%1 describes the file itself and cannot be set</source>
        <translation>%1 popisuje samotný soubor a nelze ho nastavit</translation>
    </message>
    <message>
        <source>unknown installation kind %1; the installation kinds are %2</source>
        <translation>neznámý druh instalace %1; druhy instalace jsou %2</translation>
    </message>
    <message>
        <source>&quot;installation.text&quot; is used only with the installation kind &quot;Own description&quot;, not with %1</source>
        <translation>&quot;installation.text&quot; se používá jen s druhem instalace &quot;Own description&quot;, ne s %1</translation>
    </message>
    <message>
        <source>the file is in %1; an article file must be saved as UTF-8</source>
        <translation>soubor je v kódování %1; soubor projektu musí být uložen v UTF-8</translation>
    </message>
    <message>
        <source>the file is empty; an article file holds one JSON object</source>
        <translation>soubor je prázdný; soubor projektu obsahuje jeden objekt JSON</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most an article file may hold</source>
        <translation>%1 je větší než %2 MiB, nejvíc, co smí mít soubor projektu</translation>
    </message>
    <message>
        <source>the input</source>
        <translation>vstup</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>soubor</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Allow</source>
        <translation>Uvést</translation>
    </message>
    <message>
        <source>None - official only</source>
        <translation>Žádné - jen oficiální</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>SP mission</source>
        <translation>SP mise</translation>
    </message>
    <message>
        <source>MP mission</source>
        <translation>MP mise</translation>
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
        <translation>Vlastní popis</translation>
    </message>
</context>
<context>
    <name>FileWork</name>
    <message>
        <source>Filling in the form...</source>
        <translation>Vyplňování formuláře...</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Čtení souboru...</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Zápis souboru...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Název</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(ři)</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Required game version</source>
        <translation>Požadovaná verze hry</translation>
    </message>
    <message>
        <source>Required addons</source>
        <translation>Požadované addony</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>není to obyčejný soubor (roura, zařízení nebo soket)</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>nešlo přečíst: %1</translation>
    </message>
    <message>
        <source>it lies outside the chosen folder</source>
        <translation>leží mimo zvolenou složku</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>takový soubor neexistuje</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB and is not read</source>
        <translation>soubor je větší než %1 MB a nečte se</translation>
    </message>
    <message>
        <source>the PBO&apos;s checksum does not match its content; it may be damaged</source>
        <translation>kontrolní součet PBO neodpovídá obsahu; může být poškozené</translation>
    </message>
    <message>
        <source>there is no such file or folder</source>
        <translation>takový soubor ani složka neexistuje</translation>
    </message>
    <message>
        <source>is neither a PBO nor a folder</source>
        <translation>není PBO ani složka</translation>
    </message>
    <message>
        <source>holds no mission.sqm, config.cpp, config.bin, mod.cpp or PBO</source>
        <translation>neobsahuje mission.sqm, config.cpp, config.bin, mod.cpp ani PBO</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a PBO and an entry in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <comment>a file and a line in it</comment>
        <translation>%1, řádek %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where, then what</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the compressed entry claims more data than it could hold</source>
        <translation>komprimovaná položka udává víc dat, než může obsahovat</translation>
    </message>
    <message>
        <source>the compressed entry ends before its data</source>
        <translation>komprimovaná položka končí dřív než její data</translation>
    </message>
    <message>
        <source>the compressed entry is damaged</source>
        <translation>komprimovaná položka je poškozená</translation>
    </message>
    <message>
        <source>Official addons: those of the game installation in %1 (%2 classes)</source>
        <translation>Oficiální addony: z instalace hry v %1 (tříd: %2)</translation>
    </message>
    <message>
        <source>Official addons: the list shipped with Kestrin Editor (%1); no game installation was found</source>
        <translation>Oficiální addony: seznam přiložený ke Kestrin Editoru (%1); instalace hry nebyla nalezena</translation>
    </message>
    <message>
        <source>the file is too short to be a PBO</source>
        <translation>soubor je na PBO příliš krátký</translation>
    </message>
    <message>
        <source>the PBO&apos;s header is damaged or has no end</source>
        <translation>hlavička PBO je poškozená nebo nemá konec</translation>
    </message>
    <message>
        <source>the entry %1 has an unknown packing method and is skipped</source>
        <translation>položka %1 má neznámý způsob balení a přeskakuje se</translation>
    </message>
    <message>
        <source>the entry %1 reaches past the end of the file</source>
        <translation>položka %1 sahá za konec souboru</translation>
    </message>
    <message>
        <source>the entry is encrypted</source>
        <translation>položka je zašifrovaná</translation>
    </message>
    <message>
        <source>the entry reaches past the end of the file</source>
        <translation>položka sahá za konec souboru</translation>
    </message>
    <message>
        <source>the entry is larger than %1 MB and is not read</source>
        <translation>položka je větší než %1 MB a nečte se</translation>
    </message>
    <message>
        <source>the entry could not be read</source>
        <translation>položku nešlo přečíst</translation>
    </message>
    <message>
        <source>the compressed entry&apos;s checksum does not match; it may be damaged</source>
        <translation>kontrolní součet komprimované položky nesouhlasí; může být poškozená</translation>
    </message>
    <message>
        <source>the binarized file is damaged at byte %1; the rest of this class is skipped</source>
        <translation>binarizovaný soubor je poškozený na bajtu %1; zbytek této třídy se přeskakuje</translation>
    </message>
    <message>
        <source>the binarized file has too many entries; the rest is skipped</source>
        <translation>binarizovaný soubor má příliš mnoho položek; zbytek se přeskakuje</translation>
    </message>
    <message>
        <source>the binarized file nests classes too deeply; the inner ones are skipped</source>
        <translation>binarizovaný soubor vnořuje třídy příliš hluboko; vnitřní se přeskakují</translation>
    </message>
    <message>
        <source>the binarized file has an entry of unknown type %1; the rest of this class is skipped</source>
        <translation>binarizovaný soubor má položku neznámého typu %1; zbytek této třídy se přeskakuje</translation>
    </message>
    <message>
        <source>the file is not a binarized config of a known version</source>
        <translation>soubor není binarizovaná konfigurace známé verze</translation>
    </message>
    <message>
        <source>the included file %1 is not read</source>
        <translation>vložený soubor %1 se nečte</translation>
    </message>
    <message>
        <source>the included file %1 is nested too deeply and is not read</source>
        <translation>vložený soubor %1 je vnořený příliš hluboko a nečte se</translation>
    </message>
    <message>
        <source>the included file %1 is not read: %2</source>
        <translation>vložený soubor %1 se nečte: %2</translation>
    </message>
    <message>
        <source>the file %1 includes itself; it is read once</source>
        <translation>soubor %1 vkládá sám sebe; čte se jednou</translation>
    </message>
    <message>
        <source>the included files are too large together; %1 and later ones are not read</source>
        <translation>vložené soubory jsou dohromady příliš velké; %1 a další se nečtou</translation>
    </message>
    <message>
        <source>an #if condition cannot be worked out here; its block is skipped</source>
        <translation>podmínku #if zde nelze vyhodnotit; její blok se přeskakuje</translation>
    </message>
    <message>
        <source>the macros expand to too much text; the rest is not expanded</source>
        <translation>makra se rozvinou do příliš dlouhého textu; zbytek se nerozvíjí</translation>
    </message>
    <message>
        <source>a text has no closing quote</source>
        <translation>textu chybí koncová uvozovka</translation>
    </message>
    <message>
        <source>an #ifdef block has no #endif</source>
        <translation>blok #ifdef nemá #endif</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>soubor končí příliš brzy</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;; the statement is skipped</source>
        <translation>nečekané „%1“; příkaz se přeskakuje</translation>
    </message>
    <message>
        <source>the macro %1 cannot be expanded here; the statement is skipped</source>
        <translation>makro %1 zde nelze rozvinout; příkaz se přeskakuje</translation>
    </message>
    <message>
        <source>the arrays are nested too deeply; this one is skipped</source>
        <translation>pole jsou vnořená příliš hluboko; toto se přeskakuje</translation>
    </message>
    <message>
        <source>the class name %1 is a macro that cannot be expanded here</source>
        <translation>název třídy %1 je makro, které zde nelze rozvinout</translation>
    </message>
    <message>
        <source>the classes are nested too deeply; this one is skipped</source>
        <translation>třídy jsou vnořené příliš hluboko; tato se přeskakuje</translation>
    </message>
    <message>
        <source>the class %1 has no closing brace</source>
        <translation>třídě %1 chybí koncová závorka</translation>
    </message>
</context>
<context>
    <name>QtArticleDialogService</name>
    <message>
        <source>Article files (*.json)</source>
        <translation>Soubory projektů (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Open Article</source>
        <translation>Otevřít projekt</translation>
    </message>
    <message>
        <source>Save Article As</source>
        <translation>Uložit projekt jako</translation>
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
        <translation>ReadMe obsahuje znaky, které kódová stránka %1 neumí uložit:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Chcete ReadMe místo toho uložit v UTF-8?<byte value="xd"/>
Ano: uložit v UTF-8 (se značkou pořadí bajtů).<byte value="xd"/>
Ne: uložit v %1, s &quot;?&quot; místo každého z těchto znaků.<byte value="xd"/>
Zrušit: neukládat.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Soubor ReadMe nelze uložit do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ReadMe file created successfully ...</source>
        <translation>Soubor ReadMe byl úspěšně vytvořen ...</translation>
    </message>
    <message>
        <source>Do you really want to set all defaults ?<byte value="xd"/>
All unsaved data will be lost.</source>
        <translation>Opravdu chcete obnovit všechny výchozí hodnoty?<byte value="xd"/>
Všechna neuložená data budou ztracena.</translation>
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
        <translation>Vyberte druh projektu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Put your article name here</source>
        <translation>Název vašeho projektu</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Verze:</translation>
    </message>
    <message>
        <source>Put your article version here</source>
        <translation>Verze vašeho projektu</translation>
    </message>
    <message>
        <source>Author(s):</source>
        <translation>Autor(ři):</translation>
    </message>
    <message>
        <source>Names of authors</source>
        <translation>Jména autorů</translation>
    </message>
    <message>
        <source>Release date:</source>
        <translation>Vydáno:</translation>
    </message>
    <message>
        <source>Release date for your article</source>
        <translation>Datum vydání vašeho projektu</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Domovská stránka</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Contact email address</source>
        <translation>Kontaktní e-mailová adresa</translation>
    </message>
    <message>
        <source>Skype:</source>
        <translation>Skype:</translation>
    </message>
    <message>
        <source>Skype name contact</source>
        <translation>Jméno na Skypu pro kontakt</translation>
    </message>
    <message>
        <source>ICQ:</source>
        <translation>ICQ:</translation>
    </message>
    <message>
        <source>ICQ number contact</source>
        <translation>Číslo ICQ pro kontakt</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Jiné:</translation>
    </message>
    <message>
        <source>Other contacts</source>
        <translation>Další kontakty</translation>
    </message>
    <message>
        <source>Required game:</source>
        <translation>Vyžadovaná hra:</translation>
    </message>
    <message>
        <source>Minimal required game version</source>
        <translation>Minimální požadovaná verze hry</translation>
    </message>
    <message>
        <source>Required addons:</source>
        <translation>Vyžadované addony:</translation>
    </message>
    <message>
        <source>List of required addons</source>
        <translation>Seznam vyžadovaných addonů</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
More addons and their download links can be added later, after creation of this ReadMe file ...</source>
        <translation>Poznámka:<byte value="xd"/>
Další addony a odkazy ke stažení lze doplnit později, po vytvoření tohoto souboru ReadMe ...</translation>
    </message>
    <message>
        <source>Installation instructions for:</source>
        <translation>Návod k instalaci pro:</translation>
    </message>
    <message>
        <source>Write here your own installation isntructions</source>
        <translation>Sem napište vlastní návod k instalaci</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>Description for your article</source>
        <translation>Popis vašeho projektu</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Interesting features in your article</source>
        <translation>Zajímavé vlastnosti vašeho projektu</translation>
    </message>
    <message>
        <source>Changelog/known bugs:</source>
        <translation>Změny/známé chyby:</translation>
    </message>
    <message>
        <source>Changelog or list of known bugs</source>
        <translation>Seznam změn nebo známých chyb</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Pozn.:</translation>
    </message>
    <message>
        <source>Just notes</source>
        <translation>Jen poznámky</translation>
    </message>
    <message>
        <source>Credits and thanks:</source>
        <translation>Zásluhy a díky:</translation>
    </message>
    <message>
        <source>Put here all the credits and thanks</source>
        <translation>Sem uveďte všechny zásluhy a poděkování</translation>
    </message>
    <message>
        <source>Disclaimer (will be added automatically):</source>
        <translation>Prohlášení (bude přidáno automaticky):</translation>
    </message>
    <message>
        <source>Automatic disclaimer</source>
        <translation>Automatické prohlášení</translation>
    </message>
    <message>
        <source>Basic data</source>
        <translation>Základní údaje</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>Požadavky</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Zásluhy</translation>
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
        <translation>Použití: kestrin-readme [VOLBA]... PROJEKT.json
Vytvoří ReadMe projektu v PROJEKT.json, přesně jak ho zapíše &quot;Vytvořit&quot; v
Kestrin Editoru, a vypíše ho na standardní výstup. PROJEKT.json může být &quot;-&quot;
pro čtení projektu ze standardního vstupu.

Volby:
  -o, --output FILE    zapsat ReadMe místo toho do FILE; FILE se nahradí až
                       po zapsání celého ReadMe (&quot;-&quot;: standardní výstup)
  --set KEY=VALUE      použít VALUE pro KEY místo hodnoty ze souboru, např.
                       --set version=1.3 (lze zadat vícekrát)
  --unset KEY          vynechat KEY, jako by ho soubor neměl
  --format FORMAT      text (ReadMe, výchozí), bbcode (příspěvek do fóra)
                       nebo markdown (README.md); bbcode a markdown vždy
                       v UTF-8
  --encoding ENCODING  ansi, windows-1250 až windows-1258, utf-8 nebo utf-8-bom
                       (výchozí ansi: kódová stránka národního prostředí, zde %1);
                       jen pro text
  --replace            zapsat &quot;?&quot; za znaky, které kódová stránka neumí uložit,
                       místo selhání
  -h, --help           zobrazit tuto nápovědu a skončit
  --version            zobrazit verzi a skončit

Klíče pro --set a --unset:
  %2

Návratový kód: 0, když bylo ReadMe zapsáno; 1, když nebylo (znaky, které kódová
stránka neumí uložit, nebo selhání zápisu); 2 při chybném vstupu nebo použití.
</translation>
    </message>
    <message>
        <source>unknown format %1; the formats are text, bbcode and markdown</source>
        <translation>neznámý formát %1; formáty jsou text, bbcode a markdown</translation>
    </message>
    <message>
        <source>option %1 applies to --format text only; %2 is always written in UTF-8</source>
        <translation>volba %1 platí jen pro --format text; %2 se vždy zapisuje v UTF-8</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>neznámá volba %1 (viz --help)</translation>
    </message>
    <message>
        <source>option %1 needs a value (see --help)</source>
        <translation>volba %1 vyžaduje hodnotu (viz --help)</translation>
    </message>
    <message>
        <source>no article file given (see --help)</source>
        <translation>nebyl zadán soubor projektu (viz --help)</translation>
    </message>
    <message>
        <source>one article file expected, but %1 were given (see --help)</source>
        <translation>očekáván jeden soubor projektu, ale zadáno %1 (viz --help)</translation>
    </message>
    <message>
        <source>option &quot;--output&quot; needs a file name (&quot;-&quot; for standard output)</source>
        <translation>volba &quot;--output&quot; vyžaduje název souboru (&quot;-&quot; pro standardní výstup)</translation>
    </message>
    <message>
        <source>--set %1 is not of the form KEY=VALUE</source>
        <translation>--set %1 nemá tvar KEY=VALUE</translation>
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
        <translation>Import z mise, addonu nebo modu (ARTICLE.json pak lze vynechat):
  --import CESTA       převezme název, autora(y), webovou adresu, požadovanou
                       verzi hry a požadované addony z CESTY (složka nebo .pbo
                       mise, složka nebo .pbo addonu, složka modu); co nešlo
                       přečíst, se vypíše na standardní chybový
                       výstup; návratový kód 2, když nešlo přečíst
                       nic
  --import-only        vypíše sloučený projekt (JSON) místo ReadMe
  --game CESTA         instalace hry, jejíž addony se počítají za oficiální
                       (jinak ta zvolená v okně, jinak ta nalezená v tomto
                       počítači, jinak seznam přiložený k editoru)
</translation>
    </message>
    <message>
        <source>options &quot;--import&quot; and &quot;--game&quot; need a path</source>
        <translation>volby „--import“ a „--game“ potřebují cestu</translation>
    </message>
    <message>
        <source>options &quot;--import-only&quot; and &quot;--game&quot; need &quot;--import&quot;</source>
        <translation>volby „--import-only“ a „--game“ potřebují „--import“</translation>
    </message>
</context>
<context>
    <name>ReadmeTool</name>
    <message>
        <source>%1: cannot read the article file: %2</source>
        <translation>%1: soubor projektu nelze přečíst: %2</translation>
    </message>
    <message>
        <source>%1: and %2 more problems</source>
        <translation>%1: a dalších %2 chyb</translation>
    </message>
    <message>
        <source>the ReadMe holds characters that %1 cannot hold:</source>
        <translation>ReadMe obsahuje znaky, které %1 neumí uložit:</translation>
    </message>
    <message>
        <source>  line %1, column %2: %3</source>
        <translation>  řádek %1, sloupec %2: %3</translation>
    </message>
    <message>
        <source>  and more</source>
        <translation>  a další</translation>
    </message>
    <message>
        <source>nothing was written; choose another --encoding (such as utf-8), or --replace to write &quot;?&quot; in their place</source>
        <translation>nic nebylo zapsáno; zvolte jiné --encoding (např. utf-8) nebo --replace pro zápis &quot;?&quot; na jejich místo</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nelze zapisovat na standardní výstup: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>unknown encoding %1; the encodings are ansi, windows-1250 to windows-1258, utf-8 and utf-8-bom</source>
        <translation>neznámé kódování %1; kódování jsou ansi, windows-1250 až windows-1258, utf-8 a utf-8-bom</translation>
    </message>
    <message>
        <source>standard output is the article file itself; nothing was written</source>
        <translation>standardní výstup je samotný soubor projektu; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>the output file %1 is the article file itself; nothing was written</source>
        <translation>výstupní soubor %1 je samotný soubor projektu; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>a character cannot be encoded</source>
        <translation>znak nelze zakódovat</translation>
    </message>
    <message>
        <source>%1: note: %2</source>
        <translation>%1: poznámka: %2</translation>
    </message>
    <message>
        <source>nothing could be read from %1</source>
        <translation>z %1 nešlo přečíst nic</translation>
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
        <translation>nelze zapisovat na standardní výstup: %1</translation>
    </message>
</context>
<context>
    <name>kestrin::ReadmeExporter</name>
    <message>
        <source>Save Preview As</source>
        <translation>Uložit náhled jako</translation>
    </message>
    <message>
        <source>Export as BBCode</source>
        <translation>Exportovat jako BBCode</translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation>Exportovat jako Markdown</translation>
    </message>
    <message>
        <source>Save ReadMe As</source>
        <translation>Uložit ReadMe jako</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>BBCode forum posts</source>
        <translation>Příspěvky do fóra v BBCode</translation>
    </message>
    <message>
        <source>Markdown files</source>
        <translation>Soubory Markdown</translation>
    </message>
    <message>
        <source>The BBCode file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Soubor BBCode nelze uložit do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The Markdown file could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Soubor Markdown nelze uložit do %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BBCode file created successfully ...</source>
        <translation>Soubor BBCode byl úspěšně vytvořen ...</translation>
    </message>
    <message>
        <source>Markdown file created successfully ...</source>
        <translation>Soubor Markdown byl úspěšně vytvořen ...</translation>
    </message>
</context>
<context>
    <name>kestrin::help::ChmArchive</name>
    <message>
        <source>the file does not exist.</source>
        <translation>soubor neexistuje.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>je to složka, ne soubor.</translation>
    </message>
    <message>
        <source>it is not an ordinary file.</source>
        <translation>není to obyčejný soubor.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory cannot be read.</source>
        <translation>soubor je poškozen: jeho adresář nelze přečíst.</translation>
    </message>
    <message>
        <source>the file is damaged: its compressed pages cannot be read.</source>
        <translation>soubor je poškozen: jeho komprimované stránky nelze přečíst.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>soubor je prázdný.</translation>
    </message>
    <message>
        <source>it is not a compiled HTML Help (.chm) file.</source>
        <translation>není to soubor kompilované nápovědy HTML (.chm).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it ends inside its header.</source>
        <translation>soubor je poškozen nebo neúplný: končí uvnitř hlavičky.</translation>
    </message>
    <message>
        <source>the file is damaged: its header is not valid.</source>
        <translation>soubor je poškozen: jeho hlavička je neplatná.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: it should be %1 bytes long, but it holds %2.</source>
        <translation>soubor je poškozen nebo neúplný: měl by mít %1 bajtů, ale má %2.</translation>
    </message>
    <message>
        <source>the file is damaged: its directory lies outside the file.</source>
        <translation>soubor je poškozen: jeho adresář leží mimo soubor.</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete: its directory names data beyond its end.</source>
        <translation>soubor je poškozen nebo neúplný: jeho adresář odkazuje na data za jeho koncem.</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpBrowser</name>
    <message>
        <source>The link &quot;%1&quot; was not opened: the help opens only its own pages, web addresses (http:, https:) and mail addresses (mailto:).</source>
        <translation>Odkaz &quot;%1&quot; nebyl otevřen: nápověda otevírá jen své vlastní stránky, webové adresy (http:, https:) a e-mailové adresy (mailto:).</translation>
    </message>
    <message>
        <source>This page is too large to show: it holds %1, and the help shows pages of up to %2.</source>
        <translation>Tato stránka je příliš velká: má %1 a nápověda zobrazuje stránky do %2.</translation>
    </message>
    <message>
        <source>Page not shown</source>
        <translation>Stránka nezobrazena</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Stránka:</translation>
    </message>
    <message>
        <source>Parts of this page are nested too deeply or are too large, and are shown flattened.</source>
        <translation>Části této stránky jsou příliš hluboko vnořené nebo příliš velké a jsou zobrazeny zjednodušeně.</translation>
    </message>
    <message>
        <source>Pictures from outside the help file are not shown.</source>
        <translation>Obrázky mimo soubor nápovědy se nezobrazují.</translation>
    </message>
    <message>
        <source>A picture on this page is too large to show.</source>
        <translation>Obrázek na této stránce je příliš velký.</translation>
    </message>
    <message>
        <source>A style sheet of this page is too large, and the page is shown without it.</source>
        <translation>Šablona stylů této stránky je příliš velká; stránka se zobrazí bez ní.</translation>
    </message>
    <message>
        <source>This page cannot be read: the help file is damaged.</source>
        <translation>Tuto stránku nelze přečíst: soubor nápovědy je poškozen.</translation>
    </message>
    <message>
        <source>This page is not in the help file.</source>
        <translation>Tato stránka není v souboru nápovědy.</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>Stránka není k dispozici</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Soubor:</translation>
    </message>
</context>
<context>
    <name>kestrin::help::HelpWindow</name>
    <message>
        <source>The help cannot be shown</source>
        <translation>Nápovědu nelze zobrazit</translation>
    </message>
    <message>
        <source>The editor is not affected by this: close this window and carry on.</source>
        <translation>Editor tím není dotčen: zavřete toto okno a pokračujte.</translation>
    </message>
    <message>
        <source>Kestrin Editor Help</source>
        <translation>Nápověda Kestrin Editoru</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Back to the previous page (Alt+Left)</source>
        <translation>Zpět na předchozí stránku (Alt+Vlevo)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Forward to the next page (Alt+Right)</source>
        <translation>Vpřed na další stránku (Alt+Vpravo)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Úvod</translation>
    </message>
    <message>
        <source>The first page of the help (Alt+Home)</source>
        <translation>První stránka nápovědy (Alt+Home)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Stránka nápovědy</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Soubor nápovědy &quot;%1&quot; nelze otevřít: %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; cannot be opened: %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Soubor nápovědy &lt;b&gt;%1&lt;/b&gt; nelze otevřít: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The table of contents is too large to show.</source>
        <translation>Obsah je příliš velký k zobrazení.</translation>
    </message>
    <message>
        <source>The table of contents is nested too deeply: entries below level %1 are shown at level %1.</source>
        <translation>Obsah je vnořen příliš hluboko: položky pod úrovní %1 jsou zobrazeny na úrovni %1.</translation>
    </message>
    <message>
        <source>The table of contents is too long: only its first %1 entries are shown.</source>
        <translation>Obsah je příliš dlouhý: zobrazuje se jen prvních %1 položek.</translation>
    </message>
    <message>
        <source>the file is damaged: its pages cannot be read.</source>
        <translation>soubor je poškozen: jeho stránky nelze přečíst.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; was not found. These folders were searched:</source>
        <translation>Soubor nápovědy &quot;%1&quot; nebyl nalezen. Prohledány byly tyto složky:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; was not found. These folders were searched, in this order:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Put the file into one of them and choose Help Contents again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Soubor nápovědy &lt;b&gt;%1&lt;/b&gt; nebyl nalezen. Prohledány byly tyto složky, v tomto pořadí:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;&lt;p&gt;Vložte soubor do jedné z nich a znovu zvolte Obsah nápovědy.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>ver.: %1</source>
        <translation>verze: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::ImportDialog</name>
    <message>
        <source>Import from Mission or Addon</source>
        <translation>Import z mise nebo addonu</translation>
    </message>
    <message>
        <source>Found in %1. Tick what the form should take:</source>
        <translation>Nalezeno v %1. Zaškrtněte, co má formulář převzít:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>The form holds now</source>
        <translation>Formulář teď obsahuje</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Nalezeno</translation>
    </message>
    <message>
        <source>Where it was found</source>
        <translation>Kde se našlo</translation>
    </message>
    <message>
        <source>Proposed fields</source>
        <translation>Navržená pole</translation>
    </message>
    <message>
        <source>User defined: the list below</source>
        <translation>Vlastní: seznam níže</translation>
    </message>
    <message>
        <source>&amp;Required addons (one a line; official addons left out):</source>
        <translation>&amp;Požadované addony (jeden na řádek; oficiální vynechány):</translation>
    </message>
    <message>
        <source>Left out as official: %1</source>
        <translation>Vynecháno jako oficiální: %1</translation>
    </message>
    <message>
        <source>Everything could be read.</source>
        <translation>Vše šlo přečíst.</translation>
    </message>
    <message>
        <source>What could not be read:</source>
        <translation>Co nešlo přečíst:</translation>
    </message>
    <message>
        <source>What could not be read</source>
        <translation>Co nešlo přečíst</translation>
    </message>
    <message>
        <source>&amp;Game Folder...</source>
        <translation>&amp;Složka hry...</translation>
    </message>
    <message>
        <source>Choose the Game Folder</source>
        <translation>Zvolte složku hry</translation>
    </message>
    <message>
        <source>From the next import on, the addons of the game in %1 count as official.</source>
        <translation>Od příštího importu se addony hry v %1 počítají za oficiální.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::MainWindow</name>
    <message>
        <source>The field now holds %1 characters and shows the first %2 of them. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Pole nyní obsahuje %1 znaků a zobrazuje prvních %2 z nich. Chcete-li text změnit, označte jej celý a pište, smažte jej nebo vložte jiný; Zpět vložení vrátí.</translation>
    </message>
    <message>
        <source>The field now holds %1 lines (%2 characters), too many to edit: it shows them read-only. To change the text, select all of it and type, delete or paste; Undo takes the paste back.</source>
        <translation>Pole nyní obsahuje %1 řádků (%2 znaků), příliš mnoho na úpravy: zobrazuje je jen pro čtení. Chcete-li text změnit, označte jej celý a pište, smažte jej nebo vložte jiný; Zpět vrátí vložení.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Obsah nápovědy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
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
        <translation>zapnuto</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuto</translation>
    </message>
    <message>
        <source>Open Article...</source>
        <translation>Otevřít projekt...</translation>
    </message>
    <message>
        <source>Save Article</source>
        <translation>Uložit projekt</translation>
    </message>
    <message>
        <source>Save Article As...</source>
        <translation>Uložit projekt jako...</translation>
    </message>
    <message>
        <source>Recent Articles</source>
        <translation>Nedávné projekty</translation>
    </message>
    <message>
        <source>Clear Recent Articles</source>
        <translation>Vymazat seznam</translation>
    </message>
    <message>
        <source>%1[*] - Kestrin Editor</source>
        <translation>%1[*] - Kestrin Editor</translation>
    </message>
    <message>
        <source>Import from Mission or Addon...</source>
        <translation>Importovat z mise nebo addonu...</translation>
    </message>
    <message>
        <source>Choose a Mission, Addon or Mod</source>
        <translation>Zvolte misi, addon nebo mod</translation>
    </message>
    <message>
        <source>Missions, addons and Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;All files (*)</source>
        <translation>Mise, addony a mody (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Čte se %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Looking for the game&apos;s official addons...</source>
        <translation>Hledají se oficiální addony hry...</translation>
    </message>
    <message>
        <source>Nothing could be read from %1.</source>
        <translation>Z %1 nešlo přečíst nic.</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PreviewWindow</name>
    <message>
        <source>ReadMe Preview - Kestrin Editor</source>
        <translation>Náhled ReadMe - Kestrin Editor</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formát:</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Prostý text</translation>
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
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Uložit jako...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Řádek %1, sloupec %2: %3</translation>
    </message>
    <message>
        <source>%1, CR LF line ends: every character fits the code page.</source>
        <translation>%1, konce řádků CR LF: všechny znaky se do kódové stránky vejdou.</translation>
    </message>
    <message>
        <source>More than %1 characters cannot be written in %2; the first %1 are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Více než %1 znaků nelze zapsat v %2; prvních %1 je označeno a uvedeno níže. Vytvořit se zeptá, zda uložit v UTF-8, nebo s &quot;?&quot; na jejich místě.</translation>
    </message>
    <message>
        <source>1 character cannot be written in %1; it is marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in its place.</source>
        <translation>1 znak nelze zapsat v %1; je označen a uveden níže. Vytvořit se zeptá, zda uložit v UTF-8, nebo s &quot;?&quot; na jeho místě.</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in %2; they are marked and listed below. Create will ask whether to save as UTF-8 or with &quot;?&quot; in their place.</source>
        <translation>Znaky (%1) nelze zapsat v %2; jsou označeny a uvedeny níže. Vytvořit se zeptá, zda uložit v UTF-8, nebo s &quot;?&quot; na jejich místě.</translation>
    </message>
    <message>
        <source>UTF-8, CR LF line ends.</source>
        <translation>UTF-8, konce řádků CR LF.</translation>
    </message>
    <message>
        <source>UTF-8, LF line ends.</source>
        <translation>UTF-8, konce řádků LF.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formát</translation>
    </message>
    <message>
        <source>ReadMe preview</source>
        <translation>Náhled ReadMe</translation>
    </message>
    <message>
        <source>Characters the code page cannot hold</source>
        <translation>Znaky, které kódová stránka neumí</translation>
    </message>
</context>
<context>
    <name>kestrin::ui::PublishCommands</name>
    <message>
        <source>Preview ReadMe...</source>
        <translation>Náhled ReadMe...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
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
        <translation>Kopírovat jako BBCode</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes ReadMe files for Arma 2 missions, addons and mods.</source>
        <translation>Vytváří soubory ReadMe pro mise, addony a mody do Arma 2.</translation>
    </message>
    <message>
        <source>An article file (.json) to open.</source>
        <translation>Soubor projektu (.json) k otevření.</translation>
    </message>
</context>
</TS>
