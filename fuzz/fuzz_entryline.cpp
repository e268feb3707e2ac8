// The entry-line parser against its grammar, written here as a regular expression, and the
// round trip from a formatted filter entry back through the parser.
#include "builder/entryformat.h"
#include "entryfiles/entryline.h"
#include "fuzzcheck.h"

#include <QRegularExpression>

using namespace vantro;

namespace {

void checkAgainstGrammar(const QString &line)
{
    static const QRegularExpression entry(
        QStringLiteral(R"re(\A[ \t]*\{[ \t]*"([^"]*)"[ \t]*"([^"]*)"[ \t]*\}[ \t]*\z)re"));
    static const QRegularExpression opening(QStringLiteral(R"(\A[ \t]*\{)"));

    const EntryLine parsed = parseEntryLine(line);
    const QRegularExpressionMatch match = entry.match(line);
    if (match.hasMatch()) {
        FUZZ_CHECK(parsed.kind == EntryLine::Kind::Entry, line);
        FUZZ_CHECK(parsed.text == match.capturedView(1), line);
        FUZZ_CHECK(parsed.replacement == match.capturedView(2), line);
        // The views point into the line itself.
        FUZZ_CHECK(parsed.text.data() == line.constData() + match.capturedStart(1), line);
        FUZZ_CHECK(parsed.replacement.data() == line.constData() + match.capturedStart(2), line);
        FUZZ_CHECK(parsed.problem.isEmpty(), line);
    } else if (opening.match(line).hasMatch()) {
        FUZZ_CHECK(parsed.kind == EntryLine::Kind::Malformed, line);
        FUZZ_CHECK(!parsed.problem.isEmpty(), line);
        FUZZ_CHECK(parsed.problem.endsWith(u'.'), line);
    } else {
        FUZZ_CHECK(parsed.kind == EntryLine::Kind::Other, line);
        FUZZ_CHECK(parsed.problem.isEmpty(), line);
    }
}

// The input split at its first NUL into a text and a replacement, without double quotes, as the
// writer only ever formats: the parser must give both back exactly.
void checkRoundTrip(const QString &input)
{
    const qsizetype split = input.indexOf(QChar(0));
    QString text = split < 0 ? input : input.first(split);
    QString replacement = split < 0 ? QString() : input.sliced(split + 1);
    text.remove(u'"');
    replacement.remove(u'"');

    const QString line = formatFilterEntry(text, replacement);
    FUZZ_CHECK(line.endsWith(QLatin1String("\r\n")), input);
    FUZZ_CHECK(line.size() == text.size() + replacement.size() + 11, input);
    const QStringView withoutEnd = QStringView(line).chopped(2);
    const EntryLine parsed = parseEntryLine(withoutEnd);
    FUZZ_CHECK(parsed.kind == EntryLine::Kind::Entry, input);
    FUZZ_CHECK(parsed.text == text, input);
    FUZZ_CHECK(parsed.replacement == replacement, input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QString input = textFromBytes(data, size);
    checkAgainstGrammar(input);
    checkRoundTrip(input);
    return 0;
}
