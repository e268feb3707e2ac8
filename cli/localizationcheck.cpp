#include "localizationcheck.h"

#include "entryline.h"

#include "clitext.h"
#include <QHash>

namespace vantro::cli {

namespace {

// A text as it may be shown on a terminal: control characters, which could drive the terminal,
// are shown as \xNN.
QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))
            result += QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0')).toUpper();
        else
            result += c;
    }
    return result;
}

// An entry by its two texts, which are views into the checked text.
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

QString longerMessage(const EntryLine &entry)
{
    return Cli::tr(
               "danger: the replacement \"%1\" (%2 characters) is longer than its text \"%3\" (%4 "
               "characters); an entry like this can crash the server.")
        .arg(shown(entry.replacement))
        .arg(entry.replacement.size())
        .arg(shown(entry.text))
        .arg(entry.text.size());
}

} // namespace

CheckCounts &CheckCounts::operator+=(const CheckCounts &other)
{
    entries += other.entries;
    longer += other.longer;
    malformed += other.malformed;
    repeated += other.repeated;
    return *this;
}

LocalizationCheck checkLocalizationText(QStringView text)
{
    LocalizationCheck check;
    // The keys are views into the text, which outlives the table.
    QHash<EntryKey, qsizetype> firstLineOfEntry;
    qsizetype lineNumber = 0;
    while (!text.isEmpty()) {
        ++lineNumber;
        const qsizetype end = text.indexOf(u'\n');
        QStringView line = end < 0 ? text : text.first(end);
        text = end < 0 ? QStringView() : text.sliced(end + 1);
        if (line.endsWith(u'\r'))
            line.chop(1);

        const EntryLine entry = parseEntryLine(line);
        switch (entry.kind) {
        case EntryLine::Kind::Other:
            continue;
        case EntryLine::Kind::Malformed:
            ++check.counts.malformed;
            check.findings.append({CheckFinding::Kind::Malformed, lineNumber,
                                   Cli::tr("error: malformed entry line: %1").arg(entry.problem)});
            continue;
        case EntryLine::Kind::Entry:
            break;
        }

        ++check.counts.entries;
        if (entry.replacement.size() > entry.text.size()) {
            ++check.counts.longer;
            check.findings.append(
                {CheckFinding::Kind::LongerReplacement, lineNumber, longerMessage(entry)});
        }
        // Line numbers start at 1, so a slot still at 0 is new.
        qsizetype &first = firstLineOfEntry[EntryKey{entry.text, entry.replacement}];
        if (first == 0) {
            first = lineNumber;
        } else {
            ++check.counts.repeated;
            check.findings.append({CheckFinding::Kind::Repeated, lineNumber,
                                   Cli::tr("warning: repeats the entry of line %1.").arg(first)});
        }
    }
    return check;
}

} // namespace vantro::cli
