<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Unbekannte Option „%1“; war „%2“ gemeint?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Unbekannte Sprache „%1“ in --language. Die Sprachen sind: %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Unbekannte Kategorie „%1“ in --category. Die Kategorien sind: %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Unbekannter Schweregrad „%1“ in --severity. Die Schweregrade sind: %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>Zeichen %1 ist ein doppeltes Anführungszeichen ("), das den Text in Anführungszeichen des Filtereintrags vorzeitig beenden würde.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>Zeichen %1 ist ein Steuerzeichen (%2), das ein Filtereintrag nicht enthalten kann.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>Zeichen %1, „%2“ (%3), lässt sich in der Codepage des Servers (Windows-1252) nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>Schreiben in „%1“ fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>„%1“ kann nicht geprüft werden: %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>„%1“ ist %2, keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>„%1“ kann nicht zum Anhängen geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>Zurücklesen von „%1“ fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>Kürzen von „%1“ fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>Entfernen von „%1“ fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ein Verzeichnis</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ein unbekannter Dateityp</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>„%1“ ist von einem anderen Programm gesperrt.</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Die Datei war nach %n Sekunde noch immer gesperrt.</numerusform>
            <numerusform>Die Datei war nach %n Sekunden noch immer gesperrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>Das Warten auf die Sperre von „%1“ wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>„%1“ kann nicht gesperrt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>Der Ordner von „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>„%1“ wurde ersetzt, während die Datei geöffnet wurde.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>„%1“ hat %n Namen (Hardlink); eine neue Datei an ihrer Stelle ließe den alten Inhalt unter den anderen Namen zurück. Die anderen Links entfernen, sodass die Datei nur einen Namen hat, oder mit einer Kopie arbeiten.</numerusform>
            <numerusform>„%1“ hat %n Namen (Hardlinks); eine neue Datei an ihrer Stelle ließe den alten Inhalt unter den anderen Namen zurück. Die anderen Links entfernen, sodass die Datei nur einen Namen hat, oder mit einer Kopie arbeiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>„%1“ darf von diesem Benutzer (%2) nicht geschrieben werden; ersetzt wird nur eine Datei, in die ihr Benutzer schreiben dürfte.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>„%1“ kann nicht ersetzt werden: %2 fehlgeschlagen: %3. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>„%1“ blieb unverändert.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>Prüfen der Datei</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>Anlegen der neuen Datei daneben</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>Schreiben der neuen Datei</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>Setzen der Zugriffsrechte der neuen Datei</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>Kopieren des erweiterten Attributs „%1“</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>Synchronisieren der neuen Datei</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>Benennen der neuen Datei</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>Sperren der neuen Datei</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>„%1“ kann nicht ersetzt werden: Ein anderes Programm hat die Datei während des Bereinigens umbenannt, entfernt oder ersetzt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>„%1“ kann nicht ersetzt werden: Ein anderes Programm hat die Datei während des Bereinigens geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>Öffnen der neuen Datei zum Anhängen</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>Umbenennen der neuen Datei auf ihren Namen</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>Die Datei blieb leer.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>Öffnen nicht möglich: %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>Das ist %1, keine reguläre Datei.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Lesen nicht möglich: Das ist ein FIFO, und kein Programm hat innerhalb von %n Sekunde hineingeschrieben.</numerusform>
            <numerusform>Lesen nicht möglich: Das ist ein FIFO, und kein Programm hat innerhalb von %n Sekunden hineingeschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>es ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>Das Verzeichnis „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>Das Verzeichnis „%1“ kann nicht verwendet werden: Es lässt sich nicht betreten.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>Benutzer-ID %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>„%1“ nicht gefunden: %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>„%1“ ist eine symbolische Verknüpfung von %2, einem anderen Konto: Einer Verknüpfung wird nur gefolgt, wenn sie diesem Benutzer oder root gehört. Das Programm als %2 ausführen oder die Datei angeben, auf die die Verknüpfung zeigt.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>„%1“ führt nicht mehr zu der geöffneten Datei: Ihr Ordner „%2“ wurde seitdem verschoben oder ersetzt (etwa durch eine symbolische Verknüpfung). Es wurde nichts geschrieben; um dort zu schreiben, die Datei erneut öffnen.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>„%1“ wurde während des Schreibens von jemand anderem geändert; die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2: %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>in ihrem Ordner kann keine neue Datei angelegt werden</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>der neue Inhalt kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>der neue Inhalt kann nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>die neue Datei kann ihren Namen nicht annehmen</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>„%1“ ist %2, keine reguläre Datei: Ein Build hängt nur an eine reguläre Datei an.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>Das Schreiben in „%1“ wurde abgebrochen.</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>„%1“ wurde verschoben oder ersetzt, während dieser Build hineinschrieb: Die Datei, die vorher dort lag und jetzt anders heißt, erhielt %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>„%1“ wurde von einem anderen Programm ersetzt, während dieser Build hineinschrieb: Die Datei, die vorher dort lag und nicht mehr existiert, erhielt %2.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>„%1“ wurde entfernt, während dieser Build hineinschrieb: Eine Datei, die nicht mehr existiert, erhielt %2.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>Die Datei erhielt nichts von diesem Build.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>„%1“ wurde ersetzt oder entfernt, während dieser Build hineinschrieb, daher wurde nichts gekürzt: Die Datei, die vorher dort lag, nicht die jetzige, erhielt %2.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Die Datei konnte nicht geprüft werden und wurde daher nicht gekürzt: Sie enthält ab Byte %2 noch %1.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, während dieser Build hineinschrieb, und wurde daher nicht gekürzt; die Datei enthält ab Byte %3 möglicherweise noch %2.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Die Datei lässt sich nicht zurücklesen, um sicherzustellen, dass sie mit den Bytes dieses Builds endet, und wurde daher nicht gekürzt: Sie enthält ab Byte %2 noch %1.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>Die Datei konnte nicht gekürzt werden (%1): Sie enthält ab Byte %3 noch %2.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>Die Bytes dieses Builds wurden aus der Datei herausgenommen, die er angelegt hatte; da diese Datei danach unter ihrem Pfad ersetzt wurde, wurde sie nicht entfernt.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>Die Datei, die dieser Build angelegt hatte, bleibt leer: Sie konnte nicht entfernt werden (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>Die Datei, die dieser Build angelegt hatte, wurde wieder entfernt.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>Die Datei blieb, wie sie vor diesem Build war.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>nichts von diesem Build</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>die Leerzeile dieses Builds und %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> und den Anfang einer weiteren Zeile</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Sprachen der eingebauten Einträge, durch Kommas getrennt. Die Codes: %1. Kann mehrfach angegeben werden; ohne die Option Englisch (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Kategorien der eingebauten Einträge, durch Kommas getrennt. Die Codes: %1. Kann mehrfach angegeben werden; ohne die Option alle Kategorien.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Nur die eingebauten Einträge ab Schweregrad LEVEL behalten. Die Stufen, von der mildesten an: %1; ohne die Option mild (alle Einträge).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>Die mehrdeutigen eingebauten Einträge weglassen. Sie haben in einer der Sprachen eine gängige harmlose Bedeutung: Englisch „hoe“ heißt auf Niederländisch „wie“.</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Durch Sternchen („***“) statt durch die Chiffre („t0w“) ersetzen. So oder so ist eine Ersetzung so lang wie ihr Text.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Auch die anderen Schreibweisen filtern, in denen Spieler die Wörter tippen. Ähnlich aussehende Zeichen („sh1t“, „$hit“), Wendungen Mit Großem Anfangsbuchstaben Bei Jedem Wort, Akzente als einfache Buchstaben („arschlocher“, „arschloecher“), der andere Apostroph: höchstens halb so viele Einträge zusätzlich, die meistgetippten Formen zuerst.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Den Filter ersetzen, den frühere Builds geschrieben haben. Seine Einträge (die, deren Ersetzung die Chiffre oder die Maske ihres Textes ist) werden aus der Datei entfernt, samt der Leerzeile eines Blocks, der ganz entfällt, und der neue Block kommt hinein.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Auch an eine Datei anhängen, die nach UTF-8 aussieht. Ohne die Option lehnt ein Build eine solche Datei ab: Der Server liest sie als Windows-1252, und die Windows-1252-Bytes des Builds würden sich mit ihrem UTF-8 mischen. Mit der Option warnt der Build und fährt fort.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>In DIR statt in das aktuelle Verzeichnis schreiben.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>Die Wörter aus FILE statt aus den eingebauten Listen nehmen. Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>Die Wörter aus FILE zur Liste hinzufügen. Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Das Profil FILE anwenden: +WORD fügt hinzu, -WORD nimmt heraus. Seine Zeilen WORD und +WORD fügen WORD hinzu, -WORD nimmt WORD heraus, Zeilen, die mit # beginnen, sind Kommentare.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>Die Wörter aus FILE aus der Liste herausnehmen (eine Positivliste). Sie entfallen wie die -WORD-Zeilen eines Profils. Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Die Standardeingabe („-“) kann nur einmal gelesen werden.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words ersetzt die eingebaute Liste; --language, --category, --severity und --no-ambiguous sind damit nicht kombinierbar.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>Die Variante „%1“ kann nicht in einen Filtereintrag geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>Die Ersetzung von „%1“ wäre mit dem Text identisch: Ein Filtereintrag ersetzt nur die Buchstaben A bis Z, a bis z sowie „$“, „.“, „-“ und „_“, und der Text enthält keines dieser Zeichen.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>Die Datei ist UTF-16, Wortdateien und Profile sind aber UTF-8; nichts davon wurde übernommen. Mit „iconv -f UTF-16 -t UTF-8 %1 &gt; %2“ umwandeln und stattdessen %2 angeben.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>Zeile %1 ist kein gültiges UTF-8, Wortdateien und Profile sind aber UTF-8; nichts von der Datei wurde übernommen. Ist sie Windows-1252 (oder Latin-1), mit „iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3“ umwandeln und stattdessen %3 angeben.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>Das Wort ist %1 Zeichen lang; ein Wort hat höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Auf ein „+“ oder „-“ muss ein Wort folgen.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>Die Zeile ist länger als %1 Bytes; sie enthält kein Wort, denn ein Wort hat höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>„%1“ nimmt nichts heraus: Kein Eintrag lautet „%2“.</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>„%1“ sieht nach UTF-8 aus, der Server liest die Datei aber als Windows-1252, und ein Build würde Windows-1252-Bytes hinzufügen. Eine Kopie aufbewahren und die Datei in ihrem Ordner mit „iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2“ umwandeln (siehe README) oder den Build mit --force-encoding ausführen, um trotzdem anzuhängen.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>„%1“ sieht nach UTF-8 aus, der Server liest die Datei aber als Windows-1252, und ein Build hängt Windows-1252-Bytes an. Die Datei nach Windows-1252 umwandeln (siehe README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>die Ersetzung „%1“ (%2 Zeichen) ist länger als ihr Text „%3“ (%4 Zeichen); ein solcher Eintrag kann den Server abstürzen lassen.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>widersprüchlich: Der Text „%1“ hat hier die Ersetzung „%2“, im Eintrag in Zeile %4 aber „%3“.</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>wiederholt den Eintrag in Zeile %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>die Zeile ist länger als %1 Bytes; sie wurde ungeprüft übersprungen.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>die Datei beginnt mit einer UTF-8-Bytereihenfolgemarkierung (BOM), die Windows-1252-Dateien nicht haben; der Server hält ihre drei Bytes womöglich für einen Teil der ersten Zeile.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>fehlerhafte Eintragszeile: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>Die Zeile enthält eine ungerade Anzahl doppelter Anführungszeichen (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>Auf die öffnende geschweifte Klammer muss ein Text in Anführungszeichen folgen.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>Die Ersetzung in Anführungszeichen fehlt.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>Auf den Text muss eine Ersetzung in Anführungszeichen folgen.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>Die schließende geschweifte Klammer fehlt.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>Die Zeile enthält mehr als zwei Texte in Anführungszeichen.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>Auf die Ersetzung muss eine schließende geschweifte Klammer folgen.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Auf die schließende geschweifte Klammer darf nur noch Leerraum folgen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>„%1“ hat sich während des Bereinigens geändert und blieb unverändert. Ein anderes Programm schrieb weiter hinein; erneut versuchen, sobald es damit fertig ist.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>der Filtereintrag von „%1“ (ersetzt durch „%2“).</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>die Leerzeile, die einen Block eröffnete, dessen Einträge alle entfallen.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: Die Zeile ist länger als %3 Bytes und damit zu lang, um unverändert erhalten zu bleiben; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Maximale Nutzung: 18 Varianten jedes Wortes statt 9. Die Varianten mit „?“ und „_“ kommen hinzu.</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>An localization.txt statt an badnames.txt anhängen.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Den Block ausgeben, statt ihn an eine Datei anzuhängen.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Den Build ohne die abgelehnten Wörter ausführen und diese als Warnungen auflisten.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>Nichts schreiben; ausgeben, was der Build schreiben würde. Die Einträge insgesamt und je Sprache sowie das, was --spellings hinzufügt.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>„%1“ ist von einem anderen Programm gesperrt; bis zu %n Sekunde wird auf die Freigabe gewartet.</numerusform>
            <numerusform>„%1“ ist von einem anderen Programm gesperrt; bis zu %n Sekunden wird auf die Freigabe gewartet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, ersetzt: %n früherer Filtereintrag</numerusform>
            <numerusform>, ersetzt: %n frühere Filtereinträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> und %n Leerzeile, die ihren Block eröffnete.</numerusform>
            <numerusform> und %n Leerzeilen, die ihre Blöcke eröffneten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 ist aktuell: Der Filter darin ist der, den dieser Build schreibt (%n Eintrag).</numerusform>
            <numerusform>%1 ist aktuell: Der Filter darin ist der, den dieser Build schreibt (%n Einträge).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>%n Eintrag in die Standardausgabe geschrieben.</numerusform>
            <numerusform>%n Einträge in die Standardausgabe geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>%n Eintrag in %1 geschrieben.</numerusform>
            <numerusform>%n Einträge in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag in %1 geschrieben</numerusform>
            <numerusform>%n Einträge in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>Würde %1 ändern</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Würde %n Eintrag in die Standardausgabe schreiben.</numerusform>
            <numerusform>Würde %n Einträge in die Standardausgabe schreiben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Würde %n Eintrag in %1 schreiben.</numerusform>
            <numerusform>Würde %n Einträge in %1 schreiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>eigene Wörter</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>Schreibweisen (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings würde hinzufügen</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout schreibt keine Datei; --dir, --localization und --replace sind damit nicht kombinierbar.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>Es gibt keine Wörter für einen Build: Die Wortliste ist leer. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>Schreiben in die Standardausgabe fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>Die Filtereinträge an badnames.txt oder localization.txt anhängen.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Erstellt den Filter wie der Build-Knopf des Fensters, nur ohne dessen Pause: eine Leerzeile, dann je Variante eine Eintragszeile { "Variante" "Ersetzung" }, angehängt an badnames.txt (der Server liest diese Datei nicht) oder, mit --localization, an localization.txt.

Die Wörter: die eingebaute Liste (oder die --words-Dateien), dann die --add-Dateien, dann die Ergänzungen des Profils; jedes Herausnehmen (die -WORD-Zeilen eines Profils, --except) kommt zuletzt. Wortdateien sind UTF-8, ein Wort pro Zeile, „-“ steht für die Standardeingabe. Ein abgelehntes Wort wird mit FILE:LINE genannt, und dann wird nichts geschrieben.

Eine Ersetzung hat immer die Länge ihres Textes: Eine längere kann den Server abstürzen lassen. Mit --replace werden die Einträge, die frühere Builds geschrieben haben (die, deren Ersetzung die Chiffre oder die Maske ihres Textes ist), aus der Datei entfernt, samt der Leerzeile eines Blocks, der ganz entfällt, und der neue Block kommt hinein, in einem einzigen atomaren Schritt. Bliebe die Datei dabei, wie sie ist (derselbe Build noch einmal), bleibt sie unberührt, auch ihre Änderungszeit, und build meldet, dass sie „aktuell“ ist.

Mit --dry-run wird nichts geschrieben und keine Datei gesperrt: build gibt die Zahl der Einträge aus, die es schreiben würde, dann die Einträge aus den Wörtern jeder Sprache (ein Wort, das zwei Sprachen gemeinsam haben, zählt in beiden) und aus den „eigenen Wörtern“, also denen, die kein gewählter eingebauter Eintrag sind; mit --replace danach „Würde FILE ändern“ oder „FILE ist aktuell“.

Exit-Status: 0 geschrieben oder aktuell; 1 ein Wort abgelehnt, keine Wörter oder die Datei nicht schreibbar; 2 eine falsche Befehlszeile oder eine unlesbare Wortdatei; 129, 130, 143 durch ein Signal abgebrochen, der Block zurückgenommen.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>Nur die gefährlichen und fehlerhaften Einträge und die Zusammenfassung ausgeben.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>Keine zu prüfende Datei angegeben.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Die Standardeingabe („-“) kann nur einmal gelesen werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>Die Datei sieht nach UTF-8 aus (jedes Nicht-ASCII-Zeichen darin ist gültiges UTF-8), der Server liest sie aber als Windows-1252: Diese Zeichen erscheinen im Spiel verstümmelt, und Einträge, die dieses Werkzeug anhängt, sind in Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>Die Datei mischt UTF-8 mit Windows-1252 (der Server liest sie ganz als Windows-1252, daher erscheint ihr UTF-8 verstümmelt): Dies ist ihre erste Zeile in Windows-1252, ihre erste Zeile in UTF-8 ist Zeile %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>Die Datei mischt UTF-8 mit Windows-1252 (der Server liest sie ganz als Windows-1252, daher erscheint ihr UTF-8 verstümmelt): Dies ist ihre erste Zeile in UTF-8, ihre erste Zeile in Windows-1252 ist Zeile %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>Einträge in Lokalisierungsdateien melden, die den Server abstürzen lassen können.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Liest Lokalisierungsdateien wie der Server (als Windows-1252) und prüft jede Eintragszeile { "Text" "Ersetzung" }; andere Zeilen bleiben unbeachtet. Jeder Befund geht als FILE:LINE: mit Schweregrad und Meldung in die Standardausgabe, danach folgt eine Zeile mit der Zusammenfassung:
  danger   eine Ersetzung, die länger als ihr Text ist: Sie kann den Server
           abstürzen lassen
  error    eine Eintragszeile, die sich nicht auswerten lässt, oder eine Zeile
           mit über %1 Bytes
  warning  eine Wiederholung eines früheren Eintrags oder ein Widerspruch zu
           ihm, eine Bytereihenfolgemarkierung, eine Datei, die nach UTF-8
           aussieht oder UTF-8 mit Windows-1252 mischt

Exit-Status: 0 nichts Gefährliches oder Fehlerhaftes (Warnungen zählen nicht); 1 etwas davon gefunden; 2 eine Datei nicht lesbar (die anderen werden dennoch geprüft) oder eine falsche Befehlszeile.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>Details: man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Mehr: „%1 --help“ und „man %2“.</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Aufruf: %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Erstellt den Chat-Wortfilter eines Spielservers ohne Fenster und prüft und bereinigt die Lokalisierungsdateien des Servers.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>„%1 COMMAND -h“ zeigt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>„%1 -h“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Eine kurze Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>Die vollständige Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Name und Version des Programms ausgeben und beenden.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Unbekannter Befehl „%1“; war „%2“ gemeint?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Abgebrochen durch %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Maximale Nutzung: 18 Varianten jedes Wortes statt 9 (auch mit „?“ und „_“).</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>Kein Wort angegeben.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>Das Wort „%1“ wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>Die Varianten von Wörtern mit ihren Ersetzungen ausgeben.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Schreibt jedes WORD klein und prüft es wie build, gibt dann jede Variante und ihre Ersetzung aus, durch einen Tabulator getrennt, ein Paar pro Zeile, in der Reihenfolge, in der build sie in die Filterdatei schreibt. Die Ausgabe ist UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Maximale Nutzung: die 18 Varianten jedes Wortes, wie build --max sie schreibt.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>eigene Wörter: %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>wie getippt: %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>die Chiffre von %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>die Maske (--mask) von %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>herausnehmen: die Zeile „-%1“ in einem Profil oder vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>Kein Text angegeben.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>und %n weiterer Eintrag</numerusform>
            <numerusform>und %n weitere Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>kein Eintrag der Wortliste ergibt diesen Text</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Anzeigen, welcher Eintrag einen im Chat gesehenen Text ergibt.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Gibt für jeden TEXT – den getippten Text („HOE!“) oder das, was die Spieler davon sehen (die Chiffre „T5W!“, die Maske „****“) – die Wörter der Wortliste aus, die ihn ergeben: jedes Wort mit Sprache, Kategorie, Schweregrad und „ambiguous“, wenn es auch eine harmlose Bedeutung hat („eigene Wörter“ und die Datei bei einem Wort aus --words, --add oder einem Profil), seine Varianten, die als der Text erscheinen, und die Zeile, die es herausnimmt. Die Wortoptionen sind die von build: Dieselben Optionen erklären denselben Build. Bei einem Text, den viele Einträge ergeben, werden die ersten 20 genannt und die übrigen gezählt.

Exit-Status: 0 jeder Text gefunden; 1 ein Text, den kein Eintrag ergibt, oder ein abgelehntes Wort; 2 eine falsche Befehlszeile oder eine unlesbare Wortdatei.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Jeden Eintrag mit Sprache, Kategorie, Schweregrad und Mehrdeutigkeit ausgeben, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>Die Codes der Sprachen, Kategorien und Schweregrade ausgeben.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long listet eingebaute Einträge auf; Wortdateien sind damit nicht kombinierbar.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts ausgegeben.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>Die eingebaute Wortliste ausgeben.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Gibt die eingebaute Wortliste aus, wie jeder Start des Fensters sie füllt und wie build sie ohne --words verwendet: kleingeschrieben, in Listenreihenfolge, ein Wort pro Zeile, in UTF-8. --language, --category, --severity und --no-ambiguous wählen ihre Einträge wie bei build und im Fenster.

Mit --words, --add, --profile oder --except gibt list die Wortliste aus, die build mit denselben Optionen verwenden würde (bei einem abgelehnten Wort oder einer unlesbaren Datei wird nichts ausgegeben und mit Status 1 bzw. 2 beendet, wie bei build).

Mit --long enthält jede Zeile einen Eintrag, seine Sprache, seine Kategorie, seinen Schweregrad (mild, strong oder severe) und „ambiguous“, wenn er in einer der Sprachen eine gängige harmlose Bedeutung hat (sonst „-“), durch Tabulatoren getrennt; ein Eintrag, den mehrere Sprachen oder Kategorien teilen, hat für jede eine eigene Zeile.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(Standardeingabe)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Auch Einträge entfernen, deren Ersetzung länger als ihr Text ist. Solche Einträge können den Server abstürzen lassen.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Auch die Filtereinträge von WORD entfernen. Das sind die seiner 18 Varianten und seiner Schreibweisen (--spellings), gleich welcher Build sie geschrieben hat, samt der Leerzeile eines Blocks, der ganz entfällt. Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Auch die Filtereinträge der Wörter aus FILE entfernen. Jedes Wort entfällt wie bei --drop-word. Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Auch alle Filtereinträge entfernen. Die Leerzeile eines Blocks, der ganz entfällt, entfällt mit: die Datei ohne den Filter dieses Werkzeugs.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Ausgeben, was entfernt würde, und nichts ändern. Jede Entfernung als FILE:LINE: Meldung.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Zusammenfassung: Wiederholungen entfernt %1, gefährliche entfernt %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, Filtereinträge entfernt %1, Leerzeilen entfernt %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, Zeilen behalten %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (Probelauf: Es wurde nichts geändert).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (nichts zu ändern).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>Keine zu bereinigende Datei angegeben.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Es kann nur eine Datei auf einmal bereinigt werden.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy schreibt eine Datei an Ort und Stelle neu; die Standardeingabe kann nicht bereinigt werden.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word „%1“: %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Ein Wort ist eine Textzeile.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>würde entfernen: </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Ohne --dry-run würde tidy nichts ändern.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>„%1“ entfernt nichts: In „%2“ steht kein Filtereintrag von „%1“.</translation>
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
        <translation>%1 kam zu spät, um „%2“ unverändert zu lassen: Die Datei war schon ersetzt, und tidy wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>Doppelte Einträge entfernen, die wiederholte Builds in einer Datei hinterlassen.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Schreibt FILE neu, ohne die Einträge, die einen früheren Eintrag exakt wiederholen, wie wiederholte Builds sie hinterlassen, und ohne das, was die Optionen zusätzlich entfernen; jede andere Zeile bleibt Byte für Byte erhalten. Die Datei wird ganz oder gar nicht ersetzt und behält Zugriffsrechte, Eigentümer, ACLs und erweiterte Attribute; eine symbolische Verknüpfung führt danach zur ersetzten Datei. Eine Datei mit weiteren Namen (Hardlinks) oder eine, in die der Benutzer nicht schreiben darf, wird abgelehnt, wenn sie geändert werden muss (mit --dry-run: eine Warnung), ebenso eine, in die gerade ein Build schreibt.

Exit-Status: 0 erledigt (auch wenn nichts zu entfernen war); 1 abgelehnt oder nicht ersetzbar; 2 nicht lesbar, eine Zeile zu lang zum Erhalten oder eine falsche Befehlszeile; 129, 130, 143 durch ein Signal abgebrochen, die Datei unverändert (ein Signal, das erst nach dem Ersetzen der Datei eintrifft, macht dieses nicht rückgängig: tidy meldet das und endet mit 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 Das Wort wird weggelassen.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>Die Wortliste hat Änderungen, die nicht im Profil „%1“ gespeichert sind. Vor dem Schließen des Fensters speichern?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Wörter einer Datei hinzufügen</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Wörter einer Datei herausnehmen</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Profil öffnen</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Vantro Schimpfwortfilter-Werkzeug</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Zu filternde Schimpfwörter</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Beliebige Wörter hinzufügen. Die Lokalisierung beachtet Groß/klein und muss exakt passen. Dann Build drücken.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>Verarbeite Wort</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>In die Lokalisierung schreiben </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Maximale Nutzung, Server lädt eventuell etwas langsamer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
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
        <translation>jedes Wort durch Sternchen (****) ersetzt</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>jedes Wort durch die Buchstaben der Chiffre ersetzt</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Hängt die Filtereinträge an %1 an, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>Die Filtereinträge früherer Builds werden zuvor herausgenommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n Eintrag in %1 geschrieben</numerusform>
            <numerusform>%n Einträge in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, ersetzt: %n früherer Filtereintrag,</numerusform>
            <numerusform>, ersetzt: %n frühere Filtereinträge,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n Eintrag an %1 angehängt</numerusform>
            <numerusform>%n Einträge an %1 angehängt</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Letzter Build: %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Build fertig: %1 %2. Die Wortliste zeigt jetzt die geschriebenen Varianten; ein zweiter Build würde sie erneut erweitern. „Zurück zu den Wörtern“ (Ctrl+R) holt die Wörter zurück.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>Verarbeite Wort %1 von %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>Build fehlgeschlagen</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>Der Filter früherer Builds war bereits aus %1 herausgenommen; der nächste Build, der den bisherigen Filter ersetzt, bringt das in Ordnung.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>Letzter Build fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>Build fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>Die Wortdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>Das Profil wurde nicht gespeichert: Zeile %1 von „%2“ ist kein UTF-8, und beim Speichern kämen UTF-8-Zeilen hinzu. Es wurde nichts geschrieben. Die Datei nach UTF-8 umwandeln und erneut öffnen oder das Profil in einer anderen Datei speichern.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>Das Profil wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>Das Profil wurde ohne das leere Wort in „%1“ gespeichert, da ein Profil es nicht enthalten kann; nach dem nächsten Start erneut hinzufügen.</translation>
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
        <translation>Anleitung

Wegen einer Sicherheitslücke, mit der sich Server abstürzen lassen, darf 
kein Eintrag der Lokalisierung länger sein als der Text, den er ersetzt.
Als Hilfe bei diesem Problem lassen sich hiermit die Wortfilter-Einträge 
für die eigene Lokalisierungsdatei zuschneiden und erstellen.

Zuerst können unten links Wörter zur Liste hinzugefügt werden; ein
Doppelklick auf ein Wort entfernt es aus der Liste. Danach ankreuzen, ob
in die Standard-Lokalisierungsdatei geschrieben werden soll. Falls nicht,
kommt der Text in eine Datei namens badnames.txt. Dort lässt er sich
weiter bearbeiten, ausschneiden und in die Lokalisierungsdatei einfügen.

Die andere Option fügt den Wörtern weitere Varianten hinzu, verlangsamt
aber auch den Start des Servers etwas.

Wer eigene Einträge von Hand einfügt, setzt sie hinter alle anderen
Einträge der Lokalisierung.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>„%1“ kann nicht geschrieben werden: Das ist %2; beim Start wird dort nur eine reguläre Datei neu geschrieben.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Name und Version des Programms ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Verwaltet die Wortliste des Chatfilters eines Spielservers und schreibt
dessen Einträge in badnames.txt (die der Server nicht liest) oder in
localization.txt im Arbeitsverzeichnis. Jeder Start schreibt dort
badword.txt neu. Details: man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Kann mehrfach angegeben werden. „Profil speichern“ (Ctrl+S) schreibt die Änderungen im Fenster in die zuletzt angegebene Datei FILE zurück.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>Es gibt keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); auf einem Rechner ohne Desktop vantro-filter verwenden.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>Die Wortdatei „%1“ kann nicht gelesen werden: %2 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>„%1“ kann nicht zur Wortliste hinzugefügt werden. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>„%1“ wurde aus der Wortliste entfernt; Ctrl+Z holt es zurück.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>„%1“ ist wieder in der Wortliste.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n Eintrag ist wieder in der Wortliste.</numerusform>
            <numerusform>%n Einträge sind wieder in der Wortliste.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>Die Wortliste enthält wieder die Wörter wie vor dem Build, samt den seither hinzugefügten; der nächste Build erweitert sie.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n Wort aus „%1“ hinzugefügt</numerusform>
            <numerusform>%n Wörter aus „%1“ hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; %n davon war bereits in der Liste.</numerusform>
            <numerusform>; %n davon waren bereits in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n Eintrag aus der Wortliste herausgenommen (die Wörter aus „%1“); Ctrl+Z holt ihn zurück.</numerusform>
            <numerusform>%n Einträge aus der Wortliste herausgenommen (die Wörter aus „%1“); Ctrl+Z holt sie zurück.</numerusform>
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
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Diese Zeilen aus „%1“ wurden nicht aus der Wortliste herausgenommen:
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Diese Zeilen aus „%1“ wurden nicht zur Wortliste hinzugefügt:
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Entfernen rückgängig machen</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Zurück zu den Wörtern</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Wörter aus einer Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Wörter einer Datei herausnehmen...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Profil öffnen...</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation>Profil speichern unter...</translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation>Build ersetzt den bisherigen Filter</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Build auch für die Schreibweisen der Spieler</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; der nächste Build schreibt %n Eintrag</numerusform>
            <numerusform>; der nächste Build schreibt %n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
</context>
</TS>
