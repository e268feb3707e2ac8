#include "entryfiles/entrycheck.h"

#include "common/showntext.h"
#include "entryfiles/entryline.h"
#include "entryfiles/entrytable.h"
#include "entryfiles/tr.h"
#include "fileio/linereader.h"
#include "wordlists/windows1252.h"

namespace vantro {

namespace {

QString dangerousMessage(const EntryLine &entry)
{
    return entryfiles::Tr::tr(
               "the replacement \"%1\" (%2 characters) is longer than its text \"%3\" (%4 "
               "characters); an entry like this can crash the server.")
        .arg(shownText(entry.replacement), QString::number(entry.replacement.size()),
             shownText(entry.text), QString::number(entry.text.size()));
}

QString conflictingMessage(const EntryLine &entry, QByteArrayView firstReplacement,
                           qsizetype firstLine)
{
    return entryfiles::Tr::tr(
               "conflicting: the text \"%1\" has the replacement \"%2\" here and \"%3\" in "
               "the entry of line %4.")
        .arg(shownText(entry.text), shownText(entry.replacement),
             shownText(decodeWindows1252(firstReplacement)), QString::number(firstLine));
}

} // namespace

// What the checker keeps between lines.
class EntryChecker::Tables
{
public:
    explicit Tables(EntryFindingSink sink)
        : sink(std::move(sink)),
          // Looked up once: a file of repeated Builds holds a repeat on almost every line.
          repeatMessage(entryfiles::Tr::tr("repeats the entry of line %1."))
    {
    }

    EntryFindingSink sink;
    const QString repeatMessage;
    EntryCounts counts;
    qsizetype lines = 0;
    // The first entry of every text, and, for texts with several replacements, the first entry
    // of every other pair. Most repeats repeat the first entry of their text.
    EntryTable firstOfText{EntryTable::Key::Text};
    EntryTable laterPairs{EntryTable::Key::TextAndReplacement};
    // The last line checked, decoded, and its reading as an entry line (views into it).
    QString lastText;
    EntryLine lastEntry;
};

EntryChecker::EntryChecker(EntryFindingSink sink)
    : m_tables(std::make_unique<Tables>(std::move(sink)))
{
}

EntryChecker::~EntryChecker() = default;

const EntryCounts &EntryChecker::counts() const
{
    return m_tables->counts;
}

qsizetype EntryChecker::lines() const
{
    return m_tables->lines;
}

void EntryChecker::skipOverlongLine(qsizetype start, qsizetype length, qsizetype maxLineBytes)
{
    Tables &t = *m_tables;
    const qsizetype number = ++t.lines;
    ++t.counts.malformed;
    t.sink({EntryFinding::Kind::Overlong, number, 0, start, length,
            entryfiles::Tr::tr("the line is longer than %1 bytes; it was skipped unchecked.")
                .arg(maxLineBytes)});
}

const EntryLine &EntryChecker::checkLine(QByteArrayView bytes, qsizetype start)
{
    Tables &t = *m_tables;
    t.lastEntry = EntryLine{};
    const qsizetype number = ++t.lines;
    const qsizetype length = bytes.size();
    const auto report = [&](EntryFinding::Kind kind, QString message, qsizetype earlier = 0) {
        t.sink({kind, number, earlier, start, length, std::move(message)});
    };

    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    // The mark's three bytes read as "ï»¿" in the code page, which would hide the entry behind
    // them; the server may well read them so, hence the warning.
    if (number == 1 && bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        report(
            EntryFinding::Kind::ByteOrderMark,
            entryfiles::Tr::tr("the file starts with a UTF-8 byte-order mark, which Windows-1252 "
                               "files do not have; the server may take its three bytes for part of "
                               "the first line."));
    }
    if (!mayBeEntryLine(bytes))
        return t.lastEntry;

    // One character per byte: a position in the text is the same in the bytes.
    t.lastText = decodeWindows1252(bytes);
    const QString &text = t.lastText;
    t.lastEntry = parseEntryLine(text);
    const EntryLine &entry = t.lastEntry;
    switch (entry.kind) {
    case EntryLine::Kind::Other:
        return entry;
    case EntryLine::Kind::Malformed:
        ++t.counts.malformed;
        report(EntryFinding::Kind::Malformed,
               entryfiles::Tr::tr("malformed entry line: %1").arg(entry.problem));
        return entry;
    case EntryLine::Kind::Entry:
        break;
    }

    ++t.counts.entries;
    if (entry.replacement.size() > entry.text.size()) {
        ++t.counts.dangerous;
        report(EntryFinding::Kind::Dangerous, dangerousMessage(entry));
    }

    const auto bytesOf = [&](QStringView part) {
        return bytes.sliced(part.data() - text.constData(), part.size());
    };
    const QByteArrayView entryText = bytesOf(entry.text);
    const QByteArrayView replacement = bytesOf(entry.replacement);
    const EntryTable::Found first = t.firstOfText.findOrAdd(entryText, replacement, number);
    if (first.line == 0)
        return entry;
    qsizetype repeatOf = first.replacement == replacement ? first.line : 0;
    if (repeatOf == 0)
        repeatOf = t.laterPairs.findOrAdd(entryText, replacement, number).line;
    if (repeatOf != 0) {
        ++t.counts.repeated;
        report(EntryFinding::Kind::Repeated, t.repeatMessage.arg(repeatOf), repeatOf);
    } else {
        ++t.counts.conflicting;
        report(EntryFinding::Kind::Conflicting,
               conflictingMessage(entry, first.replacement, first.line), first.line);
    }
    return entry;
}

EntryCounts &EntryCounts::operator+=(const EntryCounts &other)
{
    entries += other.entries;
    dangerous += other.dangerous;
    malformed += other.malformed;
    repeated += other.repeated;
    conflicting += other.conflicting;
    return *this;
}

Result<void> readEntryFile(QIODevice &device, EntryChecker &checker,
                           const std::function<void(QByteArrayView line, qsizetype number,
                                                    const EntryLine &entry)> &afterLine)
{
    static const EntryLine kOther;
    LineReader reader(device);
    for (;;) {
        const EntryLine *entry = &kOther;
        const Result<LineReader::Step> step = reader.next();
        if (!step)
            return Error{ErrorKind::Unreadable,
                         entryfiles::Tr::tr("Cannot read: %1").arg(shownText(step.message()))};
        switch (*step) {
        case LineReader::Step::Line:
            entry = &checker.checkLine(reader.line(), reader.lineStart());
            break;
        case LineReader::Step::Overlong:
            checker.skipOverlongLine(reader.lineStart(), reader.lineLength(),
                                     reader.maxLineBytes());
            break;
        case LineReader::Step::End:
            return {};
        }
        if (afterLine)
            afterLine(reader.line(), reader.lineNumber(), *entry);
    }
}

} // namespace vantro
