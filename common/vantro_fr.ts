<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Option inconnue « %1 » ; vouliez-vous dire « %2 » ?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Langue inconnue « %1 » dans --language. Les langues sont : %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Catégorie inconnue « %1 » dans --category. Les catégories sont : %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Gravité inconnue « %1 » dans --severity. Les gravités sont : %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>Le caractère %1 est un guillemet droit ("), qui terminerait trop tôt le texte entre guillemets de l'entrée de filtre.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>Le caractère %1 est un caractère de contrôle (%2), qu'une entrée de filtre ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>Le caractère %1, « %2 » (%3), ne peut pas être écrit dans la page de code du serveur (Windows-1252).</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>L'écriture dans « %1 » a échoué : %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>Impossible d'examiner « %1 » : %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>« %1 » est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>Impossible d'ouvrir « %1 » en ajout : %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Le fichier n'est pas ouvert</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>La relecture de « %1 » a échoué : %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>La troncature de « %1 » a échoué : %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>La suppression de « %1 » a échoué : %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>un FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un répertoire</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>« %1 » est verrouillé par un autre programme.</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Il était encore verrouillé après %n seconde.</numerusform>
            <numerusform>Il était encore verrouillé après %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>L'attente du verrou sur « %1 » a été interrompue.</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>Impossible de verrouiller « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>Impossible d'ouvrir le dossier de « %1 » : %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>« %1 » a été remplacé pendant son ouverture.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>« %1 » a %n nom (liens physiques) ; un nouveau fichier à sa place laisserait l'ancien contenu sous les autres noms. Supprimez les autres liens pour qu'il n'ait qu'un seul nom, ou travaillez sur une copie.</numerusform>
            <numerusform>« %1 » a %n noms (liens physiques) ; un nouveau fichier à sa place laisserait l'ancien contenu sous les autres noms. Supprimez les autres liens pour qu'il n'ait qu'un seul nom, ou travaillez sur une copie.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>Cet utilisateur n'a pas le droit d'écrire dans « %1 » (%2) ; seul un fichier dans lequel son utilisateur pourrait écrire est remplacé.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>Impossible de remplacer « %1 » : %2 a échoué : %3. Le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>« %1 » est resté tel quel.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>l'examen du fichier</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>la création du nouveau fichier à côté de lui</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>l'écriture du nouveau fichier</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>la définition des permissions du nouveau fichier</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>la copie de l'attribut étendu « %1 »</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>la synchronisation du nouveau fichier</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>l'attribution d'un nom au nouveau fichier</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>le verrouillage du nouveau fichier</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>Impossible de remplacer « %1 » : un autre programme l'a renommé, supprimé ou remplacé pendant son nettoyage. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>Impossible de remplacer « %1 » : un autre programme l'a modifié pendant son nettoyage. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>l'ouverture du nouveau fichier en ajout</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>le renommage du nouveau fichier sous son nom</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>Impossible d'écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>Le fichier est resté vide.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>Impossible d'ouvrir : %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>C'est %1, pas un fichier ordinaire.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Lecture impossible : c'est un FIFO, et aucun programme n'y a écrit en %n seconde.</numerusform>
            <numerusform>Lecture impossible : c'est un FIFO, et aucun programme n'y a écrit en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n'existe pas</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>ce n'est pas un répertoire</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>Impossible d'utiliser le répertoire « %1 » : %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>Impossible d'utiliser le répertoire « %1 » : impossible d'y entrer.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>l'UID %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>Impossible de trouver « %1 » : %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>« %1 » est un lien symbolique appartenant à %2, un autre compte : un lien n'est suivi que s'il appartient à cet utilisateur ou à root. Lancez le programme en tant que %2, ou indiquez le fichier vers lequel pointe le lien.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>« %1 » ne mène plus au fichier qui a été ouvert : son dossier « %2 » a été déplacé ou remplacé entre-temps (par un lien symbolique, par exemple). Rien n'a été écrit ; ouvrez à nouveau le fichier pour l'y écrire.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>« %1 » a été modifié par quelqu'un d'autre pendant son écriture ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>Impossible d'écrire « %1 » : %2 : %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>impossible de créer un nouveau fichier dans son dossier</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>impossible d'écrire le nouveau contenu</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>impossible d'enregistrer le nouveau contenu sur le disque</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>impossible de donner son nom au nouveau fichier</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>Impossible d'écrire « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>« %1 » est %2, pas un fichier ordinaire : une création n'ajoute qu'à un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>L'écriture dans « %1 » a été interrompue.</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>« %1 » a été déplacé ou remplacé pendant que cette création y écrivait : ce qu'elle a écrit (%2) est allé dans le fichier qui s'y trouvait avant, et qui porte maintenant un autre nom.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>« %1 » a été remplacé par un autre programme pendant que cette création y écrivait : ce qu'elle a écrit (%2) est allé dans le fichier qui s'y trouvait avant, et qui n'existe plus.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>« %1 » a été supprimé pendant que cette création y écrivait : ce qu'elle a écrit (%2) est allé dans un fichier qui n'existe plus.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>Rien de cette création n'y a été écrit.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>« %1 » a été remplacé ou supprimé pendant que cette création y écrivait, donc rien n'a été tronqué : ce qu'elle a écrit (%2) est allé dans le fichier qui s'y trouvait avant, pas dans celui qui s'y trouve maintenant.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Il n'a pas pu être examiné, donc il n'a pas été tronqué : ce que cette création a écrit (%1) s'y trouve encore, à partir de l'octet %2.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>« %1 » a été modifié par un autre programme pendant que cette création y écrivait, donc il n'a pas été tronqué ; ce qu'elle a écrit (%2) peut s'y trouver encore, à partir de l'octet %3.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Il ne peut pas être relu pour vérifier qu'il se termine par les octets de cette création, donc il n'a pas été tronqué : ce qu'elle a écrit (%1) s'y trouve encore, à partir de l'octet %2.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>Il n'a pas pu être tronqué (%1) : ce que cette création a écrit (%2) s'y trouve encore, à partir de l'octet %3.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>Les octets de cette création ont été retirés du fichier qu'elle avait créé ; celui-ci a ensuite été remplacé à son emplacement, il n'a donc pas été supprimé.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>Le fichier, que cette création avait créé, reste vide : il n'a pas pu être supprimé (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>Le fichier, que cette création avait créé, a été supprimé.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>Le fichier est resté tel qu'il était avant cette création.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>rien de cette création</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>la ligne vide de cette création et %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> ainsi que le début d'une ligne de plus</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Langues des entrées intégrées, séparées par des virgules. Les codes : %1. Peut être donnée plusieurs fois ; sans elle, l'anglais (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Catégories des entrées intégrées, séparées par des virgules. Les codes : %1. Peut être donnée plusieurs fois ; sans elle, toutes les catégories.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Ne garder que les entrées intégrées de gravité LEVEL ou pire. Les niveaux, du plus léger au plus grave : %1 ; sans elle, mild (toutes les entrées).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>Exclure les entrées intégrées ambiguës. Elles ont un sens courant et anodin dans l'une des langues : l'anglais « hoe » signifie « comment » en néerlandais.</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Remplacer par des étoiles (« *** ») au lieu du chiffrement (« t0w »). Dans les deux cas, un remplacement a la longueur de son texte.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Filtrer aussi les autres façons dont les joueurs tapent les mots. Caractères ressemblants (« sh1t », « $hit »), expressions Avec Une Majuscule À Chaque Mot, accents en lettres simples (« arschlocher », « arschloecher »), l'autre apostrophe : au plus moitié plus d'entrées, les formes les plus tapées en premier.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Remplacer le filtre écrit par les créations précédentes. Ses entrées (celles dont le remplacement est le chiffrement ou le masque de leur texte) sont retirées du fichier, avec la ligne vide d'un bloc retiré en entier, et le nouveau bloc est ajouté.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Ajouter même à un fichier qui semble être en UTF-8. Sans elle, une création refuse un tel fichier : le serveur le lit en Windows-1252, et les octets Windows-1252 de la création se mêleraient à son UTF-8. Avec elle, la création avertit et continue.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>Écrire dans DIR au lieu du répertoire courant.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>Prendre les mots dans FILE au lieu des listes intégrées. Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>Ajouter les mots de FILE à la liste. Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Appliquer le profil FILE : +WORD ajoute, -WORD retire. Ses lignes WORD et +WORD ajoutent WORD, -WORD retire WORD, les lignes commençant par # sont des commentaires.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>Retirer de la liste les mots de FILE (une liste d'autorisation). Ils sont retirés comme par les lignes -WORD d'un profil. Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>L'entrée standard (« - ») ne peut être lue qu'une seule fois.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words remplace la liste intégrée ; --language, --category, --severity et --no-ambiguous ne peuvent pas l'accompagner.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>La variante « %1 » ne peut pas être écrite dans une entrée de filtre. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>Le remplacement de « %1 » lui serait identique : une entrée de filtre ne remplace que les lettres A à Z, a à z et « $ », « . », « - » et « _ », et ce texte n'en contient aucun.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>Le fichier est en UTF-16, mais les fichiers de mots et les profils sont en UTF-8 ; rien n'en a été repris. Convertissez-le avec « iconv -f UTF-16 -t UTF-8 %1 &gt; %2 » et indiquez %2 à la place.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>La ligne %1 n'est pas en UTF-8 valide, alors que les fichiers de mots et les profils sont en UTF-8 ; rien du fichier n'a été repris. S'il est en Windows-1252 (ou Latin-1), convertissez-le avec « iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3 » et indiquez %3 à la place.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>Le mot compte %1 caractères ; un mot en compte au plus %2.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Un « + » ou un « - » doit être suivi d'un mot.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>La ligne dépasse %1 octets ; elle ne contient pas de mot, puisqu'un mot compte au plus %2 caractères.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>« %1 » ne retire rien : aucune entrée n'est « %2 ».</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>« %1 » semble être en UTF-8, mais le serveur le lit en Windows-1252, et une création y ajouterait des octets Windows-1252. Gardez-en une copie et convertissez-le dans son dossier avec « iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2 » (voir le README), ou lancez la création avec --force-encoding pour ajouter malgré tout.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>« %1 » semble être en UTF-8, mais le serveur le lit en Windows-1252, et une création y ajoute des octets Windows-1252. Convertissez-le en Windows-1252 (voir le README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>Impossible d'ouvrir « %1 » : %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>le remplacement « %1 » (%2 caractères) est plus long que son texte « %3 » (%4 caractères) ; une telle entrée peut faire planter le serveur.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>conflit : le texte « %1 » a ici le remplacement « %2 », et « %3 » dans l'entrée de la ligne %4.</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>répète l'entrée de la ligne %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>la ligne dépasse %1 octets ; elle a été ignorée sans vérification.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>le fichier commence par une marque d'ordre des octets (BOM) UTF-8, que les fichiers Windows-1252 n'ont pas ; le serveur risque de prendre ses trois octets pour le début de la première ligne.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>ligne d'entrée mal formée : %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>La ligne contient un nombre impair de guillemets droits (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>L'accolade ouvrante doit être suivie d'un texte entre guillemets.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>Le remplacement entre guillemets manque.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>Le texte doit être suivi d'un remplacement entre guillemets.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>L'accolade fermante manque.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>La ligne contient plus de deux textes entre guillemets.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>Le remplacement doit être suivi d'une accolade fermante.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Seuls des blancs peuvent suivre l'accolade fermante.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>« %1 » a changé pendant son nettoyage ; il a été laissé tel quel. Un autre programme continuait d'y écrire ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>l'entrée de filtre de « %1 » (remplacé par « %2 »).</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>la ligne vide qui ouvrait un bloc dont toutes les entrées sont retirées.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: La ligne dépasse %3 octets, trop longue pour être conservée telle quelle ; rien n'a été modifié.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Usage maximal : 18 variantes de chaque mot au lieu de 9. Les variantes en « ? » et « _ » s'y ajoutent.</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>Ajouter à localization.txt au lieu de badnames.txt.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Afficher le bloc au lieu de l'ajouter à un fichier.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Créer sans les mots refusés, en les signalant par des avertissements.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>Ne rien écrire ; afficher ce que la création écrirait. Les entrées au total et par langue, et ce qu'ajoute --spellings.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>« %1 » est verrouillé par un autre programme ; attente de sa libération pendant %n seconde au plus.</numerusform>
            <numerusform>« %1 » est verrouillé par un autre programme ; attente de sa libération pendant %n secondes au plus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, en remplacement de %n entrée de filtre précédente</numerusform>
            <numerusform>, en remplacement de %n entrées de filtre précédentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> et de %n ligne vide qui ouvrait son bloc.</numerusform>
            <numerusform> et de %n lignes vides qui ouvraient leurs blocs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 est à jour : son filtre est celui qu'écrit cette création (%n entrée).</numerusform>
            <numerusform>%1 est à jour : son filtre est celui qu'écrit cette création (%n entrées).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>%n entrée écrite sur la sortie standard.</numerusform>
            <numerusform>%n entrées écrites sur la sortie standard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>%n entrée écrite dans %1.</numerusform>
            <numerusform>%n entrées écrites dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n entrée écrite dans %1</numerusform>
            <numerusform>%n entrées écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>%1 serait modifié</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Écrirait %n entrée sur la sortie standard.</numerusform>
            <numerusform>Écrirait %n entrées sur la sortie standard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Écrirait %n entrée dans %1.</numerusform>
            <numerusform>Écrirait %n entrées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>vos mots</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>graphies (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings ajouterait</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout n'écrit aucun fichier ; --dir, --localization et --replace ne peuvent pas l'accompagner.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>Aucun mot à traiter : la liste de mots est vide. Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>L'écriture sur la sortie standard a échoué : %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>Ajouter les entrées de filtre à badnames.txt ou à localization.txt.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Crée le filtre comme le bouton Créer de la fenêtre, sans sa pause : une ligne vide, puis une ligne d'entrée { "variant" "replacement" } par variante, ajoutées à badnames.txt (que le serveur ne lit pas) ou, avec --localization, à localization.txt.

Les mots : la liste intégrée (ou les fichiers de --words), puis les fichiers de --add, puis les ajouts du profil ; tous les retraits (lignes -WORD d'un profil, --except) viennent en dernier. Les fichiers de mots sont en UTF-8, un mot par ligne, « - » pour l'entrée standard. Un mot refusé est signalé avec FILE:LINE, et rien n'est alors écrit.

Un remplacement a toujours la longueur de son texte : un remplacement plus long peut faire planter le serveur. Avec --replace, les entrées écrites par les créations précédentes (celles dont le remplacement est le chiffrement ou le masque de leur texte) sont retirées du fichier, avec la ligne vide d'un bloc retiré en entier, et le nouveau bloc est ajouté, en une seule étape atomique. Si le fichier devait rester identique (la même création relancée), il n'est pas touché, sa date de modification non plus, et build indique qu'il « est à jour ».

Avec --dry-run, rien n'est écrit et aucun fichier n'est verrouillé : build affiche le nombre d'entrées qu'il écrirait, puis les entrées des mots de chaque langue (un mot commun à deux langues compte dans les deux) et de « vos mots », ceux qui ne sont aucune des entrées intégrées choisies ; avec --replace, ensuite « FILE serait modifié » ou « FILE est à jour ».

Code de sortie : 0 écrit ou à jour ; 1 un mot refusé, aucun mot, ou le fichier ne peut pas être écrit ; 2 une ligne de commande erronée ou un fichier de mots illisible ; 129, 130, 143 interrompu par un signal, le bloc retiré.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>N'afficher que les entrées dangereuses et mal formées, et le résumé.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>Aucun fichier à vérifier n'a été indiqué.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>L'entrée standard (« - ») ne peut être lue qu'une seule fois.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>Le fichier semble être en UTF-8 (tous ses caractères non ASCII sont de l'UTF-8 valide), mais le serveur le lit en Windows-1252 : ces caractères s'affichent déformés dans le jeu, et les entrées qu'ajoute cet outil sont en Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>Le fichier mélange UTF-8 et Windows-1252 (le serveur le lit entièrement en Windows-1252, donc son UTF-8 s'affiche déformé) : voici sa première ligne en Windows-1252, et sa première ligne en UTF-8 est la ligne %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>Le fichier mélange UTF-8 et Windows-1252 (le serveur le lit entièrement en Windows-1252, donc son UTF-8 s'affiche déformé) : voici sa première ligne en UTF-8, et sa première ligne en Windows-1252 est la ligne %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>Signaler les entrées des fichiers de localisation qui peuvent faire planter le serveur.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Lit les fichiers de localisation comme le serveur (en Windows-1252) et examine chaque ligne d'entrée { "text" "replacement" } ; les autres lignes sont laissées de côté. Chaque constat est écrit sur la sortie standard sous la forme FILE:LINE: suivi de sa gravité et de son message, puis vient une ligne de résumé :
  danger   un remplacement plus long que son texte : il peut faire planter
           le serveur
  error    une ligne d'entrée illisible, ou une ligne de plus de %1 octets
  warning  une répétition d'une entrée précédente ou un conflit avec elle,
           une marque d'ordre des octets (BOM), un fichier qui semble être
           en UTF-8 ou qui mélange UTF-8 et Windows-1252

Code de sortie : 0 rien de dangereux ni de mal formé (les avertissements ne comptent pas) ; 1 dans le cas contraire ; 2 un fichier illisible (les autres sont tout de même vérifiés) ou une ligne de commande erronée.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>Détails : man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Plus d'informations : « %1 --help » et « man %2 ».</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Utilisation : %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Crée le filtre de mots du chat d'un serveur de jeu sans fenêtre, et vérifie et nettoie les fichiers de localisation du serveur.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>Lancez « %1 COMMAND -h » pour les options d'une commande.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>Essayez « %1 -h » pour plus d'informations.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Afficher une aide courte et quitter.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>Afficher l'aide complète et quitter.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Afficher le nom et la version du programme et quitter.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande n'a été indiquée.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Commande inconnue « %1 » ; vouliez-vous dire « %2 » ?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Interrompu par %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Usage maximal : 18 variantes de chaque mot au lieu de 9 (« ? » et « _ » aussi).</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>Aucun mot n'a été indiqué.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>Le mot « %1 » est refusé : %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>Afficher les variantes de mots avec leurs remplacements.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Met chaque WORD en minuscules et le vérifie comme le fait build, puis affiche chaque variante et son remplacement, séparés par une tabulation, une paire par ligne, dans l'ordre où build les écrit dans le fichier du filtre. La sortie est en UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Usage maximal : les 18 variantes de chaque mot, comme les écrit build --max.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambigu</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>vos mots : %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>tel que tapé : %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>le chiffrement de %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>le masque (--mask) de %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>pour le retirer : la ligne « -%1 » dans un profil, ou vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>Aucun texte n'a été indiqué.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>et %n autre entrée</numerusform>
            <numerusform>et %n autres entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>aucune entrée de la liste de mots ne produit ce texte</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Indiquer quelle entrée produit un texte vu dans le chat.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Pour chaque TEXT, le texte tapé (« HOE! ») ou ce que les joueurs en voient (« T5W! » du chiffrement, « **** » du masque), affiche les mots de la liste de mots qui le produisent : chaque mot avec sa langue, sa catégorie, sa gravité et « ambigu » s'il a aussi un sens anodin (« vos mots » et le fichier pour un mot de --words, de --add ou d'un profil), ses variantes qui s'affichent comme ce texte, et la ligne qui le retire. Les options de mots sont celles de build : les mêmes options expliquent la même création. Pour un texte produit par de nombreuses entrées, les 20 premières sont nommées et les autres comptées.

Code de sortie : 0 tous les textes trouvés ; 1 un texte qu'aucune entrée ne produit, ou un mot refusé ; 2 une ligne de commande erronée ou un fichier de mots illisible.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Afficher chaque entrée avec sa langue, sa catégorie, sa gravité et si elle est ambiguë, séparées par des tabulations.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>Afficher les codes des langues, des catégories et des gravités.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long liste les entrées intégrées ; les fichiers de mots ne peuvent pas l'accompagner.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n'a été affiché.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>Afficher la liste de mots intégrée.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Affiche la liste de mots intégrée telle que la fenêtre la remplit à chaque démarrage et telle que build l'utilise sans --words : en minuscules, dans l'ordre de la liste, un mot par ligne, en UTF-8. --language, --category, --severity et --no-ambiguous en choisissent les entrées comme pour build et la fenêtre.

Avec --words, --add, --profile ou --except, affiche la liste de mots qu'utiliserait build avec les mêmes options (un mot refusé ou un fichier illisible n'affiche rien et se termine avec le code 1 ou 2, comme build).

Avec --long, chaque ligne contient une entrée, sa langue, sa catégorie, sa gravité (mild, strong ou severe) et « ambiguous » si elle a un sens courant et anodin dans l'une des langues (« - » sinon), séparés par des tabulations ; une entrée commune à plusieurs langues ou catégories a une ligne pour chacune.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(entrée standard)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Supprimer aussi les entrées plus longues que leur texte. Leur remplacement est plus long que leur texte, ce qui peut faire planter le serveur.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Supprimer aussi les entrées de filtre de WORD. Ce sont celles de ses 18 variantes et de ses graphies (--spellings), quelle que soit la création qui les a écrites, avec la ligne vide d'un bloc retiré en entier. Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Supprimer aussi les entrées de filtre des mots de FILE. Chaque mot est retiré comme avec --drop-word. Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Supprimer aussi toutes les entrées de filtre. La ligne vide d'un bloc retiré en entier l'est aussi : le fichier sans le filtre de cet outil.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Afficher ce qui serait supprimé sans rien modifier. Chaque suppression sous la forme FILE:LINE: message.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Résumé : répétitions supprimées %1, dangereuses supprimées %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, entrées de filtre supprimées %1, lignes vides supprimées %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, lignes conservées %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (simulation : rien n'a été modifié).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (rien à modifier).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>Aucun fichier à nettoyer n'a été indiqué.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Un seul fichier peut être nettoyé à la fois.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy réécrit un fichier sur place ; l'entrée standard ne peut pas être nettoyée.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word « %1 » : %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Un mot tient sur une seule ligne de texte.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>supprimerait : </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Sans --dry-run, tidy ne modifierait rien.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>« %1 » ne supprime rien : aucune entrée de filtre de « %1 » ne se trouve dans « %2 ».</translation>
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
        <translation>%1 est arrivé trop tard pour laisser « %2 » tel quel : il a été remplacé, et tidy a terminé.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>Supprimer les entrées répétées que des créations successives laissent dans un fichier.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Réécrit FILE sans les entrées qui répètent exactement une entrée précédente, comme en laissent des créations successives, et sans ce qu'ajoutent les options ; toutes les autres lignes restent identiques à l'octet près. Le fichier est remplacé entièrement ou pas du tout, garde ses permissions, son propriétaire, ses ACL et ses attributs étendus, et un lien symbolique mène au fichier remplacé. Un fichier ayant d'autres noms (liens physiques) ou que l'utilisateur n'a pas le droit d'écrire est refusé s'il doit être modifié (avec --dry-run : un avertissement), de même qu'un fichier dans lequel une création est en train d'écrire.

Code de sortie : 0 terminé (y compris quand il n'y avait rien à supprimer) ; 1 refusé ou impossible à remplacer ; 2 illisible, une ligne trop longue pour être conservée, ou une ligne de commande erronée ; 129, 130, 143 interrompu par un signal, le fichier tel qu'il était (un signal qui arrive une fois le fichier remplacé ne l'annule pas : tidy le signale et se termine avec 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Peut être donnée plusieurs fois.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 Le mot est ignoré.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>La liste de mots contient des modifications non enregistrées dans le profil « %1 ». Les enregistrer avant la fermeture de la fenêtre ?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Ajouter les mots d'un fichier</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Retirer les mots d'un fichier</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Ouvrir un profil</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Vantro – Outil de filtrage des gros mots</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Liste des gros mots à filtrer</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Ajoutez les mots voulus. La localisation respecte la casse et doit correspondre exactement. Cliquez ensuite sur Créer.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>Traitement du mot</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>Écrire dans localization.txt </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Usage maximal, peut ralentir un peu le chargement du serveur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Créer</translation>
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
        <translation>chaque mot remplacé par des étoiles (****)</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>chaque mot remplacé par les lettres du chiffrement</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Ajoute les entrées de filtre à %1, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>Les entrées de filtre des créations précédentes sont d'abord retirées.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n entrée écrite dans %1</numerusform>
            <numerusform>%n entrées écrites dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, en remplacement de %n entrée de filtre précédente,</numerusform>
            <numerusform>, en remplacement de %n entrées de filtre précédentes,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n entrée ajoutée à %1</numerusform>
            <numerusform>%n entrées ajoutées à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Dernière création : %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Création terminée : %1 %2. La liste de mots affiche maintenant les variantes écrites ; une deuxième création les déclinerait à nouveau. « Retour aux mots » (Ctrl+R) rétablit les mots.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>Traitement du mot %1 sur %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>Échec de la création</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>Le filtre des créations précédentes avait déjà été retiré de %1 ; la prochaine création qui remplace le filtre précédent rétablira la situation.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>La dernière création a échoué : %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>Échec de la création : %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>Impossible de lire le fichier de mots « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>Le profil n'a pas été enregistré : la ligne %1 de « %2 » n'est pas en UTF-8, et l'enregistrement placerait des lignes UTF-8 à côté. Rien n'a été écrit. Convertissez le fichier en UTF-8 et rouvrez-le, ou enregistrez le profil dans un autre fichier.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>Le profil n'a pas été enregistré. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>Le profil a été enregistré dans « %1 » sans le mot vide, qu'un profil ne peut pas contenir ; ajoutez-le à nouveau après le prochain démarrage.</translation>
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
        <translation>Instructions

À cause d'une faille qui permet de faire planter les serveurs, aucune 
entrée de localisation ne peut remplacer un texte par un texte plus long.
Pour vous aider, cet outil adapte et crée les entrées du filtre de mots 
destinées à votre fichier de localisation.

Ajoutez d'abord des mots à la liste en bas à gauche, ou double-cliquez
sur un mot pour le retirer. Choisissez ensuite d'écrire ou non dans le
fichier de localisation par défaut (localization.txt). Sinon, le texte
ira dans un fichier nommé badnames.txt, que vous pourrez modifier avant
d'en couper et coller les entrées dans votre fichier de localisation.

L'autre option ajoute davantage de variantes aux mots, mais ralentit
aussi légèrement le démarrage du serveur.

Si vous coupez et collez vos propres entrées, placez-les après toutes
les autres entrées de localisation.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>Impossible d'écrire « %1 » : c'est %2 ; le démarrage n'y réécrit qu'un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Afficher le nom et la version du programme et quitter.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Gère la liste de mots du filtre de chat du serveur de jeu et crée ses
entrées dans badnames.txt (que le serveur ne lit pas) ou dans
localization.txt, dans le répertoire de travail. Chaque démarrage y
réécrit badword.txt. Détails : man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Peut être donnée plusieurs fois. « Enregistrer le profil » (Ctrl+S) écrit les modifications de la fenêtre dans le dernier FILE.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>Aucun affichage où montrer la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n'est défini) ; sur une machine sans bureau, utilisez vantro-filter.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>Impossible de lire le fichier de mots « %1 » : %2 Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>« %1 » ne peut pas être ajouté à la liste de mots. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>« %1 » a été retiré de la liste de mots ; Ctrl+Z le rétablit.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>« %1 » est de retour dans la liste de mots.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n entrée est de retour dans la liste de mots.</numerusform>
            <numerusform>%n entrées sont de retour dans la liste de mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>La liste de mots contient de nouveau les mots d'avant la création, plus ceux ajoutés depuis ; la prochaine création les déclinera.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n mot ajouté depuis « %1 »</numerusform>
            <numerusform>%n mots ajoutés depuis « %1 »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform> ; %n d'entre eux était déjà dans la liste.</numerusform>
            <numerusform> ; %n d'entre eux étaient déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n entrée retirée de la liste de mots (les mots de « %1 ») ; Ctrl+Z la rétablit.</numerusform>
            <numerusform>%n entrées retirées de la liste de mots (les mots de « %1 ») ; Ctrl+Z les rétablit.</numerusform>
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
        <translation>Ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Ces lignes de « %1 » n'ont pas été retirées de la liste de mots :
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Ces lignes de « %1 » n'ont pas été ajoutées à la liste de mots :
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Annuler le retrait</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Retour aux mots</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Ajouter les mots d'un fichier...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Retirer les mots d'un fichier...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Ouvrir un profil...</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save profile as...</source>
        <translation>Enregistrer le profil sous...</translation>
    </message>
    <message>
        <source>Build, replacing the previous filter</source>
        <translation>Créer en remplaçant le filtre précédent</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Créer aussi les graphies que tapent les joueurs</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform> ; la prochaine création écrit %n entrée</numerusform>
            <numerusform> ; la prochaine création écrit %n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
</context>
</TS>
