#include "app/profileedits.h"

#include <algorithm>

namespace vantro {

using namespace Qt::StringLiterals;

namespace {

// Where the line that starts there ends: behind its LF, or at the end of the bytes.
qsizetype lineEnd(QByteArrayView bytes, qsizetype start)
{
    const qsizetype lf = bytes.indexOf('\n', start);
    return lf < 0 ? bytes.size() : lf + 1;
}

} // namespace

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

void ProfileEdits::keepLinesOf(const QByteArray &bytes, const WordFile &file)
{
    m_fileBytes = bytes;
    m_fileAdditions.clear();
    m_fileRemovalLines.clear();
    m_fileRemovals.clear();
    for (const WordFileWord &word : file.words)
        m_fileAdditions.append(word.text);
    for (const WordFileWord &word : file.removals) {
        m_fileRemovalLines.insert(word.line, word.text);
        m_fileRemovals.insert(word.text);
    }
    markSaved();
}

QByteArray ProfileEdits::profileText() const
{
    if (m_fileBytes.isEmpty())
        return "# Vantro Bad Word Filter Tool profile: a line WORD or +WORD adds WORD, -WORD "
               "takes it out.\n" +
               editLines(u"\n"_s).toUtf8();
    // The file's lines, less the "-WORD" lines of words that the user put back.
    const QByteArrayView file = m_fileBytes;
    QByteArray text;
    text.reserve(file.size());
    qsizetype number = 0;
    for (qsizetype start = 0, end = 0; start < file.size(); start = end) {
        end = lineEnd(file, start);
        const auto removal = m_fileRemovalLines.constFind(++number);
        if (removal == m_fileRemovalLines.cend() || m_removals.contains(*removal))
            text += file.sliced(start, end - start);
        else if (number == 1 && file.startsWith("\xEF\xBB\xBF"))
            text += "\xEF\xBB\xBF"; // the byte-order mark stays
    }
    // The edits' lines end as the file's last line does; a last line without an end gets one.
    const qsizetype lastLf = file.lastIndexOf('\n');
    const QString ending = lastLf > 0 && file.at(lastLf - 1) == '\r' ? u"\r\n"_s : u"\n"_s;
    const QString edits = editLines(ending);
    if (!edits.isEmpty() && !text.isEmpty() && !text.endsWith('\n'))
        text += ending.toLatin1();
    return text + edits.toUtf8();
}

QString ProfileEdits::editLines(const QString &ending) const
{
    QString text;
    // Additions beyond those the file's lines say; the first entries of a word are the file's.
    QHash<QString, qsizetype> fileLines;
    for (const QString &word : m_fileAdditions)
        ++fileLines[word];
    for (const QString &word : additions()) {
        if (word.isEmpty())
            continue;
        if (const auto left = fileLines.find(word); left != fileLines.end() && *left > 0) {
            --*left;
            continue;
        }
        // "+" keeps a word that starts with a sign or "#", or holds only blanks, a word.
        const bool needsSign = word.startsWith(u'+') || word.startsWith(u'-') ||
                               word.startsWith(u'#') || word.trimmed().isEmpty();
        text += (needsSign ? u"+"_s : QString()) + word + ending;
    }
    for (const QString &word : removals()) {
        if (!word.isEmpty() && !m_fileRemovals.contains(word))
            text += u'-' + word + ending;
    }
    // A word that only the file's lines added, and the user removed: its lines stay.
    QSet<QString> takenOut;
    for (const QString &word : m_fileAdditions) {
        if (!m_additions.contains(word) && !m_removals.contains(word) &&
            !m_startWords.contains(word) && !takenOut.contains(word)) {
            takenOut.insert(word);
            text += u'-' + word + ending;
        }
    }
    return text;
}

bool ProfileEdits::holdsEmptyWord() const
{
    return m_additions.contains(QString()) || m_removals.contains(QString());
}

qsizetype firstLineNotUtf8(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return 0;
    qsizetype number = 1;
    for (qsizetype start = 0, end = 0; start < bytes.size(); start = end, ++number) {
        end = lineEnd(bytes, start);
        if (!bytes.sliced(start, end - start).isValidUtf8())
            return number;
    }
    return 0;
}

} // namespace vantro
