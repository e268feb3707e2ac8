#include "builder/wordlistsources.h"

#include "builder/tr.h"
#include "common/showntext.h"
#include "wordlists/builtinwords.h"
#include "wordlists/casefold.h"

#include <QSet>

namespace vantro {

QString idleTakeOutMessage(const IdleTakeOut &takeOut)
{
    const QString word = shownText(takeOut.word);
    return builder::Tr::tr("\"%1\" takes out nothing: no entry is \"%2\".")
        .arg(takeOut.profile ? u'-' + word : word, word);
}

ComposedWordList composeWordSources(const WordSourceNames &names, const WordFileOpener &open)
{
    ComposedWordList composed;
    QList<IdleTakeOut> takeOuts; // every taking-out, until it is known which take out nothing
    const auto read = [&](const QString &name, WordFileKind kind, QStringList &words,
                          QStringList *removals = nullptr) {
        Result<WordFile> file = Error{};
        const Result<void> opened =
            open(name, [&](QIODevice &device) { file = readWordFile(device, kind, name); });
        if (!opened || !file) {
            composed.unreadable.append({name, opened ? file.error() : opened.error()});
            return;
        }
        if (kind != WordFileKind::TakeOut)
            composed.fileWords.append(
                {name, kind == WordFileKind::Profile, words.size(), file->words.size()});
        for (const WordFileWord &word : std::as_const(file->words)) {
            words.append(word.text);
            if (kind == WordFileKind::TakeOut)
                takeOuts.append({name, word.line, word.text, false});
        }
        if (removals) {
            for (const WordFileWord &word : std::as_const(file->removals)) {
                removals->append(word.text);
                takeOuts.append({name, word.line, word.text, true});
            }
        }
        if (!file->problems.isEmpty())
            composed.refused.append({name, file->problems});
    };
    if (names.wordFiles.isEmpty())
        composed.startWords = wordListFromSource(builtInSourceList(names.builtIn)).items();
    for (const QString &name : names.wordFiles)
        read(name, WordFileKind::Words, composed.startWords);
    for (const QString &name : names.addFiles)
        read(name, WordFileKind::Words, composed.startWords);
    for (const QString &name : names.profileFiles)
        read(name, WordFileKind::Profile, composed.additions, &composed.removals);
    for (const QString &name : names.exceptFiles)
        read(name, WordFileKind::TakeOut, composed.exceptions);
    if (!takeOuts.isEmpty()) {
        QSet<QString> present;
        for (const QStringList *words : {&composed.startWords, &composed.additions}) {
            for (const QString &word : *words)
                present.insert(lowerCaseForm(word));
        }
        for (const IdleTakeOut &takeOut : std::as_const(takeOuts)) {
            if (!present.contains(lowerCaseForm(takeOut.word)))
                composed.idleTakeOuts.append(takeOut);
        }
    }
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    composed.words = composeWordList(composed.startWords + composed.additions,
                                     composed.removals + composed.exceptions);
    return composed;
}

} // namespace vantro
