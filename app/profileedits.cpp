#include "app/profileedits.h"

#include <algorithm>

namespace vantro {

OrderedWords::OrderedWords(const QStringList &words)
{
    m_appended.reserve(words.size());
    for (const QString &word : words)
        append(word);
}

void OrderedWords::append(const QString &word)
{
    m_appended.append(word);
    Counts &counts = m_counts[word];
    ++counts.kept;
    ++counts.appended;
    ++m_kept;
}

bool OrderedWords::removeFirst(const QString &word)
{
    return forget(word, 1);
}

bool OrderedWords::removeAll(const QString &word)
{
    return forget(word, m_appended.size());
}

bool OrderedWords::forget(const QString &word, qsizetype entries)
{
    const auto counts = m_counts.find(word);
    if (counts == m_counts.end() || counts->kept == 0)
        return false;
    entries = std::min(entries, counts->kept);
    counts->kept -= entries;
    m_kept -= entries;
    // Once most entries are taken out, the list is made again of the kept ones; that copies
    // fewer entries than were taken out since it was last made.
    if (m_appended.size() > 2 * m_kept + 16)
        *this = OrderedWords(list());
    return true;
}

QStringList OrderedWords::list() const
{
    if (m_kept == m_appended.size())
        return m_appended;
    QStringList words;
    words.reserve(m_kept);
    QHash<QString, qsizetype> passed; // the entries of each word met so far
    for (const QString &word : m_appended) {
        const Counts counts = m_counts.value(word);
        if (passed[word]++ >= counts.appended - counts.kept)
            words.append(word);
    }
    return words;
}

void ProfileEdits::start(const QStringList &startWords, const QStringList &additions,
                         const QStringList &removals)
{
    m_startWords = QSet<QString>(startWords.begin(), startWords.end());
    m_additions = OrderedWords(additions);
    m_removals = OrderedWords(removals);
}

void ProfileEdits::wordAdded(const QString &word)
{
    // A word taken out of the start's words comes back by no longer being taken out; one that
    // was never there needs its addition as well.
    if (m_removals.removeAll(word) && (m_startWords.contains(word) || m_additions.contains(word)))
        return;
    m_additions.append(word);
}

bool ProfileEdits::wordRemoved(const QString &word, bool listHoldsVariants)
{
    if (m_additions.removeFirst(word))
        return true;
    if (listHoldsVariants)
        return false;
    if (!m_removals.contains(word))
        m_removals.append(word);
    return true;
}

void ProfileEdits::wordTakenOut(const QString &word)
{
    m_additions.removeAll(word);
    if (!m_removals.contains(word))
        m_removals.append(word);
}

QByteArray ProfileEdits::profileText() const
{
    QString text = QStringLiteral("# Vantro Bad Word Filter Tool profile: a line WORD or +WORD "
                                  "adds WORD, -WORD takes it out.\n");
    for (const QString &word : additions()) {
        if (word.isEmpty())
            continue;
        // "+" keeps a word that starts with a sign or "#", or holds only blanks, a word.
        const bool needsSign = word.startsWith(u'+') || word.startsWith(u'-') ||
                               word.startsWith(u'#') || word.trimmed().isEmpty();
        text += (needsSign ? QStringLiteral("+") : QString()) + word + u'\n';
    }
    for (const QString &word : removals()) {
        if (!word.isEmpty())
            text += u'-' + word + u'\n';
    }
    return text.toUtf8();
}

bool ProfileEdits::holdsEmptyWord() const
{
    return m_additions.contains(QString()) || m_removals.contains(QString());
}

} // namespace vantro
