<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Opción desconocida "%1"; ¿quiso decir "%2"?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Idioma desconocido "%1" en --language. Los idiomas son: %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Categoría desconocida "%1" en --category. Las categorías son: %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Gravedad desconocida "%1" en --severity. Los niveles de gravedad son: %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>El carácter %1 es una comilla doble ("), que cerraría antes de tiempo el texto entre comillas de la entrada de filtro.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>El carácter %1 es un carácter de control (%2), que una entrada de filtro no puede contener.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>El carácter %1, "%2" (%3), no se puede escribir en la página de códigos del servidor (Windows-1252).</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>Falló la escritura en "%1": %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>No se puede examinar "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>"%1" es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>No se puede abrir "%1" para añadir: %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>El archivo no está abierto</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>Falló la relectura de "%1": %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>Falló el recorte de "%1": %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>Falló la eliminación de "%1": %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una FIFO (tubería con nombre)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un directorio</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>otro tipo de archivo</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>Otro programa tiene bloqueado "%1".</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Seguía bloqueado al cabo de %n segundo.</numerusform>
            <numerusform>Seguía bloqueado al cabo de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>Se detuvo la espera del bloqueo de "%1".</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>No se puede bloquear "%1": %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>No se puede abrir la carpeta de "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>"%1" se reemplazó mientras se abría.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>"%1" tiene %n nombre (enlace duro); un archivo nuevo en su lugar dejaría el contenido antiguo bajo los demás. Elimine los otros enlaces y déjele un solo nombre, o trabaje sobre una copia.</numerusform>
            <numerusform>"%1" tiene %n nombres (enlaces duros); un archivo nuevo en su lugar dejaría el contenido antiguo bajo los demás. Elimine los otros enlaces y déjele un solo nombre, o trabaje sobre una copia.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>Este usuario no puede escribir en "%1" (%2); solo se reemplaza un archivo en el que su usuario podría escribir.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>No se puede reemplazar "%1": error al %2: %3. El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>"%1" quedó como estaba.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>examinar el archivo</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>crear el archivo nuevo a su lado</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>escribir el archivo nuevo</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>fijar los permisos del archivo nuevo</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>copiar el atributo extendido "%1"</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>sincronizar el archivo nuevo</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>dar nombre al archivo nuevo</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>bloquear el archivo nuevo</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>No se puede reemplazar "%1": otro programa lo renombró, eliminó o reemplazó mientras se limpiaba. No se cambió nada.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>No se puede reemplazar "%1": otro programa lo modificó mientras se limpiaba. No se cambió nada.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>abrir el archivo nuevo para añadir</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>dar al archivo nuevo su nombre definitivo</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>No se puede escribir "%1": %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>El archivo quedó vacío.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>No se puede abrir: %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>Es %1, no un archivo normal.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>No se puede leer: es una FIFO y ningún programa escribió en ella en %n segundo.</numerusform>
            <numerusform>No se puede leer: es una FIFO y ningún programa escribió en ella en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>no es un directorio</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>No se puede usar el directorio "%1": %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>No se puede usar el directorio "%1": no se puede entrar en él.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>ID de usuario %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>No se encuentra "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>"%1" es un enlace simbólico de %2, otra cuenta: solo se sigue un enlace si es de este usuario o de root. Ejecute el programa como %2 o indique el archivo al que lleva el enlace.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>"%1" ya no lleva al archivo que se abrió: su carpeta "%2" se movió o se reemplazó desde entonces (por un enlace simbólico, por ejemplo). No se escribió nada; vuelva a abrir el archivo para escribirlo allí.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>Alguien más modificó "%1" mientras se escribía; se dejó tal como está.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>No se puede escribir "%1": %2: %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>no se puede crear un archivo nuevo en su carpeta</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>no se puede escribir el contenido nuevo</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>no se puede guardar el contenido nuevo en el disco</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>el archivo nuevo no puede tomar su nombre</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>No se puede escribir "%1": %2.</translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>"%1" es %2, no un archivo normal: una creación solo añade a un archivo normal.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>Se detuvo la escritura en "%1".</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>"%1" se movió o se reemplazó mientras esta creación escribía en él: el archivo que había allí antes, que ahora tiene otro nombre, recibió %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>Otro programa reemplazó "%1" mientras esta creación escribía en él: el archivo que había allí antes, que ya no existe, recibió %2.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>"%1" se eliminó mientras esta creación escribía en él: un archivo que ya no existe recibió %2.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>No recibió nada de esta creación.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>"%1" se reemplazó o se eliminó mientras esta creación escribía en él, así que no se recortó nada: el archivo que había allí antes, no el que hay ahora, recibió %2.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>No se pudo examinar, así que no se recortó: en él siguen %1, desde el byte %2.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>Otro programa modificó "%1" mientras esta creación escribía en él, así que no se recortó; puede que aún contenga %2, desde el byte %3.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>No se puede releer para comprobar que termina con los bytes de esta creación, así que no se recortó: en él siguen %1, desde el byte %2.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>No se pudo recortar (%1): en él siguen %2, desde el byte %3.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>Los bytes de esta creación se quitaron del archivo que había generado, que luego se reemplazó en su ruta, así que no se eliminó.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>El archivo que había generado esta creación queda vacío: no se pudo eliminar (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>El archivo que había generado esta creación se eliminó de nuevo.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>El archivo quedó como estaba antes de esta creación.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>cero bytes de esta creación</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>la línea vacía de esta creación y %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> y el comienzo de una línea más</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Idiomas de las entradas integradas, separados por comas. Los códigos: %1. Puede indicarse más de una vez; si no se indica, inglés (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Categorías de las entradas integradas, separadas por comas. Los códigos: %1. Puede indicarse más de una vez; si no se indica, todas las categorías.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Conservar solo las entradas integradas de gravedad LEVEL o mayor. Los niveles, del más leve al más grave: %1; si no se indica, mild (todas las entradas).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>Omitir las entradas integradas ambiguas. Tienen un significado inofensivo habitual en alguno de los idiomas: el inglés "hoe" significa "cómo" en neerlandés.</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Reemplazar con asteriscos ("***"), no con el cifrado ("t0w"). En ambos casos, un reemplazo es tan largo como su texto.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Filtrar también las otras grafías con que los jugadores escriben las palabras. Caracteres parecidos ("sh1t", "$hit"), frases Con Mayúscula En Cada Palabra, acentos como letras simples ("arschlocher", "arschloecher"), el otro apóstrofo: como mucho la mitad más de entradas, primero las grafías más frecuentes.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Reemplazar el filtro que escribieron creaciones anteriores. Sus entradas (aquellas cuyo reemplazo es el cifrado o la máscara de su texto) salen del archivo, junto con la línea vacía de cada bloque que sale entero, y entra el bloque nuevo.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Añadir también a un archivo que parece UTF-8. Sin esta opción, una creación rechaza ese archivo: el servidor lo lee como Windows-1252, y los bytes Windows-1252 de la creación se mezclarían con su UTF-8. Con ella, la creación avisa y continúa.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>Escribir en DIR en lugar de en el directorio actual.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>Tomar las palabras de FILE en lugar de las listas integradas. Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>Añadir a la lista las palabras de FILE. Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Aplicar el perfil FILE: +WORD añade, -WORD quita. Sus líneas WORD y +WORD añaden WORD, -WORD quita WORD, y las líneas que empiezan por # son comentarios.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>Quitar de la lista las palabras de FILE (una lista de permitidas). Se quitan como con las líneas -WORD de un perfil. Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>La entrada estándar ("-") solo puede leerse una vez.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words reemplaza la lista integrada; --language, --category, --severity y --no-ambiguous no pueden usarse con ella.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>La variante "%1" no puede escribirse en una entrada de filtro. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>El reemplazo de "%1" sería igual que el texto: una entrada de filtro solo reemplaza las letras de A a Z y de a a z, y "$", ".", "-" y "_", y no contiene ninguno de ellos.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>El archivo está en UTF-16, pero los archivos de palabras y los perfiles son UTF-8; no se tomó nada de él. Conviértalo con "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" e indique %2 en su lugar.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>La línea %1 no es UTF-8 válido, pero los archivos de palabras y los perfiles son UTF-8; no se tomó nada del archivo. Si está en Windows-1252 (o Latin-1), conviértalo con "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" e indique %3 en su lugar.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>La palabra tiene %1 caracteres; una palabra tiene como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Un "+" o un "-" necesita una palabra detrás.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>La línea ocupa más de %1 bytes; no es una palabra, pues una palabra tiene como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>"%1" no quita nada: ninguna entrada es "%2".</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>"%1" parece UTF-8, pero el servidor lo lee como Windows-1252, y una creación le añadiría bytes Windows-1252. Guarde una copia y conviértalo en su carpeta con "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (véase el README), o use build con --force-encoding para añadir de todos modos.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>"%1" parece UTF-8, pero el servidor lo lee como Windows-1252, y una creación le añade bytes Windows-1252. Conviértalo a Windows-1252 (véase el README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>No se puede abrir "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>el reemplazo "%1" (%2 caracteres) es más largo que su texto "%3" (%4 caracteres); una entrada así puede colgar el servidor.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>en conflicto: el texto "%1" tiene aquí el reemplazo "%2" y "%3" en la entrada de la línea %4.</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>repite la entrada de la línea %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>la línea ocupa más de %1 bytes; se omitió sin comprobarla.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>el archivo empieza con una marca de orden de bytes UTF-8, que los archivos Windows-1252 no tienen; el servidor puede tomar sus tres bytes como parte de la primera línea.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>línea de entrada mal formada: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>La línea tiene un número impar de comillas dobles (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>Tras la llave de apertura debe ir un texto entre comillas.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>Falta el reemplazo entre comillas.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>Tras el texto debe ir un reemplazo entre comillas.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>Falta la llave de cierre.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>La línea tiene más de dos textos entre comillas.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>Tras el reemplazo debe ir una llave de cierre.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Tras la llave de cierre solo puede haber espacios en blanco.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>"%1" cambió mientras se limpiaba; se dejó como estaba. Otro programa siguió escribiendo en él; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>la entrada de filtro de "%1" (con el reemplazo "%2").</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>la línea vacía que abría un bloque del que salen todas las entradas.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: La línea ocupa más de %3 bytes, demasiado para conservarla tal cual; no se cambió nada.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Uso máximo: 18 variantes de cada palabra en lugar de 9. También entran las variantes con "?" y "_".</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>Añadir a localization.txt en lugar de a badnames.txt.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Mostrar el bloque en lugar de añadirlo a un archivo.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Crear sin las palabras rechazadas y listarlas como avisos.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>No escribir nada; mostrar lo que escribiría la creación. Las entradas en total y por idioma, y lo que añade --spellings.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>Otro programa tiene bloqueado "%1"; se esperará hasta %n segundo a que lo libere.</numerusform>
            <numerusform>Otro programa tiene bloqueado "%1"; se esperará hasta %n segundos a que lo libere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, reemplazando %n entrada de filtro anterior</numerusform>
            <numerusform>, reemplazando %n entradas de filtro anteriores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> y %n línea vacía que abría su bloque.</numerusform>
            <numerusform> y %n líneas vacías que abrían sus bloques.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 está al día: su filtro es el que escribe esta creación (%n entrada).</numerusform>
            <numerusform>%1 está al día: su filtro es el que escribe esta creación (%n entradas).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>Se escribió %n entrada en la salida estándar.</numerusform>
            <numerusform>Se escribieron %n entradas en la salida estándar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>Se escribió %n entrada en %1.</numerusform>
            <numerusform>Se escribieron %n entradas en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Se escribió %n entrada en %1</numerusform>
            <numerusform>Se escribieron %n entradas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>Se cambiaría %1</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Se escribiría %n entrada en la salida estándar.</numerusform>
            <numerusform>Se escribirían %n entradas en la salida estándar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Se escribiría %n entrada en %1.</numerusform>
            <numerusform>Se escribirían %n entradas en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>sus palabras</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>grafías (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings añadiría</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argumento inesperado "%1".</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout no escribe ningún archivo; --dir, --localization y --replace no pueden usarse con ella.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>No hay palabras con las que crear el filtro: la lista de palabras está vacía. No se escribió nada.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>Falló la escritura en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>Añadir las entradas de filtro a badnames.txt o a localization.txt.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Crea el filtro como el botón Crear de la ventana, sin su pausa: una línea vacía y luego una línea de entrada { "variant" "replacement" } por variante, añadidas a badnames.txt (el servidor no lo lee) o, con --localization, a localization.txt.

Las palabras: la lista integrada (o los archivos de --words), luego los archivos de --add y luego lo que añade el perfil; todo lo que se quita (las líneas -WORD de un perfil, --except) va al final. Los archivos de palabras son UTF-8, una palabra por línea, "-" para la entrada estándar. Una palabra rechazada se indica con FILE:LINE, y entonces no se escribe nada.

Un reemplazo siempre tiene la longitud de su texto: uno más largo puede colgar el servidor. Con --replace, las entradas que escribieron creaciones anteriores (aquellas cuyo reemplazo es el cifrado o la máscara de su texto) salen del archivo, junto con la línea vacía de cada bloque que sale entero, y entra el bloque nuevo, en un solo paso atómico. Cuando eso dejaría el archivo tal como está (la misma creación repetida), no se toca, ni siquiera su fecha de modificación, y build dice que "está al día".

Con --dry-run no se escribe nada ni se bloquea ningún archivo: build muestra el número de entradas que escribiría, luego las entradas de las palabras de cada idioma (una palabra que comparten dos idiomas cuenta en ambos) y de "sus palabras", las que no son ninguna entrada integrada elegida; con --replace, después "Se cambiaría FILE" o "FILE está al día".

Estado de salida: 0 escrito o al día; 1 una palabra rechazada, ninguna palabra o no se puede escribir el archivo; 2 una línea de comandos incorrecta o un archivo de palabras ilegible; 129, 130, 143 detenido por una señal, con el bloque retirado.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>Mostrar solo las entradas peligrosas y las mal formadas, y el resumen.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>No se indicó ningún archivo que comprobar.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>La entrada estándar ("-") solo puede leerse una vez.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>El archivo parece UTF-8 (todo carácter no ASCII que contiene es UTF-8 válido), pero el servidor lo lee como Windows-1252: esos caracteres se ven corruptos en el juego, y las entradas que añade esta herramienta están en Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>El archivo mezcla UTF-8 con Windows-1252 (el servidor lo lee todo como Windows-1252, así que su UTF-8 se ve corrupto): esta es su primera línea en Windows-1252, y su primera línea en UTF-8 es la línea %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>El archivo mezcla UTF-8 con Windows-1252 (el servidor lo lee todo como Windows-1252, así que su UTF-8 se ve corrupto): esta es su primera línea en UTF-8, y su primera línea en Windows-1252 es la línea %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>Informar de las entradas de los archivos de localización que pueden colgar el servidor.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Lee los archivos de localización como el servidor (Windows-1252) y examina cada línea de entrada { "text" "replacement" }; las demás líneas no se tocan. Cada hallazgo va a la salida estándar como FILE:LINE: seguido de su gravedad y su mensaje, y al final una línea de resumen:
  danger   un reemplazo más largo que su texto: puede colgar el servidor
  error    una línea de entrada que no se puede analizar, o una línea de más
           de %1 bytes
  warning  una repetición o un conflicto con una entrada anterior, una marca
           de orden de bytes, un archivo que parece UTF-8 o que mezcla UTF-8
           con Windows-1252

Estado de salida: 0 nada peligroso ni mal formado (los avisos no cuentan); 1 hay algo; 2 no se puede leer un archivo (los demás se comprueban igualmente) o una línea de comandos incorrecta.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>Detalles: man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Más: "%1 --help" y "man %2".</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Uso: %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Crea el filtro de palabras del chat de un servidor de juego sin ventana, y comprueba y limpia los archivos de localización del servidor.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>Ejecute "%1 COMMAND -h" para ver las opciones de un comando.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>Pruebe "%1 -h" para más información.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Mostrar una ayuda breve y salir.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>Mostrar la ayuda completa y salir.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostrar el nombre y la versión del programa y salir.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No se indicó ningún comando.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Comando desconocido "%1".</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Comando desconocido "%1"; ¿quiso decir "%2"?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Detenido por %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Uso máximo: 18 variantes de cada palabra en lugar de 9 (también "?" y "_").</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>No se indicó ninguna palabra.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>Se rechaza la palabra "%1": %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>Mostrar las variantes de las palabras con sus reemplazos.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Pasa a minúsculas y comprueba cada WORD como hace build, y luego muestra cada variante y su reemplazo, separados por un tabulador, un par por línea, en el orden en que build los escribe en el archivo del filtro. La salida está en UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Uso máximo: las 18 variantes de cada palabra, como las escribe build --max.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>sus palabras: %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>tal como se escribe: %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>el cifrado de %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>la máscara (--mask) de %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>para quitarla: la línea "-%1" en un perfil, o vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>No se indicó ningún texto.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>y %n entrada más</numerusform>
            <numerusform>y %n entradas más</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>ninguna entrada de la lista de palabras produce este texto</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Indicar qué entrada produce un texto visto en el chat.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Para cada TEXT, el texto escrito ("HOE!") o lo que los jugadores ven de él (el "T5W!" del cifrado, el "****" de la máscara), muestra las palabras de la lista de palabras que lo producen: cada palabra con su idioma, categoría, gravedad y "ambiguous" cuando también tiene un significado inofensivo ("sus palabras" y el archivo, para una palabra de --words, --add o un perfil), sus variantes que se ven como el texto y la línea que la quita. Las opciones de palabras son las de build: las mismas opciones explican la misma creación. De un texto que producen muchas entradas se nombran las 20 primeras y se cuentan las demás.

Estado de salida: 0 se encontraron todos los textos; 1 un texto que ninguna entrada produce, o una palabra rechazada; 2 una línea de comandos incorrecta o un archivo de palabras ilegible.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Mostrar cada entrada con su idioma, categoría, gravedad y si es ambigua, separados por tabuladores.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>Mostrar los códigos de idioma, de categoría y de gravedad.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long lista entradas integradas; no puede usarse con archivos de palabras.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>No se mostró nada.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>Mostrar la lista de palabras integrada.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Muestra la lista de palabras integrada tal como la carga la ventana en cada inicio y como la usa build sin --words: en minúsculas, en orden de lista, una palabra por línea, en UTF-8. --language, --category, --severity y --no-ambiguous eligen sus entradas igual que para build y la ventana.

Con --words, --add, --profile o --except, muestra la lista de palabras que usaría build con las mismas opciones (con una palabra rechazada o un archivo ilegible no muestra nada y sale con estado 1 o 2, como build).

Con --long, cada línea contiene una entrada, su idioma, su categoría, su gravedad (mild, strong o severe) y "ambiguous" cuando tiene un significado inofensivo habitual en alguno de los idiomas ("-" si no), separados por tabuladores; una entrada que comparten varios idiomas o categorías tiene una línea para cada uno.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(entrada estándar)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Eliminar también las entradas más largas que su texto. Su reemplazo es más largo que su texto, lo que puede colgar el servidor.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Eliminar también las entradas de filtro de WORD. Son las de sus 18 variantes y sus grafías (--spellings), sea cual sea la creación que las escribió, junto con la línea vacía de cada bloque que sale entero. Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Eliminar también las entradas de filtro de las palabras de FILE. Cada palabra sale como con --drop-word. Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Eliminar también todas las entradas de filtro. También sale la línea vacía de cada bloque que sale entero: el archivo queda sin el filtro de esta herramienta.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Mostrar lo que se eliminaría sin cambiar nada. Cada eliminación como FILE:LINE: mensaje.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Resumen: repeticiones eliminadas %1, peligrosas eliminadas %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, entradas de filtro eliminadas %1, líneas vacías eliminadas %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, líneas conservadas %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (simulación: no se cambió nada).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (nada que cambiar).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>No se indicó ningún archivo que limpiar.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Solo se puede limpiar un archivo cada vez.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy reescribe un archivo en su sitio; la entrada estándar no se puede limpiar.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word "%1": %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Una palabra es una línea de texto.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>eliminaría: </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Sin --dry-run, tidy no cambiaría nada.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>"%1" no elimina nada: no hay ninguna entrada de filtro de "%1" en "%2".</translation>
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
        <translation>%1 llegó demasiado tarde para dejar "%2" como estaba: ya se había reemplazado, y tidy terminó.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>Eliminar las entradas repetidas que dejan en un archivo las creaciones repetidas.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Reescribe FILE sin las entradas que repiten exactamente una entrada anterior, como las que dejan las creaciones repetidas, y sin lo que las opciones añadan a la limpieza; todas las demás líneas se mantienen byte a byte. El archivo se reemplaza entero o no se reemplaza, conserva sus permisos, propietario, ACL y atributos extendidos, y un enlace simbólico lleva al archivo reemplazado. Un archivo con otros nombres (enlaces duros) o en el que el usuario no puede escribir se rechaza cuando necesita un cambio (con --dry-run: un aviso), y también uno en el que esté escribiendo una creación.

Estado de salida: 0 hecho (también cuando no había nada que eliminar); 1 rechazado o no se puede reemplazar; 2 ilegible, una línea demasiado larga para conservarla o una línea de comandos incorrecta; 129, 130, 143 detenido por una señal, con el archivo como estaba (una señal que llega una vez reemplazado el archivo no lo deshace: tidy lo indica y termina con 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Puede indicarse más de una vez.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 Se omite la palabra.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>La lista de palabras tiene cambios que no se han guardado en el perfil "%1". ¿Guardarlos antes de cerrar la ventana?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Añadir las palabras de un archivo</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Quitar las palabras de un archivo</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Abrir perfil</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Herramienta Vantro de filtro de palabrotas</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Lista de palabrotas a filtrar</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Añada las palabras que quiera. La localización distingue mayúsculas y exige coincidencia exacta. Luego pulse Crear.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>Palabra en curso</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>Escribir en localization.txt </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Uso máximo, el servidor puede tardar algo más en cargar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Crear</translation>
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
        <translation>cada palabra reemplazada por asteriscos (****)</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>cada palabra reemplazada por las letras del cifrado</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Añade las entradas de filtro a %1, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>Antes se quitan las entradas de filtro de creaciones anteriores.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n entrada escrita en %1</numerusform>
            <numerusform>%n entradas escritas en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, reemplazando %n entrada de filtro anterior,</numerusform>
            <numerusform>, reemplazando %n entradas de filtro anteriores,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n entrada añadida a %1</numerusform>
            <numerusform>%n entradas añadidas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Última creación: %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Creación terminada: %1 %2. La lista de palabras muestra ahora las variantes escritas; una segunda creación volvería a expandirlas. Volver a las palabras (Ctrl+R) recupera las palabras.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>Procesando palabra %1 de %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>Falló la creación</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>El filtro de creaciones anteriores ya se había quitado de %1; la próxima creación que reemplace el filtro anterior lo corregirá.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>Falló la última creación: %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>Falló la creación: %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>No se puede leer el archivo de palabras "%1": %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>No se guardó el perfil: la línea %1 de "%2" no es UTF-8, y al guardar quedarían líneas UTF-8 junto a ella. No se escribió nada. Convierta el archivo a UTF-8 y vuelva a abrirlo, o guarde el perfil en otro archivo.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>No se guardó el perfil. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>El perfil se guardó en "%1" sin la palabra vacía, que un perfil no puede contener; vuelva a añadirla después del próximo inicio.</translation>
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
        <translation>Instrucciones

Debido a un fallo que permite colgar servidores, ninguna entrada de la 
localización puede ser más larga que el texto que modifica. Para ayudar
con este problema, puede usar esta herramienta para adaptar y crear las 
entradas del filtro de palabras de su archivo de localización.

Primero puede añadir palabras a la lista desde abajo a la izquierda, o
hacer doble clic en una palabra para eliminarla de la lista. Después
marque si quiere escribir en el archivo de localización predeterminado
(localization.txt). Si no, el texto se guardará en un archivo llamado
badnames.txt, que luego podrá editar para cortar y pegar las entradas en
su archivo de localización.

La otra opción seleccionable añade más variantes a las palabras, pero
también hace que el servidor arranque algo más despacio.

Si corta y pega sus propias entradas, colóquelas después de todas las
demás entradas de la localización.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>No se puede escribir "%1": es %2; al iniciar solo se reescribe un archivo normal en esa ruta.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostrar el nombre y la versión del programa y salir.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Mantiene la lista de palabras del filtro del chat del servidor de juego
y crea sus entradas en badnames.txt (que el servidor no lee) o en
localization.txt, en el directorio de trabajo. Cada inicio reescribe
allí badword.txt. Detalles: man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Puede indicarse más de una vez. Guardar perfil (Ctrl+S) escribe los cambios de la ventana en el último FILE.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argumento inesperado "%1".</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>No hay ninguna pantalla en la que mostrar la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); en una máquina sin escritorio, use vantro-filter.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>No se puede leer el archivo de palabras "%1": %2 No se escribió nada.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>No se puede añadir "%1" a la lista de palabras. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>Se eliminó "%1" de la lista de palabras; Ctrl+Z la recupera.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>"%1" vuelve a estar en la lista de palabras.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n entrada vuelve a estar en la lista de palabras.</numerusform>
            <numerusform>%n entradas vuelven a estar en la lista de palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>La lista de palabras vuelve a tener las palabras, como antes de la creación, con las añadidas desde entonces; la próxima creación las expande.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n palabra añadida desde "%1"</numerusform>
            <numerusform>%n palabras añadidas desde "%1"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; %n de ellas ya estaba en la lista.</numerusform>
            <numerusform>; %n de ellas ya estaban en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n entrada quitada de la lista de palabras (las palabras de "%1"); Ctrl+Z la recupera.</numerusform>
            <numerusform>%n entradas quitadas de la lista de palabras (las palabras de "%1"); Ctrl+Z las recupera.</numerusform>
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
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Estas líneas de "%1" no se quitaron de la lista de palabras:
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Estas líneas de "%1" no se añadieron a la lista de palabras:
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Deshacer eliminación</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Volver a las palabras</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Añadir palabras de un archivo...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Quitar las palabras de un archivo...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Abrir perfil...</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation>Guardar perfil como...</translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation>Crear, reemplazando el filtro anterior</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Crear también las grafías que usan los jugadores</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; la próxima creación escribe %n entrada</numerusform>
            <numerusform>; la próxima creación escribe %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
</context>
</TS>
