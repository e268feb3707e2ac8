#pragma once

#include "cli/commandoptions.h"
#include "cli/console.h"
#include "cli/exitstatus.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantro::cli {

// One command of the program: its name, its help texts, its options and arguments, and what it
// does with them. Its -h shows the usage, the summary and one line per option; --help adds the
// description; the manual page vantro-filter(1) holds the details.
struct Command
{
    QString name;
    QString summary;     // one sentence, for -h and the program's list of commands
    QString description; // a few short paragraphs, for --help
    void (*addArguments)(CommandOptions &options) = nullptr;
    // Gets the parsed command line and the arguments behind the command's name.
    ExitStatus (*run)(Console &console, const QCommandLineParser &parser,
                      const QStringList &arguments) = nullptr;
};

Command buildCommand();
Command checkCommand();
Command tidyCommand();
Command listCommand();
Command expandCommand();
Command explainCommand();

// A wrong command line: the message and a pointer to the help, on standard error.
ExitStatus usageError(Console &console, const QString &commandName, const QString &message);

} // namespace vantro::cli
