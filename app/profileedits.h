#pragma once

#include "builder/wordfile.h"

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

    // The profile file that Save profile writes from now on, as it was read, and its words,
    // which the edits already hold. Its lines stay as they stand, in their order, those it
    // refused too; only a "-WORD" line goes, when the user puts WORD back, since a word taken
    // out stays out whatever adds it. No bytes: no file.
    void keepLinesOf(const QByteArray &bytes, const WordFile &file);

    QStringList additions() const { return m_additions.list(); }
    QStringList removals() const { return m_removals.list(); }
    // The profile file. Without a file's lines: a comment line, the additions, then the
    // removals, UTF-8, LF line ends. With them: its lines, then a line for each addition and
    // removal they do not say, ended as its last line is. The empty word, which no profile line
    // can hold, is left out (see holdsEmptyWord).
    QByteArray profileText() const;
    bool holdsEmptyWord() const;
    // Whether Save profile would write other lines than it last wrote, or than the profile held
    // when its lines were kept: edits since then that the user has not undone.
    bool changedSinceSaved() const { return profileText() != m_savedText; }
    void markSaved() { m_savedText = profileText(); }

private:
    QSet<QString> m_startWords;
    OrderedWords m_additions;
    OrderedWords m_removals;
    // The file's lines (its bytes), how many of them add each word, and its "-WORD" lines.
    QString editLines(const QString &ending) const; // the edits that the file's lines do not say

    QByteArray m_fileBytes;
    QStringList m_fileAdditions;
    QHash<qsizetype, QString> m_fileRemovalLines; // the word of each, by line number
    QSet<QString> m_fileRemovals;
    QByteArray m_savedText; // the profile's lines as last saved or kept
};

// The number of the first line that is not UTF-8 (1-based); 0 when every line is.
qsizetype firstLineNotUtf8(QByteArrayView bytes);

} // namespace vantro
