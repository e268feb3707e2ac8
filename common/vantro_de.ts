<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: --drop-word %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: warning: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 came too late to leave "%2" as it was: it was replaced, and tidy finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each word replaced by stars (****)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: warning: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
