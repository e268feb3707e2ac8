#include "builder/variants.h"

#include "builder/cipher.h"
#include "builder/spellings.h"
#include "builder/tr.h"
#include "common/showntext.h"
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

NewWord prepareWordToBuild(const QString &typed)
{
    NewWord word = prepareNewWord(typed);
    if (!word.checked || word.text.isEmpty())
        return word;
    // The variants are the word in its three case forms, bare or with "!", ".", "?" or "_" at an
    // end. Case forms keep a letter of the table one of the table, and keep every other
    // character out of it: every variant is changed exactly when the word is. Those with "." or
    // "_" are changed all the same, but only in that character, which hides nothing.
    if (makeReplacement(word.text) == word.text)
        word.checked =
            Error{ErrorKind::Refused,
                  builder::Tr::tr("The replacement of \"%1\" would equal it: a filter entry "
                                  "replaces only the letters A to Z, a to z and \"$\", \".\", "
                                  "\"-\" and \"_\", and it holds none of them.")
                      .arg(shownText(word.text))};
    return word;
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

SortedTextList buildVariantList(const SortedTextList &sourceList, bool maxUsage, bool spellings)
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
    if (!spellings)
        return variants;
    // The spelling forms are none of the variants and each once: nothing to remove.
    return SortedTextList::fromUnsorted(variants.items() + spellingVariants(sourceList, variants));
}

} // namespace vantro
