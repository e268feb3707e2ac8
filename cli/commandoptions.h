#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

namespace vantro::cli {

// The options and arguments of one command, gathered once for its parser and for its help, which
// the program lays out itself: usage, one line per option, and the longer text only on --help.
class CommandOptions
{
public:
    void add(const QCommandLineOption &option) { m_options.append(option); }
    // The arguments behind the options, as the usage line shows them ("FILE...").
    void setArguments(const QString &syntax) { m_arguments = syntax; }

    void addTo(QCommandLineParser &parser) const;
    const QList<QCommandLineOption> &options() const { return m_options; }
    const QString &arguments() const { return m_arguments; }

private:
    QList<QCommandLineOption> m_options;
    QString m_arguments;
};

// The rows of an option table: "  --dir DIR    Write into DIR ...", the descriptions starting in
// one column and wrapped at 79 columns. With firstSentences, each description is cut after its
// first sentence, so that a row stays short.
QString optionTable(const QList<QCommandLineOption> &options, bool firstSentences);

// The text broken into lines of at most 79 columns at spaces; paragraphs stay apart, and lines
// that start with a space are laid out already and kept as they are.
QString wrapped(const QString &text, qsizetype width = 79);

} // namespace vantro::cli
