<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Onbekende optie "%1"; bedoel je "%2"?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Onbekende taal "%1" bij --language. De talen zijn: %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Onbekende categorie "%1" bij --category. De categorieën zijn: %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Onbekend ernstniveau "%1" bij --severity. De ernstniveaus zijn: %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>Teken %1 is een dubbel aanhalingsteken ("), dat de tekst tussen aanhalingstekens van het filteritem te vroeg zou afsluiten.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>Teken %1 is een stuurteken (%2), dat niet in een filteritem kan staan.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>Teken %1, "%2" (%3), kan niet worden geschreven in de codetabel van de server (Windows-1252).</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>Schrijven naar "%1" is mislukt: %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>Kan "%1" niet bekijken: %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>"%1" is %2, geen gewoon bestand.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>Kan "%1" niet openen om eraan toe te voegen: %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Het bestand is niet geopend</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>Teruglezen van "%1" is mislukt: %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>Inkorten van "%1" is mislukt: %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>Verwijderen van "%1" is mislukt: %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>een symbolische koppeling</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>een FIFO (benoemde pipe)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>een tekenapparaat</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>een blokapparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>"%1" is vergrendeld door een ander programma.</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Het was na %n seconde nog steeds vergrendeld.</numerusform>
            <numerusform>Het was na %n seconden nog steeds vergrendeld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>Het wachten op de vergrendeling van "%1" is afgebroken.</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>Kan "%1" niet vergrendelen: %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>Kan de map van "%1" niet openen: %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>"%1" is vervangen terwijl het werd geopend.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>"%1" heeft %n naam (harde koppeling); een nieuw bestand op zijn plaats zou de oude inhoud onder de andere namen laten staan. Verwijder de andere koppelingen zodat het nog maar één naam heeft, of werk met een kopie.</numerusform>
            <numerusform>"%1" heeft %n namen (harde koppelingen); een nieuw bestand op zijn plaats zou de oude inhoud onder de andere namen laten staan. Verwijder de andere koppelingen zodat het nog maar één naam heeft, of werk met een kopie.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>Deze gebruiker (%2) mag niet naar "%1" schrijven; alleen een bestand waarnaar de gebruiker mag schrijven, wordt vervangen.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>Kan "%1" niet vervangen: %2 is mislukt: %3. Het bestand is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>"%1" is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>het bekijken van het bestand</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>het aanmaken van het nieuwe bestand ernaast</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>het schrijven van het nieuwe bestand</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>het instellen van de rechten van het nieuwe bestand</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>het kopiëren van het uitgebreide attribuut "%1"</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>het naar schijf schrijven van het nieuwe bestand</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>het benoemen van het nieuwe bestand</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>het vergrendelen van het nieuwe bestand</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>Kan "%1" niet vervangen: een ander programma heeft het tijdens het opschonen hernoemd, verwijderd of vervangen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>Kan "%1" niet vervangen: een ander programma heeft het tijdens het opschonen gewijzigd. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>het openen van het nieuwe bestand om eraan toe te voegen</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>het hernoemen van het nieuwe bestand naar zijn naam</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>Kan "%1" niet schrijven: %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>Het bestand is leeg gelaten.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>Kan niet openen: %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>Het is %1, geen gewoon bestand.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Kan niet lezen: het is een FIFO en geen enkel programma schreef er binnen %n seconde naar.</numerusform>
            <numerusform>Kan niet lezen: het is een FIFO en geen enkel programma schreef er binnen %n seconden naar.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>die bestaat niet</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>De map "%1" is niet bruikbaar: %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>De map "%1" is niet bruikbaar: er is geen toegang toe.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>gebruikers-ID %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>Kan "%1" niet vinden: %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>"%1" is een symbolische koppeling van %2, een ander account: een koppeling wordt alleen gevolgd als die van deze gebruiker of van root is. Voer het programma uit als %2, of geef het bestand op waarnaar de koppeling verwijst.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>"%1" leidt niet meer naar het bestand dat werd geopend: de map "%2" is sindsdien verplaatst of vervangen (bijvoorbeeld door een symbolische koppeling). Er is niets geschreven; open het bestand opnieuw om het daar te schrijven.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>"%1" is door iemand anders gewijzigd terwijl het werd geschreven; het is gelaten zoals het is.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>Kan "%1" niet schrijven: %2: %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>in de map kan geen nieuw bestand worden aangemaakt</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>de nieuwe inhoud kan niet worden geschreven</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>de nieuwe inhoud kan niet op schijf worden opgeslagen</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>het nieuwe bestand kan zijn naam niet krijgen</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>Kan "%1" niet schrijven: %2.</translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>"%1" is %2, geen gewoon bestand: een Build voegt alleen toe aan een gewoon bestand.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>Het schrijven naar "%1" is afgebroken.</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>"%1" is verplaatst of vervangen terwijl deze Build ernaar schreef: %2 zijn terechtgekomen in het bestand dat er eerst stond, en dat nu een andere naam heeft.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>"%1" is door een ander programma vervangen terwijl deze Build ernaar schreef: %2 zijn terechtgekomen in het bestand dat er eerst stond, en dat niet meer bestaat.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>"%1" is verwijderd terwijl deze Build ernaar schreef: %2 zijn terechtgekomen in een bestand dat niet meer bestaat.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>Er is niets van deze Build in terechtgekomen.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>"%1" is vervangen of verwijderd terwijl deze Build ernaar schreef, dus er is niets ingekort: %2 zijn terechtgekomen in het bestand dat er eerst stond, niet in het bestand dat er nu staat.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Het kon niet worden bekeken en is dus niet ingekort: %1 staan er nog in, vanaf byte %2.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>"%1" is door een ander programma gewijzigd terwijl deze Build ernaar schreef en is dus niet ingekort; mogelijk bevat het nog %2, vanaf byte %3.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Het kan niet worden teruggelezen om na te gaan of het eindigt met de bytes van deze Build, en is dus niet ingekort: %1 staan er nog in, vanaf byte %2.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>Het kon niet worden ingekort (%1): %2 staan er nog in, vanaf byte %3.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>De bytes van deze Build zijn weggehaald uit het bestand dat de Build had aangemaakt; dat bestand is daarna op zijn pad vervangen en is dus niet verwijderd.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>Het bestand, dat deze Build had aangemaakt, is leeg gelaten: het kon niet worden verwijderd (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>Het bestand, dat deze Build had aangemaakt, is weer verwijderd.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>Het bestand is gelaten zoals het was vóór deze Build.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>niets van deze Build</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>de lege regel van deze Build en %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> en het begin van nog een regel</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Talen van de ingebouwde items, gescheiden door komma's. De codes: %1. Mag meermaals worden opgegeven; zonder deze optie Engels (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Categorieën van de ingebouwde items, gescheiden door komma's. De codes: %1. Mag meermaals worden opgegeven; zonder deze optie alle categorieën.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Alleen de ingebouwde items van LEVEL en erger behouden. De niveaus, van mild naar zwaar: %1; zonder deze optie mild (alle items).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>De dubbelzinnige ingebouwde items weglaten. Die hebben in een van de talen een gangbare onschuldige betekenis: het Engelse "hoe" is ook het Nederlandse woord "hoe".</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Vervangen door sterretjes ("***") in plaats van door het geheimschrift ("t0w"). In beide gevallen is een vervanging even lang als haar tekst.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Ook de andere schrijfwijzen filteren waarmee spelers de woorden typen. Gelijkende tekens ("sh1t", "$hit"), zinnen Met Elk Woord Met Een Hoofdletter, accenten als gewone letters ("arschlocher", "arschloecher"), de andere apostrof: hooguit half zoveel items extra, de meest getypte vormen eerst.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Het filter vervangen dat eerdere Builds schreven. De items ervan (die waarvan de vervanging het geheimschrift of het masker van hun tekst is) gaan uit het bestand, met de lege regel van een blok dat helemaal verdwijnt, en het nieuwe blok komt erbij.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Ook toevoegen aan een bestand dat op UTF-8 lijkt. Zonder deze optie weigert een Build zo'n bestand: de server leest het als Windows-1252, en de Windows-1252-bytes van de Build zouden zich met de UTF-8 erin mengen. Met deze optie waarschuwt de Build en gaat door.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>In DIR schrijven in plaats van in de huidige map.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>De woorden uit FILE nemen in plaats van uit de ingebouwde lijsten. Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>De woorden van FILE aan de lijst toevoegen. Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Het profiel FILE toepassen: +WORD voegt toe, -WORD haalt weg. De regels WORD en +WORD voegen WORD toe, -WORD haalt WORD weg, regels die met # beginnen zijn commentaar.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>De woorden van FILE uit de lijst weghalen (een lijst van toegestane woorden). Ze verdwijnen zoals bij de -WORD-regels van een profiel. Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Standaardinvoer ("-") kan maar één keer worden gelezen.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words vervangt de ingebouwde lijst; --language, --category, --severity en --no-ambiguous gaan daar niet mee samen.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>De variant "%1" kan niet in een filteritem worden geschreven. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>De vervanging van "%1" zou gelijk zijn aan het woord zelf: een filteritem vervangt alleen de letters A tot en met Z, a tot en met z en "$", ".", "-" en "_", en daarvan bevat het er geen.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>Het bestand is UTF-16, maar woordbestanden en profielen zijn UTF-8; er is niets uit overgenomen. Converteer het met "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" en geef in plaats daarvan %2 op.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>Regel %1 is geen geldige UTF-8, maar woordbestanden en profielen zijn UTF-8; er is niets uit het bestand overgenomen. Is het Windows-1252 (of Latin-1), converteer het dan met "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" en geef in plaats daarvan %3 op.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>Het woord is %1 tekens lang; een woord heeft hooguit %2 tekens.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Na een "+" of "-" moet een woord staan.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Kan niet lezen: %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>De regel is langer dan %1 bytes; er staat geen woord in, want een woord heeft hooguit %2 tekens.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>"%1" haalt niets weg: geen enkel item is "%2".</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>"%1" lijkt UTF-8, maar de server leest het als Windows-1252, en een Build zou er Windows-1252-bytes aan toevoegen. Maak een kopie en converteer het in zijn map met "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (zie de README), of bouw met --force-encoding om toch toe te voegen.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>"%1" lijkt UTF-8, maar de server leest het als Windows-1252, en een Build voegt er Windows-1252-bytes aan toe. Converteer het naar Windows-1252 (zie de README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>Kan "%1" niet openen: %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>de vervanging "%1" (%2 tekens) is langer dan haar tekst "%3" (%4 tekens); zo'n item kan de server laten crashen.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>tegenstrijdig: de tekst "%1" heeft hier de vervanging "%2" en in het item op regel %4 "%3".</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>herhaalt het item op regel %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>de regel is langer dan %1 bytes; hij is ongecontroleerd overgeslagen.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>het bestand begint met een UTF-8-bytevolgordemarkering (BOM), die Windows-1252-bestanden niet hebben; de server kan de drie bytes ervan voor een deel van de eerste regel aanzien.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>ongeldige itemregel: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Kan niet lezen: %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>De regel bevat een oneven aantal dubbele aanhalingstekens (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>Na de openingsaccolade moet een tekst tussen aanhalingstekens volgen.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>De vervanging tussen aanhalingstekens ontbreekt.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>Na de tekst moet een vervanging tussen aanhalingstekens volgen.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>De sluitaccolade ontbreekt.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>De regel bevat meer dan twee teksten tussen aanhalingstekens.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>Na de vervanging moet een sluitaccolade volgen.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Na de sluitaccolade mag alleen witruimte staan.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>"%1" is tijdens het opschonen gewijzigd en ongewijzigd gelaten. Een ander programma bleef ernaar schrijven; probeer het opnieuw als dat klaar is.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>het filteritem van "%1" (vervangen door "%2").</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>de lege regel aan het begin van een blok waarvan alle items verdwijnen.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: De regel is langer dan %3 bytes, te lang om ongewijzigd te behouden; er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Maximaal gebruik: 18 varianten van elk woord in plaats van 9. De varianten met "?" en "_" komen er ook bij.</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>Aan localization.txt toevoegen in plaats van aan badnames.txt.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Het blok tonen in plaats van het aan een bestand toe te voegen.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Bouwen zonder de geweigerde woorden, die als waarschuwingen worden vermeld.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>Niets schrijven; tonen wat de Build zou schrijven. De items in totaal en per taal, en wat --spellings toevoegt.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>"%1" is vergrendeld door een ander programma; er wordt maximaal %n seconde gewacht tot het wordt vrijgegeven.</numerusform>
            <numerusform>"%1" is vergrendeld door een ander programma; er wordt maximaal %n seconden gewacht tot het wordt vrijgegeven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, ter vervanging van %n eerder filteritem</numerusform>
            <numerusform>, ter vervanging van %n eerdere filteritems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> en %n lege regel aan het begin van een blok.</numerusform>
            <numerusform> en %n lege regels aan het begin van hun blok.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 is actueel: het filter erin is het filter dat deze Build schrijft (%n item).</numerusform>
            <numerusform>%1 is actueel: het filter erin is het filter dat deze Build schrijft (%n items).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>%n item naar standaarduitvoer geschreven.</numerusform>
            <numerusform>%n items naar standaarduitvoer geschreven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>%n item naar %1 geschreven.</numerusform>
            <numerusform>%n items naar %1 geschreven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n item naar %1 geschreven</numerusform>
            <numerusform>%n items naar %1 geschreven</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>Zou %1 wijzigen</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Zou %n item naar standaarduitvoer schrijven.</numerusform>
            <numerusform>Zou %n items naar standaarduitvoer schrijven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Zou %n item naar %1 schrijven.</numerusform>
            <numerusform>Zou %n items naar %1 schrijven.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>eigen woorden</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>schrijfwijzen (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings zou toevoegen</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Onverwacht argument "%1".</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout schrijft geen bestand; --dir, --localization en --replace gaan daar niet mee samen.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>Er zijn geen woorden om te bouwen: de woordenlijst is leeg. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>Schrijven naar standaarduitvoer is mislukt: %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>De filteritems aan badnames.txt of localization.txt toevoegen.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Bouwt het filter zoals de knop Build van het venster dat doet, maar zonder de pauze: een lege regel, daarna één itemregel { "variant" "replacement" } per variant, toegevoegd aan badnames.txt (dat de server niet leest) of, met --localization, aan localization.txt.

De woorden: de ingebouwde lijst (of de --words-bestanden), dan de --add-bestanden, dan de toevoegingen van het profiel; alles wat wordt weggehaald (de -WORD-regels van een profiel, --except) komt als laatste. Woordbestanden zijn UTF-8, één woord per regel, "-" voor standaardinvoer. Een geweigerd woord wordt genoemd met FILE:LINE, en dan wordt er niets geschreven.

Een vervanging heeft altijd de lengte van haar tekst: een langere kan de server laten crashen. Met --replace gaan de items die eerdere Builds schreven (die waarvan de vervanging het geheimschrift of het masker van hun tekst is) uit het bestand, met de lege regel van een blok dat helemaal verdwijnt, en komt het nieuwe blok erbij, in één atomaire stap. Zou het bestand daardoor blijven zoals het is (dezelfde Build nog eens), dan blijft het onaangeroerd, ook de wijzigingstijd, en meldt build dat het "actueel" is.

Met --dry-run wordt er niets geschreven en geen bestand vergrendeld: build toont het aantal items dat het zou schrijven, dan de items van de woorden van elke taal (een woord dat twee talen delen, telt in beide mee) en van "eigen woorden", de woorden die geen gekozen ingebouwd item zijn; met --replace daarna "Zou FILE wijzigen" of "FILE is actueel".

Afsluitstatus: 0 geschreven of actueel; 1 een woord geweigerd, geen woorden, of het bestand kan niet worden geschreven; 2 een onjuiste opdrachtregel of een onleesbaar woordbestand; 129, 130, 143 gestopt door een signaal, het blok teruggenomen.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>Alleen de gevaarlijke en ongeldige items en de samenvatting tonen.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>Geen bestand opgegeven om te controleren.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Standaardinvoer ("-") kan maar één keer worden gelezen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>Het bestand lijkt UTF-8 (elk niet-ASCII-teken erin is geldige UTF-8), maar de server leest het als Windows-1252: die tekens worden in het spel verminkt weergegeven, en items die dit programma toevoegt, zijn in Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>Het bestand mengt UTF-8 met Windows-1252 (de server leest alles als Windows-1252, dus de UTF-8 erin wordt verminkt weergegeven): dit is de eerste regel in Windows-1252, en de eerste regel in UTF-8 is regel %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>Het bestand mengt UTF-8 met Windows-1252 (de server leest alles als Windows-1252, dus de UTF-8 erin wordt verminkt weergegeven): dit is de eerste regel in UTF-8, en de eerste regel in Windows-1252 is regel %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>De items in lokalisatiebestanden melden die de server kunnen laten crashen.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Leest lokalisatiebestanden zoals de server dat doet (Windows-1252) en bekijkt elke itemregel { "text" "replacement" }; andere regels blijven ongemoeid. Elke bevinding gaat naar standaarduitvoer als FILE:LINE:, gevolgd door de ernst en de melding, en daarna volgt één samenvattende regel:
  danger   een vervanging die langer is dan haar tekst: kan de server laten
           crashen
  error    een itemregel die niet te ontleden is, of een regel van meer dan
           %1 bytes
  warning  een herhaling van of een conflict met een eerder item, een
           bytevolgordemarkering, een bestand dat op UTF-8 lijkt of UTF-8
           met Windows-1252 mengt

Afsluitstatus: 0 niets gevaarlijks of ongeldigs (waarschuwingen tellen niet mee); 1 wel; 2 een bestand is onleesbaar (de andere worden toch gecontroleerd) of de opdrachtregel is onjuist.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>Details: man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Meer: "%1 --help" en "man %2".</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Gebruik: %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Bouwt zonder venster het chatwoordfilter van een gameserver, en controleert de lokalisatiebestanden van de server en schoont ze op.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Opdrachten:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>Voer "%1 COMMAND -h" uit voor de opties van een opdracht.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>Probeer "%1 -h" voor meer informatie.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Een korte hulptekst tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>De volledige hulptekst tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>De naam en versie van het programma tonen en afsluiten.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Geen opdracht opgegeven.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Onbekende opdracht "%1".</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Onbekende opdracht "%1"; bedoel je "%2"?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Gestopt door %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Maximaal gebruik: 18 varianten van elk woord in plaats van 9 (ook "?" en "_").</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>Geen woord opgegeven.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>Het woord "%1" is geweigerd: %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>De varianten van woorden met hun vervangingen tonen.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Zet elk WORD in kleine letters en controleert het zoals build dat doet, en toont dan elke variant met zijn vervanging, gescheiden door een tab, één paar per regel, in de volgorde waarin build ze in het filterbestand schrijft. De uitvoer is UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Maximaal gebruik: de 18 varianten van elk woord, zoals build --max ze schrijft.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>eigen woorden: %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>zoals getypt: %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>het geheimschrift van %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>het masker (--mask) van %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>weghalen: de regel "-%1" in een profiel, of vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>Geen tekst opgegeven.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>en nog %n item</numerusform>
            <numerusform>en nog %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>geen enkel item van de woordenlijst levert deze tekst op</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Tonen welk item een tekst oplevert die in de chat te zien is.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Toont voor elke TEXT, de getypte tekst ("HOE!") of wat de spelers ervan zien ("T5W!" van het geheimschrift, "****" van het masker), de woorden van de woordenlijst die die tekst opleveren: elk woord met zijn taal, categorie, ernst en "ambiguous" als het ook een onschuldige betekenis heeft ("eigen woorden" en het bestand bij een woord uit --words, --add of een profiel), zijn varianten die als de tekst verschijnen, en de regel die het weghaalt. De woordopties zijn die van build: dezelfde opties verklaren dezelfde Build. Bij een tekst die door veel items wordt opgeleverd, worden de eerste 20 genoemd en de rest geteld.

Afsluitstatus: 0 elke tekst gevonden; 1 een tekst die geen enkel item oplevert, of een geweigerd woord; 2 een onjuiste opdrachtregel of een onleesbaar woordbestand.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Elk item tonen met zijn taal, categorie, ernst en of het dubbelzinnig is, gescheiden door tabs.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>De codes van de talen, de categorieën en de ernstniveaus tonen.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long toont ingebouwde items; woordbestanden gaan daar niet mee samen.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Er is niets getoond.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>De ingebouwde woordenlijst tonen.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Toont de ingebouwde woordenlijst zoals elke start van het venster die vult en zoals build die zonder --words gebruikt: in kleine letters, in lijstvolgorde, één woord per regel, in UTF-8. --language, --category, --severity en --no-ambiguous kiezen de items ervan, net als voor build en het venster.

Met --words, --add, --profile of --except toont het de woordenlijst die build met dezelfde opties zou gebruiken (bij een geweigerd woord of onleesbaar bestand wordt er niets getoond en is de afsluitstatus 1 of 2, net als bij build).

Met --long bevat elke regel een item, de taal, de categorie, de ernst (mild, strong of severe) en "ambiguous" als het in een van de talen een gangbare onschuldige betekenis heeft (anders "-"), gescheiden door tabs; een item dat meerdere talen of categorieën delen, heeft voor elk daarvan een regel.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(standaardinvoer)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Ook items verwijderen die langer zijn dan hun tekst. Hun vervanging is langer dan hun tekst, wat de server kan laten crashen.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Ook de filteritems van WORD verwijderen. Dat zijn die van zijn 18 varianten en zijn schrijfwijzen (--spellings), welke Build ze ook schreef, met de lege regel van een blok dat helemaal verdwijnt. Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Ook de filteritems van de woorden van FILE verwijderen. Elk woord verdwijnt zoals bij --drop-word. Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Ook alle filteritems verwijderen. De lege regel van een blok dat helemaal verdwijnt, gaat mee: het bestand zonder het filter van dit programma.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Tonen wat zou worden verwijderd en niets wijzigen. Elke verwijdering als FILE:LINE: melding.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Samenvatting: herhalingen verwijderd %1, gevaarlijke verwijderd %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, filteritems verwijderd %1, lege regels verwijderd %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, regels behouden %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (proefrun: er is niets gewijzigd).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (niets te wijzigen).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>Geen bestand opgegeven om op te schonen.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Er kan maar één bestand tegelijk worden opgeschoond.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy herschrijft een bestand ter plekke; standaardinvoer kan niet worden opgeschoond.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word "%1": %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Een woord is één regel tekst.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>zou verwijderen: </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Zonder --dry-run zou tidy niets wijzigen.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>"%1" verwijdert niets: er staat geen filteritem van "%1" in "%2".</translation>
    </message>
    <message>
        <source>warning: --drop-word %1</source>
        <translation>warning: --drop-word %1</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3</source>
        <translation>%1:%2: warning: %3</translation>
    </message>
    <message>
        <source>%1 came too late to leave "%2" as it was: it was replaced, and tidy finished.</source>
        <translation>%1 kwam te laat om "%2" ongewijzigd te laten: het was al vervangen, en tidy is voltooid.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>De herhaalde items verwijderen die herhaalde Builds in een bestand achterlaten.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Herschrijft FILE zonder de items die een eerder item exact herhalen, zoals herhaalde Builds ze achterlaten, en zonder wat de opties daaraan toevoegen; elke andere regel blijft byte voor byte gelijk. Het bestand wordt in zijn geheel vervangen of helemaal niet, behoudt zijn rechten, eigenaar, ACL's en uitgebreide attributen, en een symbolische koppeling leidt naar het vervangen bestand. Een bestand met andere namen (harde koppelingen) of een bestand waarnaar de gebruiker niet mag schrijven, wordt geweigerd als het gewijzigd moet worden (met --dry-run: een waarschuwing), net als een bestand waarnaar een Build aan het schrijven is.

Afsluitstatus: 0 klaar (ook als er niets te verwijderen was); 1 geweigerd of niet te vervangen; 2 onleesbaar, een regel die te lang is om te behouden, of een onjuiste opdrachtregel; 129, 130, 143 gestopt door een signaal, het bestand zoals het was (een signaal dat komt nadat het bestand is vervangen, maakt dat niet ongedaan: tidy meldt dat en eindigt met 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Mag meermaals worden opgegeven.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 Het woord wordt weggelaten.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>De woordenlijst heeft wijzigingen die niet in het profiel "%1" zijn opgeslagen. Opslaan voordat het venster sluit?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Woorden uit een bestand toevoegen</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Woorden van een bestand weghalen</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Profiel openen</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profiel opslaan</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Vantro Scheldwoordfilter</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Te filteren scheldwoorden</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Voeg de gewenste woorden toe. De lokalisatie let op hoofdletters en moet exact kloppen. Klik daarna op Build.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>Bezig met woord</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>In standaardlokalisatiebestand </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Maximaal gebruik, server laadt dan mogelijk iets trager</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>each word replaced by stars (****)</source>
        <translation>elk woord vervangen door sterretjes (****)</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>elk woord vervangen door de letters van het geheimschrift</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Voegt de filteritems toe aan %1, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>De filteritems van eerdere Builds worden eerst weggehaald.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n item geschreven naar %1</numerusform>
            <numerusform>%n items geschreven naar %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, ter vervanging van %n eerder filteritem,</numerusform>
            <numerusform>, ter vervanging van %n eerdere filteritems,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n item toegevoegd aan %1</numerusform>
            <numerusform>%n items toegevoegd aan %1</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Laatste Build: %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Build klaar: %1 %2. De woordenlijst toont nu de geschreven varianten; een tweede Build zou die opnieuw uitbreiden. Terug naar de woorden (Ctrl+R) haalt de woorden terug.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>Bezig met woord %1 van %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>Build mislukt</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>Het filter van eerdere Builds was al uit %1 weggehaald; de volgende Build die het vorige filter vervangt, zet dat recht.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>Laatste Build mislukt: %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>Build mislukt: %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>Het woordbestand "%1" kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Kan niet lezen: %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>Het profiel is niet opgeslagen: regel %1 van "%2" is geen UTF-8, en opslaan zou er UTF-8-regels naast zetten. Er is niets geschreven. Converteer het bestand naar UTF-8 en open het opnieuw, of sla het profiel op in een ander bestand.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>Het profiel is niet opgeslagen. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>Het profiel is opgeslagen in "%1" zonder het lege woord, dat een profiel niet kan bevatten; voeg het na de volgende start opnieuw toe.</translation>
    </message>
    <message>
        <source>Instructions

Because of an exploit to crash servers, none of the localization entries 
cannot be longer than the one you are modifying. To help with this problem
you may use this to taylor and build the word filter entries for your 
localization file.

First you can add words to the list at the bottom left, or double click on
a word to remove it from the list. Next check whether you want to write to
the default localization file. If not, the text will be placed in a file
called badnames.txt. You can then edit it further then cut and paste
the entries into you localization file.

The other selectable option will add more variations to the words, but
will also slow the boot of the server slightly.

If you cut and paste your own entries, place it after all the other
localization entries.
</source>
        <translation>Instructies

Vanwege een exploit die servers laat crashen, mag geen enkel 
lokalisatie-item langer zijn dan de tekst die het vervangt. Om hierbij
te helpen, kun je met dit programma de filteritems voor je 
lokalisatiebestand op maat maken en bouwen.

Voeg eerst woorden toe aan de lijst linksonder, of dubbelklik op een
woord om het uit de lijst te verwijderen. Kies daarna of je naar het
standaardlokalisatiebestand wilt schrijven. Zo niet, dan komt de tekst
in een bestand met de naam badnames.txt. Daar kun je hem verder
bewerken en de items vervolgens knippen en in je lokalisatiebestand
plakken.

De andere optie voegt meer varianten aan de woorden toe, maar maakt
het opstarten van de server ook iets trager.

Als je zelf items knipt en plakt, zet ze dan na alle andere
lokalisatie-items.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>Kan "%1" niet schrijven: het is %2; bij het starten wordt daar alleen een gewoon bestand herschreven.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Deze hulptekst tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>De naam en versie van het programma tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Beheert de woordenlijst van het chatfilter van de gameserver en bouwt
de items ervan in badnames.txt (dat de server niet leest) of
localization.txt in de werkmap. Elke start herschrijft daar
badword.txt. Details: man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Mag meermaals worden opgegeven. Profiel opslaan (Ctrl+S) schrijft de wijzigingen in het venster terug naar het laatste FILE.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Onverwacht argument "%1".</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>Er is geen beeldscherm om het venster op te tonen (DISPLAY en WAYLAND_DISPLAY zijn geen van beide ingesteld); gebruik vantro-filter op een machine zonder bureaublad.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>Het woordbestand "%1" kan niet worden gelezen: %2 Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>"%1" kan niet aan de woordenlijst worden toegevoegd. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>"%1" is uit de woordenlijst verwijderd; Ctrl+Z zet het terug.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>"%1" staat weer in de woordenlijst.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n item staat weer in de woordenlijst.</numerusform>
            <numerusform>%n items staan weer in de woordenlijst.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>De woordenlijst bevat weer de woorden van vóór de Build, plus de woorden die sindsdien zijn toegevoegd; de volgende Build breidt ze uit.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n woord toegevoegd uit "%1"</numerusform>
            <numerusform>%n woorden toegevoegd uit "%1"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; daarvan stond er %n al in de lijst.</numerusform>
            <numerusform>; daarvan stonden er %n al in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n item uit de woordenlijst weggehaald (de woorden van "%1"); Ctrl+Z zet het terug.</numerusform>
            <numerusform>%n items uit de woordenlijst weggehaald (de woorden van "%1"); Ctrl+Z zet ze terug.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1:%2: warning: %3</source>
        <translation>%1:%2: warning: %3</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... en nog %n</numerusform>
            <numerusform>... en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Deze regels van "%1" zijn niet uit de woordenlijst weggehaald:
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Deze regels van "%1" zijn niet aan de woordenlijst toegevoegd:
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Verwijderen ongedaan maken</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Terug naar de woorden</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Woorden uit een bestand toevoegen...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Woorden van een bestand weghalen...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Profiel openen...</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profiel opslaan</translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation>Profiel opslaan als...</translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation>Build met vervanging van het vorige filter</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Ook de schrijfwijzen bouwen die spelers typen</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; de volgende Build schrijft %n item</numerusform>
            <numerusform>; de volgende Build schrijft %n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
        </translation>
    </message>
</context>
</TS>
