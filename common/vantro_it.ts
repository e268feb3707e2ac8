<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Opzione "%1" sconosciuta; forse intendevi "%2"?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Lingua "%1" sconosciuta in --language. Le lingue sono: %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Categoria "%1" sconosciuta in --category. Le categorie sono: %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Livello di gravità "%1" sconosciuto in --severity. I livelli sono: %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>Il carattere %1 è una virgoletta doppia ("), che chiuderebbe in anticipo il testo tra virgolette della voce di filtro.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>Il carattere %1 è un carattere di controllo (%2), che una voce di filtro non può contenere.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>Il carattere %1, "%2" (%3), non può essere scritto nella tabella codici del server (Windows-1252).</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>Scrittura in "%1" non riuscita: %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>Impossibile esaminare "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>"%1" è %2, non un file regolare.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>Impossibile aprire "%1" in modalità di aggiunta: %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Il file non è aperto</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>Rilettura di "%1" non riuscita: %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>Troncamento di "%1" non riuscito: %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>Rimozione di "%1" non riuscita: %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un collegamento simbolico</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una FIFO (pipe con nome)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>una directory</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non un file regolare</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>"%1" è bloccato da un altro programma.</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Era ancora bloccato dopo %n secondo.</numerusform>
            <numerusform>Era ancora bloccato dopo %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>L'attesa dello sblocco di "%1" è stata interrotta.</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>Impossibile bloccare "%1": %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>Impossibile aprire la cartella di "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>"%1" è stato sostituito mentre veniva aperto.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>"%1" ha %n nome (collegamenti fisici); un nuovo file al suo posto lascerebbe il vecchio contenuto sotto gli altri nomi. Rimuovi gli altri collegamenti e lascia al file un solo nome, oppure lavora su una copia.</numerusform>
            <numerusform>"%1" ha %n nomi (collegamenti fisici); un nuovo file al suo posto lascerebbe il vecchio contenuto sotto gli altri nomi. Rimuovi gli altri collegamenti e lascia al file un solo nome, oppure lavora su una copia.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>"%1" non è scrivibile da questo utente (%2); viene sostituito solo un file che l'utente può scrivere.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>Impossibile sostituire "%1": errore durante %2: %3. Il file è rimasto com'era.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>"%1" è rimasto com'era.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>l'esame del file</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>la creazione del nuovo file accanto all'originale</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>la scrittura del nuovo file</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>l'impostazione dei permessi del nuovo file</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>la copia dell'attributo esteso "%1"</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>la sincronizzazione del nuovo file</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>l'assegnazione del nome al nuovo file</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>il blocco del nuovo file</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>Impossibile sostituire "%1": un altro programma l'ha rinominato, rimosso o sostituito mentre veniva ripulito. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>Impossibile sostituire "%1": un altro programma l'ha modificato mentre veniva ripulito. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>l'apertura del nuovo file in modalità di aggiunta</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>la ridenominazione del nuovo file con il nome originale</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>Impossibile scrivere "%1": %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>Il file è rimasto vuoto.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>Impossibile aprire: %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>È %1, non un file regolare.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Impossibile leggere: è una FIFO e nessun programma vi ha scritto entro %n secondo.</numerusform>
            <numerusform>Impossibile leggere: è una FIFO e nessun programma vi ha scritto entro %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>non è una directory</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>Impossibile usare la directory "%1": %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>Impossibile usare la directory "%1": non è possibile accedervi.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>ID utente %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>Impossibile trovare "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>"%1" è un collegamento simbolico di %2, un altro account: un collegamento viene seguito solo se appartiene a questo utente o a root. Esegui il programma come %2, oppure indica il file a cui porta il collegamento.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>"%1" non porta più al file che era stato aperto: nel frattempo la sua cartella "%2" è stata spostata o sostituita (per esempio da un collegamento simbolico). Non è stato scritto nulla; apri di nuovo il file per scriverlo lì.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>"%1" è stato modificato da qualcun altro mentre veniva scritto; è stato lasciato com'è.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>Impossibile scrivere "%1": %2: %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>non è possibile creare un nuovo file nella sua cartella</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>non è possibile scrivere il nuovo contenuto</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>non è possibile salvare su disco il nuovo contenuto</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>il nuovo file non può prendere il suo nome</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>Impossibile scrivere "%1": %2.</translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n voce</numerusform>
            <numerusform>%n voci</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>"%1" è %2, non un file regolare: una creazione aggiunge voci solo a un file regolare.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>La scrittura in "%1" è stata interrotta.</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>"%1" è stato spostato o sostituito mentre questa creazione vi scriveva: quanto scritto (%2) è finito nel file che c'era prima, che ora ha un altro nome.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>"%1" è stato sostituito da un altro programma mentre questa creazione vi scriveva: quanto scritto (%2) è finito nel file che c'era prima, che non esiste più.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>"%1" è stato rimosso mentre questa creazione vi scriveva: quanto scritto (%2) è finito in un file che non esiste più.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>Non vi è finito nulla di questa creazione.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>"%1" è stato sostituito o rimosso mentre questa creazione vi scriveva, quindi non è stato troncato nulla: quanto scritto (%2) è finito nel file che c'era prima, non in quello che c'è ora.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Non è stato possibile esaminarlo, quindi non è stato troncato: quanto scritto (%1) vi resta, dal byte %2 in poi.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>"%1" è stato modificato da un altro programma mentre questa creazione vi scriveva, quindi non è stato troncato; potrebbe contenere ancora quanto scritto (%2), dal byte %3 in poi.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Non è possibile rileggerlo per verificare che termini con i byte di questa creazione, quindi non è stato troncato: quanto scritto (%1) vi resta, dal byte %2 in poi.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>Non è stato possibile troncarlo (%1): quanto scritto (%2) vi resta, dal byte %3 in poi.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>I byte di questa creazione sono stati tolti dal file, che prima non esisteva; nel frattempo però il file è stato sostituito nel suo percorso, quindi non è stato rimosso.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>Il file, che prima di questa creazione non esisteva, è rimasto vuoto: non è stato possibile rimuoverlo (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>Il file, che prima di questa creazione non esisteva, è stato di nuovo rimosso.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>Il file è rimasto com'era prima di questa creazione.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>niente di questa creazione</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>la riga vuota di questa creazione e %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> e l'inizio di un'altra riga</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Lingue delle voci integrate, separate da virgole. I codici: %1. Si può indicare più volte; senza, l'inglese (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Categorie delle voci integrate, separate da virgole. I codici: %1. Si può indicare più volte; senza, tutte le categorie.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Tiene solo le voci integrate di livello LEVEL e più gravi. I livelli, dal più lieve: %1; senza, mild (tutte le voci).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>Esclude le voci integrate ambigue. Hanno un comune significato innocuo in una delle lingue: l'inglese "hoe" in olandese vuol dire "come".</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Sostituisce con asterischi ("***") invece che con la cifratura ("t0w"). In entrambi i casi una sostituzione è lunga quanto il suo testo.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Filtra anche gli altri modi in cui i giocatori scrivono le parole. Caratteri somiglianti ("sh1t", "$hit"), frasi Con Le Iniziali Maiuscole, accenti come lettere semplici ("arschlocher", "arschloecher"), l'altro apostrofo: al massimo la metà di voci in più, prima le forme più digitate.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Sostituisce il filtro scritto dalle creazioni precedenti. Le sue voci (quelle la cui sostituzione è la cifratura o la maschera del loro testo) escono dal file, insieme alla riga vuota di ogni blocco che esce per intero, ed entra il nuovo blocco.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Aggiunge le voci anche a un file che sembra UTF-8. Senza questa opzione, la creazione rifiuta un file simile: il server lo legge come Windows-1252, e i byte Windows-1252 della creazione si mescolerebbero con il suo UTF-8. Con questa opzione, la creazione avvisa e prosegue.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>Scrive in DIR invece che nella directory corrente.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>Prende le parole da FILE invece che dagli elenchi integrati. Si può indicare più volte.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>Aggiunge all'elenco le parole di FILE. Si può indicare più volte.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Applica il profilo FILE: +WORD aggiunge, -WORD toglie. Le sue righe WORD e +WORD aggiungono WORD, -WORD toglie WORD, le righe che iniziano con # sono commenti.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>Toglie dall'elenco le parole di FILE (un elenco di parole consentite). Vengono tolte come con le righe -WORD di un profilo. Si può indicare più volte.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Lo standard input ("-") può essere letto una sola volta.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words sostituisce l'elenco integrato; --language, --category, --severity e --no-ambiguous non si possono combinare con essa.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>La variante "%1" non può essere scritta in una voce di filtro. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>La sostituzione di "%1" sarebbe uguale al testo: una voce di filtro sostituisce solo le lettere da A a Z, da a a z e "$", ".", "-" e "_", e il testo non ne contiene nessuno.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>Il file è UTF-16, ma i file di parole e i profili sono UTF-8; non ne è stato preso nulla. Convertilo con "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" e indica invece %2.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>La riga %1 non è UTF-8 valido, ma i file di parole e i profili sono UTF-8; non è stato preso nulla del file. Se è Windows-1252 (o Latin-1), convertilo con "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" e indica invece %3.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>La parola è lunga %1 caratteri; una parola ne contiene al massimo %2.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Un "+" o un "-" deve essere seguito da una parola.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Impossibile leggere: %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>La riga è più lunga di %1 byte; non può contenere una parola, che ha al massimo %2 caratteri.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>"%1" non toglie nulla: nessuna voce è "%2".</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>"%1" sembra UTF-8, ma il server lo legge come Windows-1252, e una creazione vi aggiungerebbe byte Windows-1252. Conservane una copia e convertilo nella sua cartella con "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (vedi il README), oppure crea il filtro con --force-encoding per aggiungere comunque le voci.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>"%1" sembra UTF-8, ma il server lo legge come Windows-1252, e una creazione vi aggiunge byte Windows-1252. Convertilo in Windows-1252 (vedi il README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>Impossibile aprire "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>la sostituzione "%1" (%2 caratteri) è più lunga del suo testo "%3" (%4 caratteri); una voce come questa può mandare in crash il server.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>in conflitto: il testo "%1" ha la sostituzione "%2" qui e "%3" nella voce della riga %4.</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>ripete la voce della riga %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>la riga è più lunga di %1 byte; è stata saltata senza controllarla.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>il file inizia con un BOM (byte order mark) UTF-8, che i file Windows-1252 non hanno; il server potrebbe prendere i suoi tre byte per parte della prima riga.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>riga di voce malformata: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Impossibile leggere: %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>La riga contiene un numero dispari di virgolette doppie (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>Dopo la graffa di apertura deve esserci un testo tra virgolette.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>Manca la sostituzione tra virgolette.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>Dopo il testo deve esserci una sostituzione tra virgolette.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>Manca la graffa di chiusura.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>La riga contiene più di due testi tra virgolette.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>Dopo la sostituzione deve esserci una graffa di chiusura.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Dopo la graffa di chiusura possono esserci solo spazi.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>"%1" è cambiato mentre veniva ripulito; è rimasto com'era. Un altro programma continuava a scriverci; riprova quando avrà finito.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>la voce di filtro di "%1" (che diventa "%2").</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>la riga vuota che apriva un blocco di cui vengono rimosse tutte le voci.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: La riga è più lunga di %3 byte, troppo lunga per essere mantenuta così com'è; non è stato cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Uso massimo: 18 varianti di ogni parola invece di 9. Si aggiungono anche le varianti con "?" e "_".</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>Aggiunge a localization.txt invece che a badnames.txt.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Stampa il blocco invece di aggiungerlo a un file.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Crea il filtro senza le parole rifiutate, elencandole come avvisi.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>Non scrive nulla; stampa cosa scriverebbe la creazione. Le voci in totale e per lingua, e cosa aggiunge --spellings.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>"%1" è bloccato da un altro programma; attesa dello sblocco per al massimo %n secondo.</numerusform>
            <numerusform>"%1" è bloccato da un altro programma; attesa dello sblocco per al massimo %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, sostituendo %n voce di filtro precedente</numerusform>
            <numerusform>, sostituendo %n voci di filtro precedenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> e %n riga vuota che apriva il suo blocco.</numerusform>
            <numerusform> e %n righe vuote che aprivano i loro blocchi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 è aggiornato: il suo filtro è quello che scrive questa creazione (%n voce).</numerusform>
            <numerusform>%1 è aggiornato: il suo filtro è quello che scrive questa creazione (%n voci).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>Scritta %n voce sullo standard output.</numerusform>
            <numerusform>Scritte %n voci sullo standard output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>Scritta %n voce in %1.</numerusform>
            <numerusform>Scritte %n voci in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Scritta %n voce in %1</numerusform>
            <numerusform>Scritte %n voci in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>Modificherebbe %1</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Scriverebbe %n voce sullo standard output.</numerusform>
            <numerusform>Scriverebbe %n voci sullo standard output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Scriverebbe %n voce in %1.</numerusform>
            <numerusform>Scriverebbe %n voci in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>le tue parole</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>grafie (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings aggiungerebbe</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argomento inatteso "%1".</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout non scrive alcun file; --dir, --localization e --replace non si possono combinare con essa.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>Non ci sono parole da cui creare il filtro: l'elenco delle parole è vuoto. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>Scrittura sullo standard output non riuscita: %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>Aggiunge le voci di filtro a badnames.txt o a localization.txt.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Crea il filtro come il pulsante Crea della finestra, senza le sue pause: una riga vuota, poi una riga di voce { "variante" "sostituzione" } per variante, aggiunte a badnames.txt (che il server non legge) o, con --localization, a localization.txt.

Le parole: l'elenco integrato (o i file di --words), poi i file di --add, poi le aggiunte del profilo; tutto ciò che viene tolto (le righe -WORD di un profilo, --except) viene per ultimo. I file di parole sono UTF-8, una parola per riga, "-" per lo standard input. Una parola rifiutata viene indicata con FILE:LINE, e allora non viene scritto nulla.

Una sostituzione ha sempre la lunghezza del suo testo: una più lunga può mandare in crash il server. Con --replace, le voci scritte dalle creazioni precedenti (quelle la cui sostituzione è la cifratura o la maschera del loro testo) escono dal file, insieme alla riga vuota di ogni blocco che esce per intero, ed entra il nuovo blocco, in un unico passo atomico. Se così il file resterebbe com'è (la stessa creazione ripetuta), non viene toccato, nemmeno nella data di modifica, e build dice che "è aggiornato".

Con --dry-run non viene scritto nulla e nessun file viene bloccato: build stampa il numero di voci che scriverebbe, poi le voci delle parole di ciascuna lingua (una parola comune a due lingue conta in entrambe) e quelle di "le tue parole", cioè le parole che non sono una voce integrata scelta; con --replace, poi "Modificherebbe FILE" o "FILE è aggiornato".

Stato di uscita: 0 scritto o aggiornato; 1 una parola rifiutata, nessuna parola, o il file non può essere scritto; 2 una riga di comando errata o un file di parole illeggibile; 129, 130, 143 interrotto da un segnale, con il blocco ritirato.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>Stampa solo le voci pericolose e malformate e il riepilogo.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>Non è stato indicato alcun file da controllare.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>Lo standard input ("-") può essere letto una sola volta.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>Il file sembra UTF-8 (ogni carattere non ASCII che contiene è UTF-8 valido), ma il server lo legge come Windows-1252: nel gioco quei caratteri appaiono storpiati, e le voci che questo strumento aggiunge sono in Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>Il file mescola UTF-8 e Windows-1252 (il server lo legge tutto come Windows-1252, quindi il suo UTF-8 appare storpiato): questa è la sua prima riga in Windows-1252, e la sua prima riga in UTF-8 è la riga %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>Il file mescola UTF-8 e Windows-1252 (il server lo legge tutto come Windows-1252, quindi il suo UTF-8 appare storpiato): questa è la sua prima riga in UTF-8, e la sua prima riga in Windows-1252 è la riga %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>Segnala le voci dei file di localizzazione che possono mandare in crash il server.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Legge i file di localizzazione come fa il server (Windows-1252) ed esamina ogni riga di voce { "testo" "sostituzione" }; le altre righe vengono ignorate. Ogni segnalazione va sullo standard output come FILE:LINE: seguito dalla sua gravità e dal messaggio, poi una riga di riepilogo:
  danger   una sostituzione più lunga del suo testo: può mandare in crash
           il server
  error    una riga di voce non interpretabile, o una riga di oltre %1
           byte
  warning  una ripetizione o un conflitto con una voce precedente, un BOM,
           un file che sembra UTF-8 o che mescola UTF-8 e Windows-1252

Stato di uscita: 0 niente di pericoloso o malformato (gli avvisi non contano); 1 qualcosa lo è; 2 un file non può essere letto (gli altri vengono comunque controllati) o una riga di comando errata.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>I dettagli: man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Altro: "%1 --help" e "man %2".</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Uso: %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Crea senza finestra il filtro delle parole della chat di un server di gioco, e controlla e ripulisce i file di localizzazione del server.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>Esegui "%1 COMMAND -h" per le opzioni di un comando.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>Prova "%1 -h" per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Mostra un breve aiuto ed esce.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>Mostra l'aiuto completo ed esce.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostra il nome e la versione del programma ed esce.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nessun comando indicato.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Comando "%1" sconosciuto.</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Comando "%1" sconosciuto; forse intendevi "%2"?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Interrotto da %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Uso massimo: 18 varianti di ogni parola invece di 9 (anche "?" e "_").</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>Nessuna parola indicata.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>La parola "%1" è stata rifiutata: %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>Stampa le varianti delle parole con le loro sostituzioni.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Converte in minuscolo e controlla ogni WORD come fa build, poi stampa ogni variante e la sua sostituzione, separate da una tabulazione, una coppia per riga, nell'ordine in cui build le scrive nel file del filtro. L'output è in UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Uso massimo: le 18 varianti di ogni parola, come le scrive build --max.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>le tue parole: %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>come digitato: %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>la cifratura di %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>la maschera (--mask) di %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>per toglierla: la riga "-%1" in un profilo, o vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>Nessun testo indicato.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>e %n altra voce</numerusform>
            <numerusform>e altre %n voci</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>nessuna voce dell'elenco delle parole produce questo testo</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Indica quale voce produce un testo visto in chat.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Per ogni TEXT, il testo digitato ("HOE!") o ciò che ne vedono i giocatori (la cifratura "T5W!", la maschera "****"), stampa le parole dell'elenco che lo producono: ogni parola con lingua, categoria, gravità e "ambiguous" se ha anche un significato innocuo ("le tue parole" e il file per una parola di --words, --add o di un profilo), le sue varianti che appaiono come il testo e la riga che la toglie. Le opzioni sulle parole sono quelle di build: le stesse opzioni spiegano la stessa creazione. Di un testo prodotto da molte voci vengono indicate le prime 20 e contate le altre.

Stato di uscita: 0 ogni testo trovato; 1 un testo che nessuna voce produce, o una parola rifiutata; 2 una riga di comando errata o un file di parole illeggibile.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Stampa ogni voce con lingua, categoria, gravità e se è ambigua, separate da tabulazioni.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>Stampa i codici delle lingue, delle categorie e delle gravità.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long elenca le voci integrate; i file di parole non si possono combinare con essa.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>Stampa l'elenco di parole integrato.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Stampa l'elenco di parole integrato così come lo riempie ogni avvio della finestra e come lo usa build senza --words: in minuscolo, nell'ordine dell'elenco, una parola per riga, in UTF-8. --language, --category, --severity e --no-ambiguous ne scelgono le voci come fanno per build e per la finestra.

Con --words, --add, --profile o --except, stampa l'elenco di parole che build userebbe con le stesse opzioni (con una parola rifiutata o un file illeggibile non stampa nulla ed esce con stato 1 o 2, come build).

Con --long, ogni riga contiene una voce, la sua lingua, la sua categoria, la sua gravità (mild, strong o severe) e "ambiguous" se ha un comune significato innocuo in una delle lingue ("-" altrimenti), separati da tabulazioni; una voce condivisa da più lingue o categorie ha una riga per ciascuna.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(standard input)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Rimuove anche le voci più lunghe del loro testo. La loro sostituzione è più lunga del testo, il che può mandare in crash il server.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Rimuove anche le voci di filtro di WORD. Sono quelle delle sue 18 varianti e delle sue grafie (--spellings), qualunque creazione le abbia scritte, insieme alla riga vuota di ogni blocco rimosso per intero. Si può indicare più volte.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Rimuove anche le voci di filtro delle parole di FILE. Ogni parola viene rimossa come con --drop-word. Si può indicare più volte.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Rimuove anche tutte le voci di filtro. Viene rimossa anche la riga vuota di ogni blocco rimosso per intero: resta il file senza il filtro di questo strumento.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Stampa cosa verrebbe rimosso senza cambiare nulla. Ogni rimozione come FILE:LINE: messaggio.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Riepilogo: ripetizioni rimosse %1, pericolose rimosse %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, voci di filtro rimosse %1, righe vuote rimosse %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, righe mantenute %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (prova: non è stato cambiato nulla).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (niente da cambiare).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>Non è stato indicato alcun file da ripulire.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Si può ripulire un solo file alla volta.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy riscrive un file sul posto; lo standard input non può essere ripulito.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word "%1": %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Una parola è una sola riga di testo.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>rimuoverebbe: </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Senza --dry-run, tidy non cambierebbe nulla.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>"%1" non rimuove nulla: in "%2" non c'è alcuna voce di filtro di "%1".</translation>
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
        <translation>%1 è arrivato troppo tardi per lasciare "%2" com'era: è stato sostituito, e tidy ha terminato.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>Rimuove le voci ripetute che più creazioni successive lasciano in un file.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Riscrive FILE senza le voci che ripetono esattamente una voce precedente, come le lasciano le creazioni ripetute, e senza ciò che le opzioni aggiungono da rimuovere; ogni altra riga resta identica byte per byte. Il file viene sostituito per intero o per niente, mantiene permessi, proprietario, ACL e attributi estesi, e un collegamento simbolico porta al file sostituito. Un file con altri nomi (collegamenti fisici) o che l'utente non può scrivere viene rifiutato quando va cambiato (con --dry-run: un avviso), e così pure un file in cui una creazione sta scrivendo.

Stato di uscita: 0 fatto (anche quando non c'era nulla da rimuovere); 1 rifiutato o impossibile da sostituire; 2 illeggibile, una riga troppo lunga da mantenere, o una riga di comando errata; 129, 130, 143 interrotto da un segnale, con il file com'era (un segnale che arriva quando il file è già stato sostituito non lo annulla: tidy lo dice ed esce con 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Si può indicare più volte.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 La parola viene esclusa.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>L'elenco delle parole ha modifiche non salvate nel profilo "%1". Salvarle prima di chiudere la finestra?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Aggiungi le parole di un file</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Togli le parole di un file</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Apri profilo</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Vantro Filtro Parolacce</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Elenco parolacce da filtrare</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Aggiungi tutte le parole che vuoi. La localizzazione distingue le maiuscole e richiede testi identici. Poi premi Crea.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>Scrivi nel file di localizzazione </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Uso massimo, può rallentare un po' il caricamento del server</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Crea</translation>
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
        <translation>ogni parola sostituita da asterischi (****)</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>ogni parola sostituita dalle lettere della cifratura</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Aggiunge le voci di filtro a %1, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>Le voci di filtro delle creazioni precedenti vengono prima tolte.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n voce scritta in %1</numerusform>
            <numerusform>%n voci scritte in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, sostituendo %n voce di filtro precedente,</numerusform>
            <numerusform>, sostituendo %n voci di filtro precedenti,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n voce aggiunta a %1</numerusform>
            <numerusform>%n voci aggiunte a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Ultima creazione: %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Creazione completata: %1 %2. L'elenco delle parole ora mostra le varianti scritte; una seconda creazione le espanderebbe di nuovo. Torna alle parole (Ctrl+R) ripristina le parole.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>Elaborazione parola %1 di %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>Creazione non riuscita</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>Il filtro delle creazioni precedenti era già stato tolto da %1; la prossima creazione che sostituisce il filtro precedente rimetterà le cose a posto.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>Ultima creazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>Creazione non riuscita: %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>Impossibile leggere il file di parole "%1": %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Impossibile leggere: %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>Il profilo non è stato salvato: la riga %1 di "%2" non è UTF-8, e il salvataggio vi affiancherebbe righe UTF-8. Non è stato scritto nulla. Converti il file in UTF-8 e riaprilo, oppure salva il profilo in un altro file.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>Il profilo non è stato salvato. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>Il profilo è stato salvato in "%1" senza la parola vuota, che un profilo non può contenere; aggiungila di nuovo dopo il prossimo avvio.</translation>
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
        <translation>Istruzioni

A causa di un exploit che manda in crash i server, nessuna voce di 
localizzazione può sostituire un testo con uno più lungo. Per aiutarti
con questo problema, puoi usare questo strumento per personalizzare e 
creare le voci del filtro di parole per il tuo file di localizzazione.

Per prima cosa puoi aggiungere parole all'elenco in basso a sinistra, o
fare doppio clic su una parola per rimuoverla dall'elenco. Poi scegli se
scrivere nel file di localizzazione predefinito. In caso contrario, il
testo verrà messo in un file chiamato badnames.txt. Potrai poi modificarlo
ancora e tagliare e incollare le voci nel tuo file di localizzazione.

L'altra opzione selezionabile aggiunge più varianti alle parole, ma
rallenta anche leggermente l'avvio del server.

Se tagli e incolli voci tue, mettile dopo tutte le altre voci di
localizzazione.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>Impossibile scrivere "%1": è %2; all'avvio viene riscritto lì solo un file regolare.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostra il nome e la versione del programma ed esce.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Gestisce l'elenco di parole del filtro della chat del server di gioco e
ne crea le voci in badnames.txt (che il server non legge) o in
localization.txt nella directory di lavoro. Ogni avvio vi riscrive
badword.txt. I dettagli: man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Si può indicare più volte. Salva profilo (Ctrl+S) riscrive le modifiche della finestra nell'ultimo FILE.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argomento inatteso "%1".</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>Non c'è uno schermo su cui mostrare la finestra (non è impostata né DISPLAY né WAYLAND_DISPLAY); su una macchina senza desktop, usa vantro-filter.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>Impossibile leggere il file di parole "%1": %2 Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>Impossibile aggiungere "%1" all'elenco delle parole. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>La parola "%1" è stata rimossa dall'elenco; Ctrl+Z la ripristina.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>La parola "%1" è di nuovo nell'elenco.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n voce è di nuovo nell'elenco delle parole.</numerusform>
            <numerusform>%n voci sono di nuovo nell'elenco delle parole.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>L'elenco contiene di nuovo le parole, come prima della creazione, con quelle aggiunte da allora; la prossima creazione le espande.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n parola aggiunta da "%1"</numerusform>
            <numerusform>%n parole aggiunte da "%1"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; di queste, %n era già nell'elenco.</numerusform>
            <numerusform>; di queste, %n erano già nell'elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n voce tolta dall'elenco delle parole (le parole di "%1"); Ctrl+Z la ripristina.</numerusform>
            <numerusform>%n voci tolte dall'elenco delle parole (le parole di "%1"); Ctrl+Z le ripristina.</numerusform>
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
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e %n altra</numerusform>
            <numerusform>... e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Queste righe di "%1" non sono state tolte dall'elenco delle parole:
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Queste righe di "%1" non sono state aggiunte all'elenco delle parole:
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Annulla rimozione</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Torna alle parole</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Aggiungi parole da un file...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Togli le parole di un file...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Apri profilo...</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation>Salva profilo come...</translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation>Crea, sostituendo il filtro precedente</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Crea anche le grafie digitate dai giocatori</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; la prossima creazione scrive %n voce</numerusform>
            <numerusform>; la prossima creazione scrive %n voci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
</context>
</TS>
