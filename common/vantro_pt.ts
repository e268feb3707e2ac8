<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>vantro::common</name>
    <message>
        <source>Unknown option "%1"; did you mean "%2"?</source>
        <translation>Opção desconhecida "%1"; queria dizer "%2"?</translation>
    </message>
</context>
<context>
    <name>vantro::wordlists</name>
    <message>
        <source>Unknown language "%1" in --language. The languages are: %2.</source>
        <translation>Língua desconhecida "%1" em --language. As línguas são: %2.</translation>
    </message>
    <message>
        <source>Unknown category "%1" in --category. The categories are: %2.</source>
        <translation>Categoria desconhecida "%1" em --category. As categorias são: %2.</translation>
    </message>
    <message>
        <source>Unknown severity "%1" in --severity. The severities are: %2.</source>
        <translation>Gravidade desconhecida "%1" em --severity. As gravidades são: %2.</translation>
    </message>
    <message>
        <source>Character %1 is a double quote ("), which would end the quoted text of the filter entry early.</source>
        <translation>O carácter %1 é uma aspa dupla ("), que terminaria antes do tempo o texto entre aspas da entrada de filtro.</translation>
    </message>
    <message>
        <source>Character %1 is a control character (%2), which a filter entry cannot hold.</source>
        <translation>O carácter %1 é um carácter de controlo (%2), que uma entrada de filtro não pode conter.</translation>
    </message>
    <message>
        <source>Character %1, "%2" (%3), cannot be written in the server's code page (Windows-1252).</source>
        <translation>O carácter %1, "%2" (%3), não pode ser escrito na página de código do servidor (Windows-1252).</translation>
    </message>
</context>
<context>
    <name>vantro::fileio</name>
    <message>
        <source>Writing to "%1" failed: %2.</source>
        <translation>Falha ao escrever em "%1": %2.</translation>
    </message>
    <message>
        <source>Cannot look at "%1": %2.</source>
        <translation>Não é possível examinar "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file.</source>
        <translation>"%1" é %2, não um ficheiro normal.</translation>
    </message>
    <message>
        <source>Cannot open "%1" for appending: %2</source>
        <translation>Não é possível abrir "%1" para acrescentar: %2</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>O ficheiro não está aberto</translation>
    </message>
    <message>
        <source>Reading "%1" back failed: %2.</source>
        <translation>Falha ao reler "%1": %2.</translation>
    </message>
    <message>
        <source>Cutting "%1" back failed: %2.</source>
        <translation>Falha ao truncar "%1": %2.</translation>
    </message>
    <message>
        <source>Removing "%1" failed: %2.</source>
        <translation>Falha ao remover "%1": %2.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>uma ligação simbólica</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>um FIFO (pipe com nome)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>um dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>um dispositivo de blocos</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>um diretório</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>um ficheiro de outro tipo</translation>
    </message>
    <message>
        <source>"%1" is locked by another program.</source>
        <translation>"%1" está bloqueado por outro programa.</translation>
    </message>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>Continuava bloqueado ao fim de %n segundo.</numerusform>
            <numerusform>Continuava bloqueado ao fim de %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the lock on "%1" was stopped.</source>
        <translation>A espera pelo bloqueio de "%1" foi interrompida.</translation>
    </message>
    <message>
        <source>Cannot lock "%1": %2.</source>
        <translation>Não é possível bloquear "%1": %2.</translation>
    </message>
    <message>
        <source>Cannot open the folder of "%1": %2.</source>
        <translation>Não é possível abrir a pasta de "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced while it was being opened.</source>
        <translation>"%1" foi substituído enquanto estava a ser aberto.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>"%1" tem %n nome (ligação física); um ficheiro novo no seu lugar deixaria o conteúdo antigo com os outros nomes. Remova as outras ligações para que fique com um só nome, ou trabalhe numa cópia.</numerusform>
            <numerusform>"%1" tem %n nomes (ligações físicas); um ficheiro novo no seu lugar deixaria o conteúdo antigo com os outros nomes. Remova as outras ligações para que fique com um só nome, ou trabalhe numa cópia.</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" may not be written by this user (%2); only a file that its user could write to is replaced.</source>
        <translation>Este utilizador não pode escrever em "%1" (%2); só é substituído um ficheiro em que o utilizador possa escrever.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": %2 failed: %3. The file was left as it was.</source>
        <translation>Não é possível substituir "%1": falha ao %2: %3. O ficheiro ficou como estava.</translation>
    </message>
    <message>
        <source>"%1" was left as it was.</source>
        <translation>"%1" ficou como estava.</translation>
    </message>
    <message>
        <source>looking at the file</source>
        <translation>examinar o ficheiro</translation>
    </message>
    <message>
        <source>creating the new file beside it</source>
        <translation>criar o novo ficheiro ao lado dele</translation>
    </message>
    <message>
        <source>writing the new file</source>
        <translation>escrever o novo ficheiro</translation>
    </message>
    <message>
        <source>setting the permissions of the new file</source>
        <translation>definir as permissões do novo ficheiro</translation>
    </message>
    <message>
        <source>copying the extended attribute "%1"</source>
        <translation>copiar o atributo estendido "%1"</translation>
    </message>
    <message>
        <source>syncing the new file</source>
        <translation>sincronizar o novo ficheiro</translation>
    </message>
    <message>
        <source>giving the new file a name</source>
        <translation>dar um nome ao novo ficheiro</translation>
    </message>
    <message>
        <source>locking the new file</source>
        <translation>bloquear o novo ficheiro</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program renamed, removed or replaced it while it was tidied. Nothing was changed.</source>
        <translation>Não é possível substituir "%1": outro programa mudou-lhe o nome, removeu-o ou substituiu-o enquanto era arrumado. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Cannot replace "%1": another program changed it while it was tidied. Nothing was changed.</source>
        <translation>Não é possível substituir "%1": outro programa alterou-o enquanto era arrumado. Nada foi alterado.</translation>
    </message>
    <message>
        <source>opening the new file for appending</source>
        <translation>abrir o novo ficheiro para acrescentar</translation>
    </message>
    <message>
        <source>renaming the new file to its name</source>
        <translation>dar ao novo ficheiro o nome do original</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>Não é possível escrever "%1": %2</translation>
    </message>
    <message>
        <source>The file was left empty.</source>
        <translation>O ficheiro ficou vazio.</translation>
    </message>
    <message>
        <source>Cannot open: %1</source>
        <translation>Não é possível abrir: %1</translation>
    </message>
    <message>
        <source>It is %1, not a regular file.</source>
        <translation>É %1, não um ficheiro normal.</translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Não é possível ler: é um FIFO, e nenhum programa escreveu nele em %n segundo.</numerusform>
            <numerusform>Não é possível ler: é um FIFO, e nenhum programa escreveu nele em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>não é um diretório</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: %2.</source>
        <translation>Não é possível usar o diretório "%1": %2.</translation>
    </message>
    <message>
        <source>The directory "%1" cannot be used: it cannot be entered.</source>
        <translation>Não é possível usar o diretório "%1": não é possível entrar nele.</translation>
    </message>
    <message>
        <source>user ID %1</source>
        <translation>ID de utilizador %1</translation>
    </message>
    <message>
        <source>Cannot find "%1": %2.</source>
        <translation>Não é possível encontrar "%1": %2.</translation>
    </message>
    <message>
        <source>"%1" is a symbolic link of %2, another account: a link is followed only when it is this user's or root's. Run the program as %2, or name the file the link leads to.</source>
        <translation>"%1" é uma ligação simbólica de %2, outra conta: uma ligação só é seguida quando pertence a este utilizador ou ao root. Execute o programa como %2, ou indique o ficheiro para onde a ligação aponta.</translation>
    </message>
    <message>
        <source>"%1" no longer leads to the file that was opened: its folder "%2" was moved or replaced (by a symbolic link, say) since. Nothing was written; open the file again to write it there.</source>
        <translation>"%1" já não aponta para o ficheiro que foi aberto: a sua pasta "%2" foi entretanto movida ou substituída (por uma ligação simbólica, por exemplo). Nada foi escrito; abra o ficheiro de novo para o escrever lá.</translation>
    </message>
    <message>
        <source>"%1" was changed by someone else while it was being written; it was left as it is.</source>
        <translation>"%1" foi alterado por outra pessoa enquanto estava a ser escrito; ficou como está.</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2: %3.</source>
        <translation>Não é possível escrever "%1": %2: %3.</translation>
    </message>
    <message>
        <source>a new file cannot be created in its folder</source>
        <translation>não é possível criar um ficheiro novo na sua pasta</translation>
    </message>
    <message>
        <source>the new content cannot be written</source>
        <translation>não é possível escrever o novo conteúdo</translation>
    </message>
    <message>
        <source>the new content cannot be saved to disk</source>
        <translation>não é possível guardar o novo conteúdo no disco</translation>
    </message>
    <message>
        <source>the new file cannot take its name</source>
        <translation>o novo ficheiro não pode ficar com o seu nome</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2.</source>
        <translation>Não é possível escrever "%1": %2.</translation>
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
        <translation>Nada foi escrito.</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular file: a Build appends only to a regular file.</source>
        <translation>"%1" é %2, não um ficheiro normal: a geração só acrescenta a um ficheiro normal.</translation>
    </message>
    <message>
        <source>Writing to "%1" was stopped.</source>
        <translation>A escrita em "%1" foi interrompida.</translation>
    </message>
    <message>
        <source>"%1" was moved away or replaced while this Build wrote to it: %2 went into the file that stood there before, which now has another name.</source>
        <translation>"%1" foi movido ou substituído enquanto esta geração escrevia nele: o ficheiro que lá estava antes, e que agora tem outro nome, recebeu %2.</translation>
    </message>
    <message>
        <source>"%1" was replaced by another program while this Build wrote to it: %2 went into the file that stood there before, which no longer exists.</source>
        <translation>"%1" foi substituído por outro programa enquanto esta geração escrevia nele: o ficheiro que lá estava antes, e que já não existe, recebeu %2.</translation>
    </message>
    <message>
        <source>"%1" was removed while this Build wrote to it: %2 went into a file that no longer exists.</source>
        <translation>"%1" foi removido enquanto esta geração escrevia nele: um ficheiro que já não existe recebeu %2.</translation>
    </message>
    <message>
        <source>Nothing of this Build went into it.</source>
        <translation>Nada desta geração foi escrito nele.</translation>
    </message>
    <message>
        <source>"%1" was replaced or removed while this Build wrote to it, so nothing was cut back: %2 went into the file that stood there before, not into the one there now.</source>
        <translation>"%1" foi substituído ou removido enquanto esta geração escrevia nele, por isso nada foi truncado: o ficheiro que lá estava antes, e não o que lá está agora, recebeu %2.</translation>
    </message>
    <message>
        <source>It could not be looked at, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Não foi possível examiná-lo, por isso não foi truncado: a partir do byte %2, ainda contém %1.</translation>
    </message>
    <message>
        <source>"%1" was changed by another program while this Build wrote to it, so it was not cut back; it may still hold %2, from byte %3 on.</source>
        <translation>"%1" foi alterado por outro programa enquanto esta geração escrevia nele, por isso não foi truncado; a partir do byte %3, pode ainda conter %2.</translation>
    </message>
    <message>
        <source>It cannot be read back to make sure that it ends with this Build's bytes, so it was not cut back: %1 are still in it, from byte %2 on.</source>
        <translation>Não é possível relê-lo para confirmar que termina com os bytes desta geração, por isso não foi truncado: a partir do byte %2, ainda contém %1.</translation>
    </message>
    <message>
        <source>It could not be cut back (%1): %2 are still in it, from byte %3 on.</source>
        <translation>Não foi possível truncá-lo (%1): a partir do byte %3, ainda contém %2.</translation>
    </message>
    <message>
        <source>This Build's bytes were taken out of the file it had created, which was then replaced at its path, so it was not removed.</source>
        <translation>Os bytes desta geração foram retirados do ficheiro que ela tinha criado, mas este foi depois substituído no seu caminho, por isso não foi removido.</translation>
    </message>
    <message>
        <source>The file, which this Build had created, is left empty: it could not be removed (%1).</source>
        <translation>O ficheiro, que esta geração tinha criado, fica vazio: não foi possível removê-lo (%1).</translation>
    </message>
    <message>
        <source>The file, which this Build had created, was removed again.</source>
        <translation>O ficheiro, que esta geração tinha criado, voltou a ser removido.</translation>
    </message>
    <message>
        <source>The file was left as it was before this Build.</source>
        <translation>O ficheiro ficou como estava antes desta geração.</translation>
    </message>
    <message>
        <source>nothing of this Build</source>
        <translation>nada desta geração</translation>
    </message>
    <message>
        <source>this Build's empty line and %1</source>
        <translation>a linha vazia desta geração e %1</translation>
    </message>
    <message>
        <source> and the start of one more line</source>
        <translation> e o início de mais uma linha</translation>
    </message>
    <message>
        <source>Languages of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, English (en).</source>
        <translation>Línguas das entradas incorporadas, separadas por vírgulas. Os códigos: %1. Pode ser indicada mais de uma vez; sem ela, inglês (en).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Categories of the built-in entries, comma-separated. The codes: %1. May be given more than once; without it, every category.</source>
        <translation>Categorias das entradas incorporadas, separadas por vírgulas. Os códigos: %1. Pode ser indicada mais de uma vez; sem ela, todas as categorias.</translation>
    </message>
    <message>
        <source>Keep only the built-in entries of LEVEL and worse. The levels, from the mildest: %1; without it, mild (every entry).</source>
        <translation>Manter só as entradas incorporadas de nível LEVEL ou mais grave. Os níveis, do mais leve: %1; sem ela, mild (todas as entradas).</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>Leave out the ambiguous built-in entries. They have a common harmless meaning in one of the languages: English "hoe" is Dutch for "how".</source>
        <translation>Deixar de fora as entradas incorporadas ambíguas. Têm um significado inofensivo comum numa das línguas: o "hoe" do inglês significa "como" em neerlandês.</translation>
    </message>
    <message>
        <source>Replace with stars ("***"), not the cipher ("t0w"). Either way a replacement is as long as its text.</source>
        <translation>Substituir por asteriscos ("***"), não pela cifra ("t0w"). Em ambos os casos, a substituição tem o comprimento do seu texto.</translation>
    </message>
    <message>
        <source>Also filter the other ways players type the words. Look-alike characters ("sh1t", "$hit"), phrases With Each Word Capitalised, accents as plain letters ("arschlocher", "arschloecher"), the other apostrophe: at most half as many entries again, the most typed forms first.</source>
        <translation>Filtrar também as outras formas como os jogadores escrevem as palavras. Caracteres parecidos ("sh1t", "$hit"), frases Com Cada Palavra Em Maiúscula, acentos como letras simples ("arschlocher", "arschloecher"), o outro apóstrofo: no máximo mais metade das entradas, primeiro as formas mais escritas.</translation>
    </message>
    <message>
        <source>Replace the filter that earlier Builds wrote. Its entries (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in.</source>
        <translation>Substituir o filtro escrito por gerações anteriores. As suas entradas (aquelas cuja substituição é a cifra ou a máscara do seu texto) saem do ficheiro, com a linha vazia de um bloco que sai inteiro, e entra o novo bloco.</translation>
    </message>
    <message>
        <source>Append also to a file that looks like UTF-8. Without it, a Build refuses such a file: the server reads it as Windows-1252, and the Build's Windows-1252 bytes would mix with its UTF-8. With it, the Build warns and goes on.</source>
        <translation>Acrescentar também a um ficheiro que parece ser UTF-8. Sem ela, a geração recusa esse ficheiro: o servidor lê-o como Windows-1252, e os bytes Windows-1252 da geração misturar-se-iam com o seu UTF-8. Com ela, a geração avisa e continua.</translation>
    </message>
    <message>
        <source>Write into DIR instead of the current directory.</source>
        <translation>Escrever em DIR em vez do diretório atual.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Take the words from FILE instead of the built-in lists. May be given more than once.</source>
        <translation>Usar as palavras de FILE em vez das listas incorporadas. Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>Add the words of FILE to the list. May be given more than once.</source>
        <translation>Adicionar as palavras de FILE à lista. Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD add WORD, -WORD takes WORD out, lines starting with # are comments.</source>
        <translation>Aplicar o perfil FILE: +WORD adiciona, -WORD retira. As suas linhas WORD e +WORD adicionam WORD, -WORD retira WORD, e as linhas que começam por # são comentários.</translation>
    </message>
    <message>
        <source>Take the words of FILE out of the list (an allow-list). They go as the -WORD lines of a profile do. May be given more than once.</source>
        <translation>Retirar da lista as palavras de FILE (uma lista de permissões). Saem tal como as linhas -WORD de um perfil. Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>A entrada padrão ("-") só pode ser lida uma vez.</translation>
    </message>
    <message>
        <source>--words replaces the built-in list; --language, --category, --severity and --no-ambiguous do not go with it.</source>
        <translation>--words substitui a lista incorporada; --language, --category, --severity e --no-ambiguous não podem ser usadas com ela.</translation>
    </message>
    <message>
        <source>The variant "%1" cannot be written into a filter entry. %2</source>
        <translation>A variante "%1" não pode ser escrita numa entrada de filtro. %2</translation>
    </message>
    <message>
        <source>The replacement of "%1" would equal it: a filter entry replaces only the letters A to Z, a to z and "$", ".", "-" and "_", and it holds none of them.</source>
        <translation>A substituição de "%1" seria igual ao texto: uma entrada de filtro só substitui as letras de A a Z, de a a z e "$", ".", "-" e "_", e o texto não contém nenhuma delas.</translation>
    </message>
    <message>
        <source>The file is UTF-16, but word files and profiles are UTF-8; nothing of it was taken. Convert it with "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" and give %2 instead.</source>
        <translation>O ficheiro está em UTF-16, mas os ficheiros de palavras e os perfis são UTF-8; nada dele foi usado. Converta-o com "iconv -f UTF-16 -t UTF-8 %1 &gt; %2" e indique %2 em vez dele.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8, but word files and profiles are UTF-8; nothing of the file was taken. If it is Windows-1252 (or Latin-1), convert it with "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" and give %3 instead.</source>
        <translation>A linha %1 não é UTF-8 válido, mas os ficheiros de palavras e os perfis são UTF-8; nada do ficheiro foi usado. Se estiver em Windows-1252 (ou Latin-1), converta-o com "iconv -f WINDOWS-1252 -t UTF-8 %2 &gt; %3" e indique %3 em vez dele.</translation>
    </message>
    <message>
        <source>The word is %1 characters long; a word holds at most %2 characters.</source>
        <translation>A palavra tem %1 caracteres; uma palavra tem no máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>A "+" or "-" needs a word behind it.</source>
        <translation>Um "+" ou "-" tem de ser seguido de uma palavra.</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Não é possível ler: %1</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes; it holds no word, which has at most %2 characters.</source>
        <translation>A linha tem mais de %1 bytes; não contém nenhuma palavra, que tem no máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>"%1" takes out nothing: no entry is "%2".</source>
        <translation>"%1" não retira nada: nenhuma entrada é "%2".</translation>
    </message>
</context>
<context>
    <name>vantro::entryfiles</name>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build would add Windows-1252 bytes to it. Keep a copy and convert it in its folder with "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (see the README), or build with --force-encoding to append all the same.</source>
        <translation>"%1" parece ser UTF-8, mas o servidor lê-o como Windows-1252, e a geração acrescentar-lhe-ia bytes Windows-1252. Guarde uma cópia e converta-o na sua pasta com "iconv -f UTF-8 -t WINDOWS-1252 %2 &gt; %3 &amp;&amp; mv %3 %2" (consulte o README), ou gere com --force-encoding para acrescentar mesmo assim.</translation>
    </message>
    <message>
        <source>"%1" looks like UTF-8, but the server reads it as Windows-1252, and a Build appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).</source>
        <translation>"%1" parece ser UTF-8, mas o servidor lê-o como Windows-1252, e a geração acrescenta-lhe bytes Windows-1252. Converta-o para Windows-1252 (consulte o README).</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2.</source>
        <translation>Não é possível abrir "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>the replacement "%1" (%2 characters) is longer than its text "%3" (%4 characters); an entry like this can crash the server.</source>
        <translation>a substituição "%1" (%2 caracteres) é mais longa do que o seu texto "%3" (%4 caracteres); uma entrada assim pode fazer cair o servidor.</translation>
    </message>
    <message>
        <source>conflicting: the text "%1" has the replacement "%2" here and "%3" in the entry of line %4.</source>
        <translation>em conflito: o texto "%1" tem aqui a substituição "%2" e "%3" na entrada da linha %4.</translation>
    </message>
    <message>
        <source>repeats the entry of line %1.</source>
        <translation>repete a entrada da linha %1.</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; it was skipped unchecked.</source>
        <translation>a linha tem mais de %1 bytes; foi ignorada sem ser verificada.</translation>
    </message>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, which Windows-1252 files do not have; the server may take its three bytes for part of the first line.</source>
        <translation>o ficheiro começa com uma marca de ordem de bytes (BOM) UTF-8, que os ficheiros Windows-1252 não têm; o servidor pode tomar os seus três bytes como parte da primeira linha.</translation>
    </message>
    <message>
        <source>malformed entry line: %1</source>
        <translation>linha de entrada malformada: %1</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Não é possível ler: %1</translation>
    </message>
    <message>
        <source>The line holds an odd number of double quotes (%1).</source>
        <translation>A linha tem um número ímpar de aspas duplas (%1).</translation>
    </message>
    <message>
        <source>A quoted text must follow the opening brace.</source>
        <translation>A chaveta de abertura tem de ser seguida de um texto entre aspas.</translation>
    </message>
    <message>
        <source>The quoted replacement is missing.</source>
        <translation>Falta a substituição entre aspas.</translation>
    </message>
    <message>
        <source>A quoted replacement must follow the text.</source>
        <translation>O texto tem de ser seguido de uma substituição entre aspas.</translation>
    </message>
    <message>
        <source>The closing brace is missing.</source>
        <translation>Falta a chaveta de fecho.</translation>
    </message>
    <message>
        <source>The line holds more than two quoted texts.</source>
        <translation>A linha tem mais de dois textos entre aspas.</translation>
    </message>
    <message>
        <source>A closing brace must follow the replacement.</source>
        <translation>A substituição tem de ser seguida de uma chaveta de fecho.</translation>
    </message>
    <message>
        <source>Nothing but blanks may follow the closing brace.</source>
        <translation>Depois da chaveta de fecho só pode haver espaços em branco.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>"%1" changed while it was being tidied; left as it was. Another program kept writing to it; try again once it is done.</source>
        <translation>"%1" foi alterado enquanto estava a ser arrumado; ficou como estava. Outro programa continuou a escrever nele; tente de novo quando este terminar.</translation>
    </message>
    <message>
        <source>the filter entry of "%1" (replaced with "%2").</source>
        <translation>a entrada de filtro de "%1" (substituída por "%2").</translation>
    </message>
    <message>
        <source>the empty line that opened a block of which every entry goes.</source>
        <translation>a linha vazia que abria um bloco cujas entradas saem todas.</translation>
    </message>
    <message>
        <source>%1:%2: The line is longer than %3 bytes, too long to be kept as it stands; nothing was changed.</source>
        <translation>%1:%2: A linha tem mais de %3 bytes, é demasiado longa para ser mantida tal como está; nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message>
        <source>Max usage: 18 variants of every word instead of 9. The "?" and "_" variants come in too.</source>
        <translation>Uso máximo: 18 variantes de cada palavra em vez de 9. Entram também as variantes com "?" e "_".</translation>
    </message>
    <message>
        <source>Append to localization.txt instead of badnames.txt.</source>
        <translation>Acrescentar a localization.txt em vez de badnames.txt.</translation>
    </message>
    <message>
        <source>Print the block instead of appending it to a file.</source>
        <translation>Mostrar o bloco em vez de o acrescentar a um ficheiro.</translation>
    </message>
    <message>
        <source>Build without the refused words, listing them as warnings.</source>
        <translation>Gerar sem as palavras recusadas, listando-as como avisos.</translation>
    </message>
    <message>
        <source>Write nothing; print what the Build would write. The entries in all and per language, and what --spellings adds.</source>
        <translation>Não escrever nada; mostrar o que a geração escreveria. As entradas no total e por língua, e o que --spellings acrescenta.</translation>
    </message>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>"%1" está bloqueado por outro programa; a aguardar até %n segundo que o liberte.</numerusform>
            <numerusform>"%1" está bloqueado por outro programa; a aguardar até %n segundos que o liberte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, substituindo %n entrada de filtro anterior</numerusform>
            <numerusform>, substituindo %n entradas de filtro anteriores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> e %n linha vazia que abria o seu bloco.</numerusform>
            <numerusform> e %n linhas vazias que abriam os respetivos blocos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 está atualizado: o seu filtro é o que esta geração escreve (%n entrada).</numerusform>
            <numerusform>%1 está atualizado: o seu filtro é o que esta geração escreve (%n entradas).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>Foi escrita %n entrada na saída padrão.</numerusform>
            <numerusform>Foram escritas %n entradas na saída padrão.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>Foi escrita %n entrada em %1.</numerusform>
            <numerusform>Foram escritas %n entradas em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Foi escrita %n entrada em %1</numerusform>
            <numerusform>Foram escritas %n entradas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Would change %1</source>
        <translation>Alteraria %1</translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Escreveria %n entrada na saída padrão.</numerusform>
            <numerusform>Escreveria %n entradas na saída padrão.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Escreveria %n entrada em %1.</numerusform>
            <numerusform>Escreveria %n entradas em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>your words</source>
        <translation>as suas palavras</translation>
    </message>
    <message>
        <source>spellings (--spellings)</source>
        <translation>grafias (--spellings)</translation>
    </message>
    <message>
        <source>--spellings would add</source>
        <translation>--spellings acrescentaria</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argumento inesperado "%1".</translation>
    </message>
    <message>
        <source>--stdout writes no file; --dir, --localization and --replace do not go with it.</source>
        <translation>--stdout não escreve nenhum ficheiro; --dir, --localization e --replace não podem ser usadas com ela.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi escrito.</translation>
    </message>
    <message>
        <source>There are no words to build: the word list is empty. Nothing was written.</source>
        <translation>Não há palavras para gerar: a lista de palavras está vazia. Nada foi escrito.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Writing to standard output failed: %1</source>
        <translation>Falha ao escrever na saída padrão: %1</translation>
    </message>
    <message>
        <source>Append the filter entries to badnames.txt or localization.txt.</source>
        <translation>Acrescentar as entradas de filtro a badnames.txt ou localization.txt.</translation>
    </message>
    <message>
        <source>Builds the filter as the window's Build button does, without its pause: an empty line, then one entry line { "variant" "replacement" } per variant, appended to badnames.txt (the server does not read it) or, with --localization, to localization.txt.

The words: the built-in list (or the --words files), then the --add files, then the profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. Word files are UTF-8, one word per line, "-" for standard input. A refused word is named with FILE:LINE, and then nothing is written.

A replacement always has its text's length: a longer one can crash the server. With --replace, the entries that earlier Builds wrote (those whose replacement is the cipher or the mask of their text) go out of the file, with the empty line of a block that goes whole, and the new block comes in, in one atomic step. When that would leave the file as it is (the same Build run again), it is left untouched, its modification time too, and build says that it "is up to date".

With --dry-run, nothing is written and no file is locked: build prints the number of entries it would write, then the entries of each language's words (a word that two languages share counts in both) and of "your words", those that are no chosen built-in entry; with --replace, then "Would change FILE" or "FILE is up to date".

Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, the block taken back.</source>
        <translation>Gera o filtro como faz o botão Gerar da janela, mas sem a sua pausa: uma linha vazia e, depois, uma linha de entrada { "variant" "replacement" } por variante, acrescentadas a badnames.txt (que o servidor não lê) ou, com --localization, a localization.txt.

As palavras: a lista incorporada (ou os ficheiros de --words), depois os ficheiros de --add, depois o que o perfil adiciona; tudo o que se retira (as linhas -WORD de um perfil, --except) vem no fim. Os ficheiros de palavras são UTF-8, uma palavra por linha, "-" para a entrada padrão. Uma palavra recusada é indicada com FILE:LINE e, nesse caso, nada é escrito.

Uma substituição tem sempre o comprimento do seu texto: uma mais longa pode fazer cair o servidor. Com --replace, as entradas que gerações anteriores escreveram (aquelas cuja substituição é a cifra ou a máscara do seu texto) saem do ficheiro, com a linha vazia de um bloco que sai inteiro, e entra o novo bloco, num único passo atómico. Quando isso deixaria o ficheiro como está (a mesma geração executada de novo), o ficheiro não é tocado, nem sequer a sua data de modificação, e build indica que "está atualizado".

Com --dry-run, nada é escrito e nenhum ficheiro é bloqueado: build mostra o número de entradas que escreveria e, depois, as entradas das palavras de cada língua (uma palavra partilhada por duas línguas conta em ambas) e de "as suas palavras", as que não são nenhuma entrada incorporada escolhida; com --replace, a seguir, "Alteraria FILE" ou "FILE está atualizado".

Código de saída: 0 escrito ou atualizado; 1 uma palavra recusada, nenhuma palavra, ou não é possível escrever o ficheiro; 2 uma linha de comandos errada ou um ficheiro de palavras ilegível; 129, 130, 143 interrompido por um sinal, com o bloco retirado.</translation>
    </message>
    <message>
        <source>Print only the dangerous and malformed entries and the summary.</source>
        <translation>Mostrar só as entradas perigosas e malformadas e o resumo.</translation>
    </message>
    <message>
        <source>No file to check given.</source>
        <translation>Nenhum ficheiro indicado para verificar.</translation>
    </message>
    <message>
        <source>Standard input ("-") can be read only once.</source>
        <translation>A entrada padrão ("-") só pode ser lida uma vez.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file looks like UTF-8 (every non-ASCII character in it is valid UTF-8), but the server reads it as Windows-1252: those characters show garbled in the game, and entries that this tool appends are in Windows-1252.</source>
        <translation>O ficheiro parece ser UTF-8 (todos os seus caracteres não ASCII são UTF-8 válido), mas o servidor lê-o como Windows-1252: esses caracteres aparecem deturpados no jogo, e as entradas que esta ferramenta acrescenta estão em Windows-1252.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of Windows-1252, and its first line of UTF-8 is line %1.</source>
        <translation>O ficheiro mistura UTF-8 com Windows-1252 (o servidor lê-o todo como Windows-1252, por isso o seu UTF-8 aparece deturpado): esta é a sua primeira linha em Windows-1252, e a sua primeira linha em UTF-8 é a linha %1.</translation>
    </message>
    <message>
        <source>The file mixes UTF-8 with Windows-1252 (the server reads it all as Windows-1252, so its UTF-8 shows garbled): this is its first line of UTF-8, and its first line of Windows-1252 is line %1.</source>
        <translation>O ficheiro mistura UTF-8 com Windows-1252 (o servidor lê-o todo como Windows-1252, por isso o seu UTF-8 aparece deturpado): esta é a sua primeira linha em UTF-8, e a sua primeira linha em Windows-1252 é a linha %1.</translation>
    </message>
    <message>
        <source>Report the entries of localization files that can crash the server.</source>
        <translation>Indicar as entradas de ficheiros de localização que podem fazer cair o servidor.</translation>
    </message>
    <message>
        <source>Reads localization files as the server does (Windows-1252) and looks at every entry line { "text" "replacement" }; other lines are left alone. Each finding goes to standard output as FILE:LINE: followed by its severity and message, then one summary line:
  danger   a replacement longer than its text: it can crash the server
  error    an entry line that does not parse, or a line of over %1 bytes
  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a
           file that looks like UTF-8 or mixes UTF-8 with Windows-1252

Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something is; 2 a file cannot be read (the others are still checked) or a wrong command line.</source>
        <translation>Lê os ficheiros de localização como o servidor os lê (Windows-1252) e examina cada linha de entrada { "text" "replacement" }; as outras linhas são ignoradas. Cada ocorrência vai para a saída padrão como FILE:LINE: seguido da sua gravidade e mensagem e, no fim, uma linha de resumo:
  danger   uma substituição mais longa do que o seu texto: pode fazer cair
           o servidor
  error    uma linha de entrada que não se consegue analisar, ou uma linha
           com mais de %1 bytes
  warning  uma repetição ou um conflito com uma entrada anterior, uma marca
           de ordem de bytes, um ficheiro que parece ser UTF-8 ou que
           mistura UTF-8 com Windows-1252

Código de saída: 0 nada de perigoso nem malformado (os avisos não contam); 1 há algo; 2 não é possível ler um ficheiro (os outros são verificados na mesma) ou uma linha de comandos errada.</translation>
    </message>
    <message>
        <source>The details: man %1</source>
        <translation>Pormenores: man %1</translation>
    </message>
    <message>
        <source>More: "%1 --help" and "man %2".</source>
        <translation>Mais: "%1 --help" e "man %2".</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]</source>
        <translation>Utilização: %1 COMMAND [OPTIONS] [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Builds the chat word filter of a game server without a window, and checks and tidies the server's localization files.</source>
        <translation>Gera o filtro de palavras do chat de um servidor de jogo sem janela, e verifica e arruma os ficheiros de localização do servidor.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Run "%1 COMMAND -h" for the options of a command.</source>
        <translation>Execute "%1 COMMAND -h" para ver as opções de um comando.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilização: %1</translation>
    </message>
    <message>
        <source>Try "%1 -h" for more information.</source>
        <translation>Experimente "%1 -h" para mais informações.</translation>
    </message>
    <message>
        <source>Print a short help and exit.</source>
        <translation>Mostrar uma ajuda curta e sair.</translation>
    </message>
    <message>
        <source>Print the whole help and exit.</source>
        <translation>Mostrar a ajuda completa e sair.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostrar o nome e a versão do programa e sair.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nenhum comando indicado.</translation>
    </message>
    <message>
        <source>Unknown command "%1".</source>
        <translation>Comando desconhecido "%1".</translation>
    </message>
    <message>
        <source>Unknown command "%1"; did you mean "%2"?</source>
        <translation>Comando desconhecido "%1"; queria dizer "%2"?</translation>
    </message>
    <message>
        <source>Stopped by %1. %2</source>
        <translation>Interrompido por %1. %2</translation>
    </message>
    <message>
        <source>Max usage: 18 variants of every word instead of 9 ("?" and "_" too).</source>
        <translation>Uso máximo: 18 variantes de cada palavra em vez de 9 (também "?" e "_").</translation>
    </message>
    <message>
        <source>No word given.</source>
        <translation>Nenhuma palavra indicada.</translation>
    </message>
    <message>
        <source>The word "%1" is refused: %2</source>
        <translation>A palavra "%1" foi recusada: %2</translation>
    </message>
    <message>
        <source>Print the variants of words with their replacements.</source>
        <translation>Mostrar as variantes de palavras com as suas substituições.</translation>
    </message>
    <message>
        <source>Lower-cases and checks every WORD as build does, then prints each variant and its replacement, separated by a tab, one pair a line, in the order in which build writes them into the filter file. Output is UTF-8.</source>
        <translation>Converte em minúsculas e verifica cada WORD como build faz e, depois, mostra cada variante e a sua substituição, separadas por uma tabulação, um par por linha, pela ordem em que build as escreve no ficheiro do filtro. A saída é em UTF-8.</translation>
    </message>
    <message>
        <source>Max usage: the 18 variants of every word, as build --max writes them.</source>
        <translation>Uso máximo: as 18 variantes de cada palavra, tal como build --max as escreve.</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambiguous</translation>
    </message>
    <message>
        <source>your words: %1</source>
        <translation>as suas palavras: %1</translation>
    </message>
    <message>
        <source>as typed: %1</source>
        <translation>tal como escrito: %1</translation>
    </message>
    <message>
        <source>the cipher of %1</source>
        <translation>a cifra de %1</translation>
    </message>
    <message>
        <source>the mask (--mask) of %1</source>
        <translation>a máscara (--mask) de %1</translation>
    </message>
    <message>
        <source>take it out: the line "-%1" in a profile, or vantro-filter tidy --drop-word %2 localization.txt</source>
        <translation>para a retirar: a linha "-%1" num perfil, ou vantro-filter tidy --drop-word %2 localization.txt</translation>
    </message>
    <message>
        <source>No text given.</source>
        <translation>Nenhum texto indicado.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>e mais %n entrada</numerusform>
            <numerusform>e mais %n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>no entry of the word list makes this text</source>
        <translation>nenhuma entrada da lista de palavras produz este texto</translation>
    </message>
    <message>
        <source>Tell which entry makes a text seen in chat.</source>
        <translation>Indicar que entrada produz um texto visto no chat.</translation>
    </message>
    <message>
        <source>For every TEXT, the text typed ("HOE!") or what the players see of it (the cipher's "T5W!", the mask's "****"), prints the words of the word list that make it: each word with its language, category, severity and "ambiguous" when it has a harmless meaning too ("your words" and the file for a word of --words, --add or a profile), its variants that show as the text, and the line that takes it out. The word options are build's: the same options explain the same Build. A text that many entries make names the first 20 and counts the rest.

Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a wrong command line or an unreadable word file.</source>
        <translation>Para cada TEXT, o texto escrito ("HOE!") ou o que os jogadores veem dele (o "T5W!" da cifra, o "****" da máscara), mostra as palavras da lista de palavras que o produzem: cada palavra com a sua língua, categoria, gravidade e "ambiguous" quando também tem um significado inofensivo ("as suas palavras" e o ficheiro, para uma palavra de --words, --add ou de um perfil), as suas variantes que aparecem como o texto, e a linha que a retira. As opções de palavras são as de build: as mesmas opções explicam a mesma geração. De um texto produzido por muitas entradas, indica as primeiras 20 e conta as restantes.

Código de saída: 0 todos os textos encontrados; 1 um texto que nenhuma entrada produz, ou uma palavra recusada; 2 uma linha de comandos errada ou um ficheiro de palavras ilegível.</translation>
    </message>
    <message>
        <source>Print each entry with its language, category, severity and whether it is ambiguous, tab-separated.</source>
        <translation>Mostrar cada entrada com a sua língua, categoria, gravidade e se é ambígua, separadas por tabulações.</translation>
    </message>
    <message>
        <source>Print the language, the category and the severity codes.</source>
        <translation>Mostrar os códigos de língua, de categoria e de gravidade.</translation>
    </message>
    <message>
        <source>--long lists built-in entries; word files do not go with it.</source>
        <translation>--long lista entradas incorporadas; não pode ser usada com ficheiros de palavras.</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nada foi mostrado.</translation>
    </message>
    <message>
        <source>Print the built-in word list.</source>
        <translation>Mostrar a lista de palavras incorporada.</translation>
    </message>
    <message>
        <source>Prints the built-in word list as every start of the window fills it and as build uses it without --words: lower-cased, in list order, one word a line, in UTF-8. --language, --category, --severity and --no-ambiguous choose its entries as they do for build and the window.

With --words, --add, --profile or --except, it prints the word list that build would use with the same options (a refused word or unreadable file prints nothing and exits with status 1 or 2, as build does).

With --long, each line holds an entry, its language, its category, its severity (mild, strong or severe) and "ambiguous" when it has a common harmless meaning in one of the languages ("-" otherwise), separated by tabs; an entry that several languages or categories share has a line for each.</source>
        <translation>Mostra a lista de palavras incorporada tal como cada arranque da janela a preenche e como build a usa sem --words: em minúsculas, pela ordem da lista, uma palavra por linha, em UTF-8. --language, --category, --severity e --no-ambiguous escolhem as suas entradas como fazem para build e para a janela.

Com --words, --add, --profile ou --except, mostra a lista de palavras que build usaria com as mesmas opções (uma palavra recusada ou um ficheiro ilegível não mostra nada e termina com o código 1 ou 2, como build).

Com --long, cada linha contém uma entrada, a sua língua, a sua categoria, a sua gravidade (mild, strong ou severe) e "ambiguous" quando tem um significado inofensivo comum numa das línguas ("-" caso contrário), separados por tabulações; uma entrada partilhada por várias línguas ou categorias tem uma linha para cada uma.</translation>
    </message>
    <message>
        <source>(standard input)</source>
        <translation>(entrada padrão)</translation>
    </message>
    <message>
        <source>Also remove entries longer than their text. Their replacement is longer than their text, which can crash the server.</source>
        <translation>Remover também as entradas mais longas do que o seu texto. A sua substituição é mais longa do que o texto, o que pode fazer cair o servidor.</translation>
    </message>
    <message>
        <source>Also remove the filter entries of WORD. They are those of its 18 variants and its spellings (--spellings), whichever Build wrote them, with the empty line of a block that goes whole. May be given more than once.</source>
        <translation>Remover também as entradas de filtro de WORD. São as das suas 18 variantes e das suas grafias (--spellings), seja qual for a geração que as escreveu, com a linha vazia de um bloco que sai inteiro. Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORD</translation>
    </message>
    <message>
        <source>Also remove the filter entries of the words of FILE. Each word goes as with --drop-word. May be given more than once.</source>
        <translation>Remover também as entradas de filtro das palavras de FILE. Cada palavra sai como com --drop-word. Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Also remove every filter entry. The empty line of a block that goes whole goes too: the file without this tool's filter.</source>
        <translation>Remover também todas as entradas de filtro. A linha vazia de um bloco que sai inteiro também sai: fica o ficheiro sem o filtro desta ferramenta.</translation>
    </message>
    <message>
        <source>Print what would be removed and change nothing. Each removal as FILE:LINE: message.</source>
        <translation>Mostrar o que seria removido sem alterar nada. Cada remoção como FILE:LINE: mensagem.</translation>
    </message>
    <message>
        <source>Summary: repeats removed %1, dangerous removed %2</source>
        <translation>Resumo: repetições removidas %1, perigosas removidas %2</translation>
    </message>
    <message>
        <source>, filter entries removed %1, empty lines removed %2</source>
        <translation>, entradas de filtro removidas %1, linhas vazias removidas %2</translation>
    </message>
    <message>
        <source>, lines kept %1</source>
        <translation>, linhas mantidas %1</translation>
    </message>
    <message>
        <source> (dry run: nothing was changed).</source>
        <translation> (simulação: nada foi alterado).</translation>
    </message>
    <message>
        <source> (nothing to change).</source>
        <translation> (nada a alterar).</translation>
    </message>
    <message>
        <source>No file to tidy given.</source>
        <translation>Nenhum ficheiro indicado para arrumar.</translation>
    </message>
    <message>
        <source>Only one file can be tidied at a time.</source>
        <translation>Só é possível arrumar um ficheiro de cada vez.</translation>
    </message>
    <message>
        <source>tidy rewrites a file in place; standard input cannot be tidied.</source>
        <translation>tidy reescreve um ficheiro no próprio lugar; não é possível arrumar a entrada padrão.</translation>
    </message>
    <message>
        <source>--drop-word "%1": %2</source>
        <translation>--drop-word "%1": %2</translation>
    </message>
    <message>
        <source>A word is one line of text.</source>
        <translation>Uma palavra é uma linha de texto.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>would remove: </source>
        <translation>removeria: </translation>
    </message>
    <message>
        <source>warning: %1 Without --dry-run, tidy would change nothing.</source>
        <translation>warning: %1 Sem --dry-run, tidy não alteraria nada.</translation>
    </message>
    <message>
        <source>"%1" removes nothing: no filter entry of "%1" is in "%2".</source>
        <translation>"%1" não remove nada: não há nenhuma entrada de filtro de "%1" em "%2".</translation>
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
        <translation>%1 chegou tarde demais para deixar "%2" como estava: já tinha sido substituído, e tidy terminou.</translation>
    </message>
    <message>
        <source>Remove the repeated entries that repeated builds leave in a file.</source>
        <translation>Remover as entradas repetidas que gerações repetidas deixam num ficheiro.</translation>
    </message>
    <message>
        <source>Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated Builds leave them, and without what the options add; every other line stays byte for byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and extended attributes, and a symbolic link leads to the file replaced. A file with other names (hard links) or one the user may not write is refused when it needs a change (with --dry-run: a warning), and so is one a Build is writing to.

Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, 143 stopped by a signal, the file as it was (a signal that comes once the file is replaced does not undo it: tidy says so and ends with 0).</source>
        <translation>Reescreve FILE sem as entradas que repetem exatamente uma entrada anterior, tal como as deixam gerações repetidas, e sem o que as opções acrescentam; todas as outras linhas ficam iguais byte a byte. O ficheiro é substituído por inteiro ou de todo não é, mantém as suas permissões, dono, ACL e atributos estendidos, e uma ligação simbólica leva ao ficheiro substituído. Um ficheiro com outros nomes (ligações físicas) ou em que o utilizador não pode escrever é recusado quando precisa de uma alteração (com --dry-run: um aviso), tal como um ficheiro em que uma geração está a escrever.

Código de saída: 0 concluído (também quando não havia nada a remover); 1 recusado ou não é possível substituir; 2 ilegível, uma linha demasiado longa para manter, ou uma linha de comandos errada; 129, 130, 143 interrompido por um sinal, com o ficheiro como estava (um sinal que chegue depois de o ficheiro ser substituído não o desfaz: tidy indica-o e termina com 0).</translation>
    </message>
    <message>
        <source>May be given more than once.</source>
        <translation>Pode ser indicada mais de uma vez.</translation>
    </message>
    <message>
        <source>%1:%2: warning: %3 The word is left out.</source>
        <translation>%1:%2: warning: %3 A palavra fica de fora.</translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message>
        <source>The word list has edits that are not saved in the profile "%1". Save them before the window closes?</source>
        <translation>A lista de palavras tem alterações que não estão guardadas no perfil "%1". Guardá-las antes de fechar a janela?</translation>
    </message>
    <message>
        <source>Add the Words of a File</source>
        <translation>Adicionar as palavras de um ficheiro</translation>
    </message>
    <message>
        <source>Take Out the Words of a File</source>
        <translation>Retirar as palavras de um ficheiro</translation>
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
        <translation>Ficheiros de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Vantro Bad Word Filter Tool</source>
        <translation>Ferramenta Vantro de filtro de palavrões</translation>
    </message>
    <message>
        <source>List of Bad Words to Filter</source>
        <translation>Lista de palavrões a filtrar</translation>
    </message>
    <message>
        <source>Add any words that you would like. The localization is case sensitive and must match exactly. Press Build when done.</source>
        <translation>Adicione as palavras que quiser. A localização distingue maiúsculas e exige texto exato. Depois prima Gerar.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Processing Word</source>
        <translation>A processar</translation>
    </message>
    <message>
        <source>Write to default localization file </source>
        <translation>Escrever em localization.txt </translation>
    </message>
    <message>
        <source>Max usage, may cause server to take a little longer to load</source>
        <translation>Uso máximo; o servidor pode arrancar mais devagar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Gerar</translation>
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
        <translation>cada palavra substituída por asteriscos (****)</translation>
    </message>
    <message>
        <source>each word replaced by the cipher's letters</source>
        <translation>cada palavra substituída pelas letras da cifra</translation>
    </message>
    <message>
        <source>Appends the filter entries to %1, %2</source>
        <translation>Acrescenta as entradas de filtro a %1, %2</translation>
    </message>
    <message>
        <source>The filter entries of earlier Builds are taken out first.</source>
        <translation>Primeiro, são retiradas as entradas de filtro de gerações anteriores.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n entrada escrita em %1</numerusform>
            <numerusform>%n entradas escritas em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, substituindo %n entrada de filtro anterior,</numerusform>
            <numerusform>, substituindo %n entradas de filtro anteriores,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n entrada acrescentada a %1</numerusform>
            <numerusform>%n entradas acrescentadas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <source>Last Build: %1 %2</source>
        <translation>Última geração: %1 %2</translation>
    </message>
    <message>
        <source>Build done: %1 %2. The word list now shows the variants written; a second Build would expand them again. Back to the words (Ctrl+R) brings back the words.</source>
        <translation>Geração concluída: %1 %2. A lista de palavras mostra agora as variantes escritas; uma segunda geração voltaria a expandi-las. Voltar às palavras (Ctrl+R) repõe as palavras.</translation>
    </message>
    <message>
        <source>Processing Word %1 of %2</source>
        <translation>A processar %1 de %2</translation>
    </message>
    <message>
        <source>Build failed</source>
        <translation>A geração falhou</translation>
    </message>
    <message>
        <source>The filter of earlier Builds had already been taken out of %1; the next Build that replaces the previous filter puts it right.</source>
        <translation>O filtro de gerações anteriores já tinha sido retirado de %1; a próxima geração que substitua o filtro anterior corrige isso.</translation>
    </message>
    <message>
        <source>Last Build failed: %1</source>
        <translation>A última geração falhou: %1</translation>
    </message>
    <message>
        <source>Build failed: %1</source>
        <translation>A geração falhou: %1</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2</source>
        <translation>Não é possível ler o ficheiro de palavras "%1": %2</translation>
    </message>
    <message>
        <source>Cannot read: %1</source>
        <translation>Não é possível ler: %1</translation>
    </message>
    <message>
        <source>The profile was not saved: line %1 of "%2" is not UTF-8, and saving would put UTF-8 lines beside it. Nothing was written. Convert the file to UTF-8 and open it again, or save the profile to another file.</source>
        <translation>O perfil não foi guardado: a linha %1 de "%2" não é UTF-8, e guardar poria linhas UTF-8 ao lado dela. Nada foi escrito. Converta o ficheiro para UTF-8 e abra-o de novo, ou guarde o perfil noutro ficheiro.</translation>
    </message>
    <message>
        <source>The profile was not saved. %1</source>
        <translation>O perfil não foi guardado. %1</translation>
    </message>
    <message>
        <source>The profile was saved to "%1" without the empty word, which a profile cannot hold; add it again after the next start.</source>
        <translation>O perfil foi guardado em "%1" sem a palavra vazia, que um perfil não pode conter; adicione-a de novo depois do próximo arranque.</translation>
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
        <translation>Instruções

Devido a uma falha explorável que faz cair os servidores, nenhuma entrada 
de localização pode ser mais longa do que o texto que modifica. Para
ajudar com isto, pode usar esta ferramenta para ajustar e gerar as 
entradas do filtro de palavras do seu ficheiro de localização.

Primeiro, adicione palavras à lista no canto inferior esquerdo, ou faça
duplo clique numa palavra para a remover da lista. Depois, marque a opção
se quiser escrever no ficheiro de localização predefinido. Caso contrário,
o texto é colocado num ficheiro chamado badnames.txt. Pode depois editá-lo
e cortar e colar as entradas no seu ficheiro de localização.

A outra opção selecionável acrescenta mais variantes às palavras, mas
também torna o arranque do servidor um pouco mais lento.

Se cortar e colar as suas próprias entradas, coloque-as depois de todas as
outras entradas de localização.
</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2; start-up rewrites only a regular file there.</source>
        <translation>Não é possível escrever "%1": é %2; no arranque só é reescrito aí um ficheiro normal.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Print the program's name and version and exit.</source>
        <translation>Mostrar o nome e a versão do programa e sair.</translation>
    </message>
    <message>
        <source>Keeps the word list of the game server's chat filter and builds its
entries into badnames.txt (which the server does not read) or
localization.txt in the working directory. Every start rewrites
badword.txt there. The details: man vantro-filter-tool</source>
        <translation>Mantém a lista de palavras do filtro de chat do servidor de jogo e gera
as suas entradas em badnames.txt (que o servidor não lê) ou em
localization.txt no diretório de trabalho. Cada arranque reescreve aí
o badword.txt. Pormenores: man vantro-filter-tool</translation>
    </message>
    <message>
        <source>May be given more than once. Save profile (Ctrl+S) writes the window's edits back to the last FILE.</source>
        <translation>Pode ser indicada mais de uma vez. Guardar perfil (Ctrl+S) escreve as alterações feitas na janela no último FILE.</translation>
    </message>
    <message>
        <source>Unexpected argument "%1".</source>
        <translation>Argumento inesperado "%1".</translation>
    </message>
    <message>
        <source>There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter.</source>
        <translation>Não há nenhum ecrã onde mostrar a janela (nem DISPLAY nem WAYLAND_DISPLAY estão definidos); numa máquina sem ambiente de trabalho, use vantro-filter.</translation>
    </message>
    <message>
        <source>The word file "%1" cannot be read: %2 Nothing was written.</source>
        <translation>Não é possível ler o ficheiro de palavras "%1": %2 Nada foi escrito.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi escrito.</translation>
    </message>
    <message>
        <source>"%1" cannot be added to the word list. %2</source>
        <translation>Não é possível adicionar "%1" à lista de palavras. %2</translation>
    </message>
    <message>
        <source>"%1" was removed from the word list; Ctrl+Z puts it back.</source>
        <translation>A palavra "%1" foi removida da lista de palavras; Ctrl+Z repõe-na.</translation>
    </message>
    <message>
        <source>"%1" is back in the word list.</source>
        <translation>A palavra "%1" voltou à lista de palavras.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n entrada voltou à lista de palavras.</numerusform>
            <numerusform>%n entradas voltaram à lista de palavras.</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list holds the words again, as before the Build, with those added since; the next Build expands them.</source>
        <translation>A lista de palavras volta a conter as palavras, como antes da geração, mais as adicionadas desde então; a próxima geração expande-as.</translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n palavra adicionada de "%1"</numerusform>
            <numerusform>%n palavras adicionadas de "%1"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; %n delas já estava na lista.</numerusform>
            <numerusform>; %n delas já estavam na lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n entrada retirada da lista de palavras (as palavras de "%1"); Ctrl+Z repõe-na.</numerusform>
            <numerusform>%n entradas retiradas da lista de palavras (as palavras de "%1"); Ctrl+Z repõe-nas.</numerusform>
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
        <translation>Linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These lines of "%1" were not taken out of the word list:
%2</source>
        <translation>Estas linhas de "%1" não foram retiradas da lista de palavras:
%2</translation>
    </message>
    <message>
        <source>These lines of "%1" were not added to the word list:
%2</source>
        <translation>Estas linhas de "%1" não foram adicionadas à lista de palavras:
%2</translation>
    </message>
    <message>
        <source>Undo removal</source>
        <translation>Anular remoção</translation>
    </message>
    <message>
        <source>Back to the words</source>
        <translation>Voltar às palavras</translation>
    </message>
    <message>
        <source>Add words from a file...</source>
        <translation>Adicionar palavras de um ficheiro...</translation>
    </message>
    <message>
        <source>Take out the words of a file...</source>
        <translation>Retirar as palavras de um ficheiro...</translation>
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
        <translation>Gerar substituindo o filtro anterior</translation>
    </message>
    <message>
        <source>Build the spellings players type too</source>
        <translation>Gerar também as grafias que os jogadores escrevem</translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; a próxima geração escreve %n entrada</numerusform>
            <numerusform>; a próxima geração escreve %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
</context>
</TS>
