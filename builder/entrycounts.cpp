#include "builder/entrycounts.h"

#include "builder/spellings.h"
#include "builder/variants.h"

#include <QHash>

namespace vantro {

EntryCounts countEntries(const SortedTextList &words, bool maxUsage, const WordOrigins &origins)
{
    // The words of each language, and those of none, each counted as a Build of them alone.
    QHash<WordLanguage, QStringList> ofLanguage;
    QStringList yours;
    for (const QString &word : words.items()) {
        if (word.isEmpty())
            continue;
        const QList<BuiltInEntry> entries = origins.builtInEntries(word);
        if (entries.isEmpty())
            yours.append(word);
        for (const BuiltInEntry &entry : entries) {
            QStringList &list = ofLanguage[entry.language];
            if (list.isEmpty() || list.last() != word)
                list.append(word);
        }
    }
    const auto count = [maxUsage](const QStringList &some) {
        return buildVariantList(SortedTextList::fromUnsorted(some), maxUsage).count();
    };
    EntryCounts counts;
    const SortedTextList source = sourceListFrom(words);
    const SortedTextList variants = buildVariantList(source, maxUsage);
    counts.total = variants.count();
    counts.spellings = spellingVariants(source, variants).size();
    for (const WordLanguage language : origins.languages())
        counts.languages.append({language, count(ofLanguage.value(language))});
    counts.yourWords = count(yours);
    return counts;
}

} // namespace vantro
