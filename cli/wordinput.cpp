#include "wordinput.h"

#include "builtinwords.h"
#include "wordfile.h"

#include "clitext.h"
#include <QFile>

#include <cstdio>

namespace vantro::cli {

namespace {

void addWordFile(const QString &fileName, WordListInput &input)
{
    const QString shownName = inputDisplayName(fileName);
    QByteArray bytes;
    QString error;
    if (!readInput(fileName, bytes, error)) {
        input.errors.append(shownName + QLatin1String(": ") + error);
        return;
    }
    const WordFile file = readWordFile(bytes);
    for (const WordFileProblem &problem : file.problems)
        input.errors.append(
            QStringLiteral("%1:%2: %3").arg(shownName).arg(problem.line).arg(problem.message));
    for (const WordFileWord &word : file.words)
        input.words.addItem(word.text);
}

} // namespace

QString inputDisplayName(const QString &fileName)
{
    return fileName == QLatin1String("-") ? Cli::tr("(standard input)") : fileName;
}

bool readInput(const QString &fileName, QByteArray &bytes, QString &error)
{
    const bool standardInput = fileName == QLatin1String("-");
    QFile file(standardInput ? QString() : fileName);
    const bool opened =
        standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        error = Cli::tr("Cannot open: %1").arg(file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = Cli::tr("Cannot read: %1").arg(file.errorString());
        return false;
    }
    return true;
}

WordListInput wordListFrom(const QStringList &replacingFiles, const QStringList &addingFiles)
{
    WordListInput input;
    if (replacingFiles.isEmpty())
        input.words = wordListFromSource(builtInSourceList());
    for (const QString &fileName : replacingFiles)
        addWordFile(fileName, input);
    for (const QString &fileName : addingFiles)
        addWordFile(fileName, input);
    return input;
}

} // namespace vantro::cli
