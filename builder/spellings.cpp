#include "builder/spellings.h"

#include "builder/cipher.h"
#include "builder/variants.h"
#include "wordlists/casefold.h"
#include "wordlists/wordcheck.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace vantro {

namespace {

struct LookAlike
{
    QChar from;
    QChar to;
};

// The look-alike characters, the most used first; players combine the first five.
constexpr std::array<LookAlike, 10> kLookAlikes{{{u'o', u'0'},
                                                 {u'i', u'1'},
                                                 {u'e', u'3'},
                                                 {u'a', u'@'},
                                                 {u's', u'5'},
                                                 {u'i', u'!'},
                                                 {u't', u'7'},
                                                 {u'a', u'4'},
                                                 {u's', u'$'},
                                                 {u't', u'+'}}};
constexpr int kCombined = 5;

// The ranks of one round: the keyboard's forms, the five common look-alikes, all five at once,
// the five rarer ones. The capitalised round follows.
constexpr int kKeyboardRank = 0;
constexpr int kRoundRanks = 12;

QString eachWordCapitalised(const QString &word)
{
    QStringList parts = word.split(u' ');
    for (QString &part : parts)
        part = capitalisedForm(part);
    return parts.join(u' ');
}

// Accents dropped, and the letters that have no accent to drop spelled out.
QString plainLetters(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    return plain.replace(u'ß', QStringLiteral("ss"))
        .replace(u'œ', QStringLiteral("oe"))
        .replace(u'æ', QStringLiteral("ae"));
}

QString umlautsSpelledOut(QString text)
{
    text.replace(u'ä', QStringLiteral("ae"))
        .replace(u'ö', QStringLiteral("oe"))
        .replace(u'ü', QStringLiteral("ue"));
    return plainLetters(text);
}

// A form worth an entry: two letters or more left (a lone "0" or "1" is an ordinary word's), a
// replacement that differs from it, and nothing that cannot go into an entry.
bool makesEntry(const QString &form)
{
    const auto letters =
        std::count_if(form.cbegin(), form.cend(), [](QChar c) { return c.isLetter(); });
    return letters >= 2 && makeReplacement(form) != form && checkWord(form);
}

} // namespace

QList<SpellingForm> spellingFormsOf(const QString &word)
{
    QList<SpellingForm> round;
    const auto candidate = [&](const QString &text, int rank) { round.append({text, rank}); };
    candidate(eachWordCapitalised(word), kKeyboardRank);
    candidate(plainLetters(word), kKeyboardRank);
    candidate(umlautsSpelledOut(word), kKeyboardRank);
    candidate(QString(word).replace(u'\'', u'\u2019'), kKeyboardRank);
    candidate(QString(word).replace(u'\u2019', u'\''), kKeyboardRank);
    QString combined = word;
    for (int i = 0; i < int(kLookAlikes.size()); ++i) {
        const LookAlike swap = kLookAlikes[size_t(i)];
        candidate(QString(word).replace(swap.from, swap.to), i < kCombined ? i + 1 : i + 2);
        if (i < kCombined)
            combined.replace(swap.from, swap.to);
    }
    candidate(combined, kCombined + 1);

    const QStringList variants = expandWord(word, true);
    QSet<QString> seen(variants.cbegin(), variants.cend());
    QList<SpellingForm> forms;
    const auto take = [&](const QString &text, int rank) {
        if (!seen.contains(text) && makesEntry(text)) {
            seen.insert(text);
            forms.append({text, rank});
        }
    };
    for (const SpellingForm &form : std::as_const(round))
        take(form.text, form.rank);
    for (const SpellingForm &form : std::as_const(round))
        take(capitalisedForm(form.text), form.rank + kRoundRanks);
    return forms;
}

QStringList spellingVariants(const SortedTextList &sourceList, const SortedTextList &variants)
{
    struct Candidate
    {
        int rank;
        qsizetype length;
        QString text;
    };
    QList<Candidate> candidates;
    for (const QString &word : sourceList.items()) {
        if (word.isEmpty())
            continue;
        for (SpellingForm &form : spellingFormsOf(word))
            candidates.append({form.rank, word.size(), std::move(form.text)});
    }
    // Short words are the ones typed most.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) {
                         return a.rank != b.rank ? a.rank < b.rank : a.length < b.length;
                     });
    QSet<QString> taken(variants.items().cbegin(), variants.items().cend());
    const qsizetype budget = variants.count() / 2;
    QStringList added;
    for (Candidate &candidate : candidates) {
        if (added.size() == budget)
            break;
        if (!taken.contains(candidate.text)) {
            taken.insert(candidate.text);
            added.append(std::move(candidate.text));
        }
    }
    return added;
}

} // namespace vantro
