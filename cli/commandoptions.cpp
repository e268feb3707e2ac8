#include "cli/commandoptions.h"

#include <QStringList>

#include <algorithm>

namespace vantro::cli {

namespace {

// "-h, --help" or "--dir DIR".
QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString shown = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        shown += u' ' + option.valueName();
    return shown;
}

QString firstSentence(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1String(". "));
    return end < 0 ? text : text.left(end + 1);
}

} // namespace

void CommandOptions::addTo(QCommandLineParser &parser) const
{
    for (const QCommandLineOption &option : m_options)
        parser.addOption(option);
}

QString optionTable(const QList<QCommandLineOption> &options, bool firstSentences)
{
    constexpr qsizetype kWidth = 79;
    constexpr qsizetype kWidestNames = 24;
    qsizetype column = 0;
    for (const QCommandLineOption &option : options) {
        if (!(option.flags() & QCommandLineOption::HiddenFromHelp))
            column = std::max(column, std::min(optionNames(option).size(), kWidestNames));
    }
    column += 4; // two spaces in front of the names, two behind
    QString table;
    for (const QCommandLineOption &option : options) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QString row = QStringLiteral("  ") + optionNames(option);
        const QString description =
            firstSentences ? firstSentence(option.description()) : option.description();
        QString line = row.size() + 2 <= column ? row.leftJustified(column)
                                                : row + u'\n' + QString(column, u' ');
        qsizetype lineStart = line.lastIndexOf(u'\n') + 1;
        bool lineHasWord = false;
        for (const QString &word : description.split(u' ', Qt::SkipEmptyParts)) {
            if (lineHasWord && line.size() - lineStart + 1 + word.size() > kWidth) {
                line += u'\n' + QString(column, u' ');
                lineStart = line.size() - column;
                lineHasWord = false;
            }
            line += (lineHasWord ? QStringLiteral(" ") : QString()) + word;
            lineHasWord = true;
        }
        table += line + u'\n';
    }
    return table;
}

QString wrapped(const QString &text, qsizetype width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        if (paragraph.startsWith(u' ')) {
            lines.append(paragraph);
            continue;
        }
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines.append(line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

} // namespace vantro::cli
