#include "wordfile.h"

#include "readtoend.h"
#include "showntext.h"
#include "wordcheck.h"

#include "buildertext.h"
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

} // namespace

WordFile readWordFile(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    WordFile file;
    qsizetype lineNumber = 0;
    while (!bytes.isEmpty()) {
        ++lineNumber;
        const qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (isBlank(line))
            continue;

        // A decoder of its own per line, so that its error flag speaks of this line only, and a
        // stateless one, so that a sequence cut off at the line's end is an error rather than
        // held back for more input. The byte-order mark was dealt with above; one at the start
        // of a later line is a character like any other (and refused, as the code page has
        // none).
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder.decode(line);
        if (decoder.hasError()) {
            file.problems.append({lineNumber, Builder::tr("The line is not valid UTF-8.")});
            continue;
        }
        NewWord word = prepareNewWord(text);
        if (word.problem)
            file.problems.append({lineNumber, word.problem->message});
        else
            file.words.append({lineNumber, std::move(word.text)});
    }
    return file;
}

WordFileRead readWordFile(QIODevice &device)
{
    WordFileRead read;
    QString reason;
    if (const std::optional<QByteArray> bytes = readToEnd(device, reason))
        read.file = readWordFile(*bytes);
    else
        read.error = Builder::tr("Cannot read: %1").arg(shownText(reason));
    return read;
}

} // namespace vantro
