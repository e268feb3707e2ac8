#include "entryfiles/entryline.h"

#include "entryfiles/tr.h"

namespace vantro {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Walks one line from left to right.
class EntryLineReader
{
public:
    explicit EntryLineReader(QStringView line) : m_line(line) {}

    void skipBlanks()
    {
        while (m_position < m_line.size() && isBlank(m_line[m_position]))
            ++m_position;
    }

    bool atEnd() const { return m_position >= m_line.size(); }
    QChar current() const { return m_line[m_position]; }

    bool take(QChar c)
    {
        if (atEnd() || current() != c)
            return false;
        ++m_position;
        return true;
    }

    // The text up to the next double quote, which is consumed; the opening quote is taken
    // already. False when no closing quote follows.
    bool takeQuotedRest(QStringView &text)
    {
        const qsizetype close = m_line.indexOf(u'"', m_position);
        if (close < 0)
            return false;
        text = m_line.sliced(m_position, close - m_position);
        m_position = close + 1;
        return true;
    }

private:
    QStringView m_line;
    qsizetype m_position = 0;
};

EntryLine malformed(const QString &problem)
{
    EntryLine entry;
    entry.kind = EntryLine::Kind::Malformed;
    entry.problem = problem;
    return entry;
}

} // namespace

EntryLine parseEntryLine(QStringView line)
{
    EntryLineReader reader(line);
    reader.skipBlanks();
    if (!reader.take(u'{'))
        return {};

    if (const qsizetype quotes = line.count(u'"'); quotes % 2 != 0)
        return malformed(
            entryfiles::Tr::tr("The line holds an odd number of double quotes (%1).").arg(quotes));

    EntryLine entry;
    reader.skipBlanks();
    if (!reader.take(u'"') || !reader.takeQuotedRest(entry.text))
        return malformed(entryfiles::Tr::tr("A quoted text must follow the opening brace."));

    reader.skipBlanks();
    if (!reader.take(u'"') || !reader.takeQuotedRest(entry.replacement)) {
        return malformed(reader.atEnd() || reader.current() == u'}'
                             ? entryfiles::Tr::tr("The quoted replacement is missing.")
                             : entryfiles::Tr::tr("A quoted replacement must follow the text."));
    }

    reader.skipBlanks();
    if (reader.atEnd())
        return malformed(entryfiles::Tr::tr("The closing brace is missing."));
    if (reader.current() == u'"')
        return malformed(entryfiles::Tr::tr("The line holds more than two quoted texts."));
    if (!reader.take(u'}'))
        return malformed(entryfiles::Tr::tr("A closing brace must follow the replacement."));

    reader.skipBlanks();
    if (!reader.atEnd())
        return malformed(entryfiles::Tr::tr("Nothing but blanks may follow the closing brace."));

    entry.kind = EntryLine::Kind::Entry;
    return entry;
}

bool mayBeEntryLine(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t')
            return c == '{';
    }
    return false;
}

} // namespace vantro
