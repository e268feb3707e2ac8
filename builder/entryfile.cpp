#include "entryfile.h"

#include "entryline.h"
#include "readtoend.h"
#include "showntext.h"
#include "windows1252.h"

#include "buildertext.h"
#include <QHash>
#include <QStringView>

namespace vantro {

namespace {

// The first entry of a text, by its line and replacement (views into the checked text).
struct FirstEntry
{
    qsizetype line = 0;
    QStringView replacement;
};

// An entry by its two texts.
struct EntryKey
{
    QStringView text;
    QStringView replacement;

    bool operator==(const EntryKey &other) const
    {
        return text == other.text && replacement == other.replacement;
    }
};

size_t qHash(const EntryKey &key, size_t seed)
{
    return qHashMulti(seed, key.text, key.replacement);
}

QString dangerousMessage(const EntryLine &entry)
{
    return Builder::tr("the replacement \"%1\" (%2 characters) is longer than its text \"%3\" (%4 "
                       "characters); an entry like this can crash the server.")
        .arg(shownText(entry.replacement), QString::number(entry.replacement.size()),
             shownText(entry.text), QString::number(entry.text.size()));
}

QString conflictingMessage(const EntryLine &entry, const FirstEntry &first)
{
    return Builder::tr("conflicting: the text \"%1\" has the replacement \"%2\" here and \"%3\" in "
                       "the entry of line %4.")
        .arg(shownText(entry.text), shownText(entry.replacement), shownText(first.replacement),
             QString::number(first.line));
}

// Walks the file's entries and keeps what is needed to tell repeats and conflicts.
class EntryChecker
{
public:
    explicit EntryChecker(EntryFileCheck &check)
        : m_check(check),
          // Looked up once: a file of repeated Builds holds a repeat on almost every line.
          m_repeatMessage(Builder::tr("repeats the entry of line %1."))
    {
    }

    void checkLine(QStringView line, qsizetype number, qsizetype start, qsizetype length)
    {
        const auto report = [&](EntryFinding::Kind kind, QString message, qsizetype earlier = 0) {
            m_check.findings.append({kind, number, earlier, start, length, std::move(message)});
        };
        const EntryLine entry = parseEntryLine(line);
        switch (entry.kind) {
        case EntryLine::Kind::Other:
            return;
        case EntryLine::Kind::Malformed:
            ++m_check.counts.malformed;
            report(EntryFinding::Kind::Malformed,
                   Builder::tr("malformed entry line: %1").arg(entry.problem));
            return;
        case EntryLine::Kind::Entry:
            break;
        }

        ++m_check.counts.entries;
        if (entry.replacement.size() > entry.text.size()) {
            ++m_check.counts.dangerous;
            report(EntryFinding::Kind::Dangerous, dangerousMessage(entry));
        }

        const auto first = m_firstOfText.constFind(entry.text);
        if (first == m_firstOfText.cend()) {
            m_firstOfText.insert(entry.text, FirstEntry{number, entry.replacement});
            return;
        }
        // Most repeats repeat the first entry of their text; the table of every other pair is
        // only needed for texts that have several replacements.
        qsizetype repeatOf = first->replacement == entry.replacement ? first->line : 0;
        if (repeatOf == 0) {
            qsizetype &earlier = m_laterPairs[EntryKey{entry.text, entry.replacement}];
            repeatOf = earlier;
            if (earlier == 0)
                earlier = number;
        }
        if (repeatOf != 0) {
            ++m_check.counts.repeated;
            report(EntryFinding::Kind::Repeated, m_repeatMessage.arg(repeatOf), repeatOf);
        } else {
            ++m_check.counts.conflicting;
            report(EntryFinding::Kind::Conflicting, conflictingMessage(entry, *first), first->line);
        }
    }

private:
    EntryFileCheck &m_check;
    const QString m_repeatMessage;
    QHash<QStringView, FirstEntry> m_firstOfText;
    QHash<EntryKey, qsizetype> m_laterPairs; // line numbers start at 1: 0 is a new slot
};

} // namespace

EntryCounts &EntryCounts::operator+=(const EntryCounts &other)
{
    entries += other.entries;
    dangerous += other.dangerous;
    malformed += other.malformed;
    repeated += other.repeated;
    conflicting += other.conflicting;
    return *this;
}

EntryFileRead readEntryFile(QIODevice &device)
{
    EntryFileRead read;
    QString reason;
    std::optional<QByteArray> bytes = readToEnd(device, reason);
    if (!bytes)
        read.error = Builder::tr("Cannot read: %1").arg(shownText(reason));
    else
        read.file = EntryFile{*bytes, decodeWindows1252(*bytes)};
    return read;
}

EntryFileCheck checkEntryFile(const EntryFile &file)
{
    EntryFileCheck check;
    EntryChecker checker(check);
    const QStringView text = file.text;
    qsizetype start = 0;
    // The mark's three bytes read as "ï»¿" in the code page, which would hide the entry behind
    // them; the server may well read them so, hence the warning.
    qsizetype skip = 0;
    if (file.bytes.startsWith("\xEF\xBB\xBF")) {
        skip = 3;
        check.findings.append(
            {EntryFinding::Kind::ByteOrderMark, 1, 0, 0, 0,
             Builder::tr("the file starts with a UTF-8 byte-order mark, which Windows-1252 "
                         "files do not have; the server may take its three bytes for part of "
                         "the first line.")});
    }
    while (start < text.size()) {
        ++check.lines;
        const qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        QStringView line = text.sliced(start + skip, (end < 0 ? text.size() : end) - start - skip);
        if (line.endsWith(u'\r'))
            line.chop(1);
        checker.checkLine(line, check.lines, start, next - start);
        start = next;
        skip = 0;
    }
    return check;
}

} // namespace vantro
