#include "builder/wordlistsources.h"

#include <algorithm>

namespace vantro {

WordFileKind wordFileKindOf(WordFileRole role)
{
    return role == WordFileRole::Profile ? WordFileKind::Profile : WordFileKind::Words;
}

SortedTextList composeBuildWordList(QStringList builtInWords, const QList<WordSource> &sources)
{
    const bool replaced = std::any_of(sources.begin(), sources.end(), [](const WordSource &s) {
        return s.role == WordFileRole::Replacing;
    });
    QStringList words;
    if (!replaced)
        words = std::move(builtInWords);
    QStringList removals;
    const auto addWords = [](QStringList &to, const QList<WordFileWord> &from) {
        for (const WordFileWord &word : from)
            to.append(word.text);
    };
    // The base list, then the additions in their order; taking-outs come last.
    for (const WordSource &source : sources) {
        if (source.role == WordFileRole::Replacing)
            addWords(words, source.file.words);
    }
    for (const WordSource &source : sources) {
        if (source.role == WordFileRole::Adding)
            addWords(words, source.file.words);
    }
    for (const WordSource &source : sources) {
        switch (source.role) {
        case WordFileRole::Profile:
            addWords(words, source.file.words);
            addWords(removals, source.file.removals);
            break;
        case WordFileRole::Except:
            addWords(removals, source.file.words);
            break;
        case WordFileRole::Replacing:
        case WordFileRole::Adding:
            break;
        }
    }
    return composeWordList(std::move(words), removals);
}

} // namespace vantro
