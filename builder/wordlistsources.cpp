#include "builder/wordlistsources.h"

#include "wordlists/builtinwords.h"

namespace vantro {

ComposedWordList composeWordSources(const WordSourceNames &names, const WordFileOpener &open)
{
    ComposedWordList composed;
    const auto read = [&](const QString &name, WordFileKind kind, QStringList &words,
                          QStringList *removals = nullptr) {
        Result<WordFile> file = Error{};
        const Result<void> opened =
            open(name, [&](QIODevice &device) { file = readWordFile(device, kind); });
        if (!opened || !file) {
            composed.unreadable.append({name, opened ? file.error() : opened.error()});
            return;
        }
        if (kind != WordFileKind::TakeOut)
            composed.fileWords.append(
                {name, kind == WordFileKind::Profile, words.size(), file->words.size()});
        for (const WordFileWord &word : std::as_const(file->words))
            words.append(word.text);
        if (removals) {
            for (const WordFileWord &word : std::as_const(file->removals))
                removals->append(word.text);
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
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    composed.words = composeWordList(composed.startWords + composed.additions,
                                     composed.removals + composed.exceptions);
    return composed;
}

} // namespace vantro
