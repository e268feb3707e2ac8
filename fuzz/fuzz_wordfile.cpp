// The word-file reader: a file in another encoding is refused whole; of any other, every line that
// holds more than blanks comes back once, as a word or as a problem, in line order; every word is
// the lower-case form of its line and is safe to write.
#include "builder/wordfile.h"
#include "fuzzcheck.h"
#include "wordlists/casefold.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QList>

using namespace vantro;

namespace {

// The lines of the file as the format defines them, independently of the reader: LF or CR LF
// ends, a leading byte-order mark dropped, no line after a final line end.
QList<QByteArray> linesOf(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QByteArray> lines = bytes.split('\n');
    if (bytes.endsWith('\n') || bytes.isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

bool holdsOnlyBlanks(const QByteArray &line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Result<WordFile> read = readWordFile(bytes);
    const QList<QByteArray> lines = linesOf(bytes);
    const QString shown = QString::fromLatin1(bytes);

    // A file in another encoding is refused whole: one with a line that is not UTF-8, or UTF-16
    // by its byte-order mark or a first line with a NUL in every other byte.
    bool utf8 = true;
    for (const QByteArray &line : lines)
        utf8 = utf8 && line.isValidUtf8();
    const QByteArray first = bytes.first(bytes.contains('\n') ? bytes.indexOf('\n') : bytes.size());
    const auto nulAtEveryOther = [&](qsizetype from) {
        for (qsizetype i = from; i < first.size(); i += 2) {
            if (first.at(i) != '\0')
                return false;
        }
        return first.size() >= 2;
    };
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
                       nulAtEveryOther(0) || nulAtEveryOther(1);
    FUZZ_CHECK(read.hasValue() == (utf8 && !utf16), shown);
    if (!read) {
        FUZZ_CHECK(read.kind() == ErrorKind::Refused, shown);
        return 0;
    }
    const WordFile &file = *read;

    // Every line with a word in it is answered, once, by a word or a problem.
    QList<int> answers(lines.size(), 0);
    qsizetype previousLine = 0;
    for (const WordFileWord &word : file.words) {
        FUZZ_CHECK(word.line > previousLine && word.line <= lines.size(), shown);
        previousLine = word.line;
        ++answers[word.line - 1];
        const QByteArray &line = lines.at(word.line - 1);
        FUZZ_CHECK(word.text == lowerCaseForm(QString::fromUtf8(line)), shown);
        FUZZ_CHECK(lowerCaseForm(word.text) == word.text, shown);
        FUZZ_CHECK(checkWord(word.text).hasValue(), shown);
        FUZZ_CHECK(encodeWindows1252(word.text).has_value(), shown);
        FUZZ_CHECK(!word.text.contains(u'"'), shown);
    }
    previousLine = 0;
    for (const WordFileProblem &problem : file.problems) {
        FUZZ_CHECK(problem.line > previousLine && problem.line <= lines.size(), shown);
        previousLine = problem.line;
        ++answers[problem.line - 1];
        FUZZ_CHECK(problem.error.kind == ErrorKind::Refused && problem.error.message.endsWith(u'.'),
                   shown);
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(answers.at(i) == (holdsOnlyBlanks(lines.at(i)) ? 0 : 1), shown);
    return 0;
}
