#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace vantro {

// Words in the order they were appended, a word possibly more than once, with hashed look-ups:
// every change costs constant time on average, however many words there are.
class OrderedWords
{
public:
    OrderedWords() = default;
    explicit OrderedWords(const QStringList &words);

    bool contains(const QString &word) const { return m_counts.value(word).kept > 0; }
    void append(const QString &word);
    // Takes out the first entry of the word; returns whether there was one.
    bool removeFirst(const QString &word);
    // Takes out every entry of the word; returns whether there was one.
    bool removeAll(const QString &word);
    QStringList list() const;

private:
    // The entries of a word still kept are always its last ones in m_appended, since entries
    // are taken out from the front and appended at the back; a count says how many.
    struct Counts
    {
        qsizetype kept = 0;
        qsizetype appended = 0;
    };
    bool forget(const QString &word, qsizetype entries);

    QStringList m_appended; // every entry since the last compaction, kept or taken out
    QHash<QString, Counts> m_counts;
    qsizetype m_kept = 0;
};

// How the user's word list differs from the one the window started from, as a profile says it:
// the words added and the words taken out. It starts as the loaded profile said and follows
// every edit of the user, so that a word added and removed again is in neither list.
class ProfileEdits
{
public:
    // The words of the start before the profile (the built-in entries or the --words files',
    // and the --add files'), and the loaded profile's additions and removals.
    void start(const QStringList &startWords, const QStringList &additions,
               const QStringList &removals);

    // The user put the word into the list (Add Word, a word file, an Undo).
    void wordAdded(const QString &word);
    // The user removed one entry of the word from the list; a variant that a Build put there is
    // no edit (listHoldsVariants: the list shows a Build's variants). Returns whether the
    // removal was an edit, for its Undo.
    bool wordRemoved(const QString &word, bool listHoldsVariants);
    // The user took every entry of the word out (a file's words, a profile's "-" lines).
    void wordTakenOut(const QString &word);

    QStringList additions() const { return m_additions.list(); }
    QStringList removals() const { return m_removals.list(); }
    // The profile file: a comment line, the additions, then the removals, UTF-8, LF line ends.
    // The empty word, which no profile line can hold, is left out (see holdsEmptyWord).
    QByteArray profileText() const;
    bool holdsEmptyWord() const;

private:
    QSet<QString> m_startWords;
    OrderedWords m_additions;
    OrderedWords m_removals;
};

} // namespace vantro
