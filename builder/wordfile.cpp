#include "builder/wordfile.h"

#include "builder/tr.h"
#include "builder/variants.h"
#include "common/showntext.h"
#include "fileio/linereader.h"
#include "wordlists/casefold.h"
#include "wordlists/wordcheck.h"

#include <QBuffer>
#include <QSet>
#include <QStringDecoder>

namespace vantro {

namespace {

bool isBlank(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

void refuse(WordFile &file, qsizetype line, const QString &why)
{
    file.problems.append({line, {ErrorKind::Refused, why}});
}

// UTF-16 by its byte-order mark (FF FE or FE FF), or by its first line: a NUL in every other
// byte, as ASCII text has in either byte order.
bool looksLikeUtf16(QByteArrayView firstLine)
{
    if (firstLine.startsWith("\xFF\xFE") || firstLine.startsWith("\xFE\xFF"))
        return true;
    if (firstLine.endsWith('\n'))
        firstLine.chop(1);
    const auto nulAtEveryOther = [&](qsizetype from) {
        for (qsizetype i = from; i < firstLine.size(); i += 2) {
            if (firstLine[i] != '\0')
                return false;
        }
        return true;
    };
    return firstLine.size() >= 2 && (nulAtEveryOther(0) || nulAtEveryOther(1));
}

// Fails when the file is in another encoding than UTF-8: nothing of it is taken.
Result<void> readWordLine(QByteArrayView line, qsizetype lineNumber, WordFileKind kind,
                          const QString &name, WordFile &file)
{
    // The file's name, or with a suffix the converted file's, as the iconv line takes it: a shell
    // word, from FILE when the caller gave no name.
    const auto shellName = [&](QLatin1StringView suffix = {}) {
        return shellWord((name.isEmpty() ? QStringLiteral("FILE") : name) + suffix);
    };
    if (lineNumber == 1 && looksLikeUtf16(line))
        return Error{ErrorKind::Refused,
                     builder::Tr::tr("The file is UTF-16, but word files and profiles are UTF-8; "
                                     "nothing of it was taken. Convert it with \"iconv -f UTF-16 "
                                     "-t UTF-8 %1 > %2\" and give %2 instead.")
                         .arg(shellName(), shellName(QLatin1StringView(".utf8")))};
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    // The byte-order mark is skipped at the start of the file only; one at the start of a later
    // line is a character like any other (and refused, as the code page has none).
    if (lineNumber == 1 && line.startsWith("\xEF\xBB\xBF"))
        line = line.sliced(3);
    if (isBlank(line))
        return {};

    // A decoder of its own per line, so that its error flag speaks of this line only, and a
    // stateless one, so that a sequence cut off at the line's end is an error rather than held
    // back for more input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(line);
    if (decoder.hasError())
        return Error{ErrorKind::Refused,
                     builder::Tr::tr("Line %1 is not valid UTF-8, but word files and profiles "
                                     "are UTF-8; nothing of the file was taken. If it is "
                                     "Windows-1252 (or Latin-1), convert it with \"iconv -f "
                                     "WINDOWS-1252 -t UTF-8 %2 > %3\" and give %3 instead.")
                         .arg(QString::number(lineNumber), shellName(),
                              shellName(QLatin1StringView(".utf8")))};
    if (text.size() > kMaxWordLength) {
        refuse(
            file, lineNumber,
            builder::Tr::tr("The word is %1 characters long; a word holds at most %2 characters.")
                .arg(QString::number(text.size()), QString::number(kMaxWordLength)));
        return {};
    }
    QStringView typed = text;
    QList<WordFileWord> *into = &file.words;
    if (kind == WordFileKind::Profile) {
        if (typed.startsWith(u'#'))
            return {};
        if (typed.startsWith(u'+') || typed.startsWith(u'-')) {
            if (typed.startsWith(u'-'))
                into = &file.removals;
            typed = typed.sliced(1);
            if (typed.isEmpty()) {
                refuse(file, lineNumber,
                       builder::Tr::tr("A \"+\" or \"-\" needs a word behind it."));
                return {};
            }
        }
    }
    NewWord word = into == &file.words && kind != WordFileKind::TakeOut
                       ? prepareWordToBuild(typed.toString())
                       : prepareNewWord(typed.toString());
    if (!word.checked)
        file.problems.append({lineNumber, word.checked.error()});
    else
        into->append({lineNumber, std::move(word.text)});
    return {};
}

} // namespace

Result<WordFile> readWordFile(QByteArrayView bytes, WordFileKind kind, const QString &name)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return readWordFile(buffer, kind, name);
}

Result<WordFile> readWordFile(QIODevice &device, WordFileKind kind, const QString &name)
{
    WordFile file;
    LineReader reader(device);
    for (;;) {
        const Result<LineReader::Step> step = reader.next();
        if (!step)
            return Error{ErrorKind::Unreadable,
                         builder::Tr::tr("Cannot read: %1").arg(shownText(step.message()))};
        switch (*step) {
        case LineReader::Step::Line:
            if (Result<void> read =
                    readWordLine(reader.line(), reader.lineNumber(), kind, name, file);
                !read)
                return read.error();
            continue;
        case LineReader::Step::Overlong:
            refuse(
                file, reader.lineNumber(),
                builder::Tr::tr("The line is longer than %1 bytes; it holds no "
                                "word, which has at most %2 characters.")
                    .arg(QString::number(reader.maxLineBytes()), QString::number(kMaxWordLength)));
            continue;
        case LineReader::Step::End:
            return file;
        }
    }
}

SortedTextList composeWordList(QStringList words, const QStringList &removals)
{
    if (!removals.isEmpty()) {
        QSet<QString> out;
        for (const QString &word : removals)
            out.insert(lowerCaseForm(word));
        words.removeIf([&](const QString &word) { return out.contains(lowerCaseForm(word)); });
    }
    return SortedTextList::fromUnsorted(std::move(words));
}

} // namespace vantro
