#pragma once

#include <QByteArray>
#include <QSet>
#include <QStringList>

namespace vantro {

// How the user's word list differs from the one the window started from, as a profile says it:
// the words added and the words taken out. It starts as the loaded profile said and follows
// every edit of the user, so that a word added and removed again is in neither list.
class ProfileEdits
{
public:
    // The words of the start before the profile (the built-in entries or the --words files',
    // and the --add files'), and the loaded profile's additions and removals.
    void start(const QStringList &startWords, QStringList additions, QStringList removals);

    // The user put the word into the list (Add Word, a word file, an Undo).
    void wordAdded(const QString &word);
    // The user removed one entry of the word from the list; a variant that a Build put there is
    // no edit (listHoldsVariants: the list shows a Build's variants). Returns whether the
    // removal was an edit, for its Undo.
    bool wordRemoved(const QString &word, bool listHoldsVariants);
    // The user took every entry of the word out (a file's words, a profile's "-" lines).
    void wordTakenOut(const QString &word);

    const QStringList &additions() const { return m_additions; }
    const QStringList &removals() const { return m_removals; }
    // The profile file: a comment line, the additions, then the removals, UTF-8, LF line ends.
    // The empty word, which no profile line can hold, is left out (see holdsEmptyWord).
    QByteArray profileText() const;
    bool holdsEmptyWord() const;

private:
    QSet<QString> m_startWords;
    QStringList m_additions;
    QStringList m_removals;
};

} // namespace vantro
