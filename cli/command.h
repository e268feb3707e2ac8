#pragma once

#include "cli/console.h"
#include "cli/exitstatus.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantro::cli {

// One command of the program: its name, its help texts, the options and arguments it adds to
// the parser, and what it does with them.
struct Command
{
    QString name;
    QString summary;     // one line, for the program's list of commands
    QString description; // the text of the command's --help, above the options
    void (*addArguments)(QCommandLineParser &parser) = nullptr;
    // Gets the parsed command line and the arguments behind the command's name.
    ExitStatus (*run)(Console &console, const QCommandLineParser &parser,
                      const QStringList &arguments) = nullptr;
};

Command buildCommand();
Command checkCommand();
Command tidyCommand();
Command listCommand();
Command expandCommand();

// A wrong command line: the message and a pointer to the help, on standard error.
ExitStatus usageError(Console &console, const QString &commandName, const QString &message);

} // namespace vantro::cli
