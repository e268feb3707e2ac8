#include "builder/variants.h"

#include "wordlists/casefold.h"

namespace vantro {

QStringList expandWord(const QString &plain, bool maxUsage)
{
    const QString upper = upperCaseForm(plain);
    const QString capitalised = capitalisedForm(plain);
    const QChar underscore = u'_';

    QStringList variants;
    variants.reserve(maxUsage ? 18 : 9);
    variants << plain << plain + u'!' << plain + u'.';
    variants << upper << upper + u'!' << upper + u'.';
    if (maxUsage) {
        variants << plain + u'?' << upper + u'?';
        variants << plain + underscore << upper + underscore;
        variants << underscore + plain << underscore + upper;
    }
    variants << capitalised << capitalised + u'!' << capitalised + u'.';
    if (maxUsage)
        variants << underscore + capitalised << capitalised + u'?' << capitalised + underscore;
    return variants;
}

SortedTextList sourceListFrom(const SortedTextList &wordList)
{
    SortedTextList source;
    for (const QString &word : wordList.items()) {
        if (!word.isEmpty())
            source.addItem(word);
    }
    return source;
}

SortedTextList buildVariantList(const SortedTextList &sourceList, bool maxUsage)
{
    QStringList all;
    all.reserve(sourceList.count() * (maxUsage ? 18 : 9));
    for (const QString &word : sourceList.items()) {
        if (!word.isEmpty())
            all.append(expandWord(word, maxUsage));
    }
    // One sort of the whole set gives the list that adding the variants one by one would give.
    SortedTextList variants = SortedTextList::fromUnsorted(std::move(all));
    variants.removeEqualNeighbours();
    return variants;
}

} // namespace vantro
