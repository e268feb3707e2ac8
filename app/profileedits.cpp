#include "app/profileedits.h"

namespace vantro {

void ProfileEdits::start(const QStringList &startWords, QStringList additions, QStringList removals)
{
    m_startWords = QSet<QString>(startWords.begin(), startWords.end());
    m_additions = std::move(additions);
    m_removals = std::move(removals);
}

void ProfileEdits::wordAdded(const QString &word)
{
    // A word taken out of the start's words comes back by no longer being taken out; one that
    // was never there needs its addition as well.
    if (m_removals.removeAll(word) > 0 &&
        (m_startWords.contains(word) || m_additions.contains(word)))
        return;
    m_additions.append(word);
}

bool ProfileEdits::wordRemoved(const QString &word, bool listHoldsVariants)
{
    if (m_additions.removeOne(word))
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
    for (const QString &word : m_additions) {
        if (word.isEmpty())
            continue;
        // "+" keeps a word that starts with a sign or "#", or holds only blanks, a word.
        const bool needsSign = word.startsWith(u'+') || word.startsWith(u'-') ||
                               word.startsWith(u'#') || word.trimmed().isEmpty();
        text += (needsSign ? QStringLiteral("+") : QString()) + word + u'\n';
    }
    for (const QString &word : m_removals) {
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
