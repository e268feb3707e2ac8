#include "builder/explain.h"

#include "builder/cipher.h"
#include "builder/spellings.h"
#include "builder/variants.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace vantro {

QList<Explanation> explainTexts(const QStringList &texts, const SortedTextList &words,
                                bool maxUsage, bool spellings, qsizetype limit)
{
    // The spelling forms that a Build of these words writes: those within its budget.
    QSet<QString> written;
    if (spellings) {
        const SortedTextList source = sourceListFrom(words);
        const QStringList forms =
            spellingVariants(source, buildVariantList(source, maxUsage, false));
        written = QSet<QString>(forms.begin(), forms.end());
    }
    QList<Explanation> explanations;
    QMultiHash<QString, qsizetype> byText;
    for (const QString &text : texts) {
        byText.insert(text, explanations.size());
        explanations.append({text, {}, 0});
    }
    // One pass over every variant: a word list of many thousand words is a few hundred thousand
    // replacements, each made once.
    const auto note = [&](const QString &word, ShownForm form, const QString &shown,
                          const QString &variant) {
        for (auto it = byText.constFind(shown); it != byText.cend() && it.key() == shown; ++it) {
            // The current word's entries are the last ones: find its entry of this form.
            QList<ExplainedEntry> &entries = explanations[it.value()].entries;
            const auto same =
                std::find_if(entries.rbegin(), entries.rend(), [&](const ExplainedEntry &entry) {
                    return entry.word != word || entry.form == form;
                });
            if (same == entries.rend() || same->word != word)
                entries.append({word, form, {variant}});
            else if (!same->variants.contains(variant)) // a word without letters repeats its forms
                same->variants.append(variant);
        }
    };
    for (const QString &word : words.items()) {
        if (word.isEmpty())
            continue;
        QStringList variants = expandWord(word, maxUsage);
        if (!written.isEmpty())
            for (const SpellingForm &form : spellingFormsOf(word))
                if (written.contains(form.text))
                    variants.append(form.text);
        for (const QString &variant : std::as_const(variants)) {
            note(word, ShownForm::Typed, variant, variant);
            note(word, ShownForm::Cipher, makeReplacement(variant), variant);
            note(word, ShownForm::Mask, makeMask(variant), variant);
        }
    }
    for (Explanation &explanation : explanations) {
        explanation.moreEntries = std::max<qsizetype>(0, explanation.entries.size() - limit);
        explanation.entries.resize(explanation.entries.size() - explanation.moreEntries);
    }
    return explanations;
}

} // namespace vantro
