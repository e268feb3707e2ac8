#pragma once

#include "builder/wordlistsources.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantro {

// What the window program's command line asks for beyond the window itself.
struct WindowOptions
{
    std::optional<QString> directory; // --dir: the working directory to enter before start-up
    WordSourceNames sources;          // the word files and the built-in entries
    bool mask = false;                // --mask: entries replace their texts with stars
    bool replace = false;             // --replace: every Build takes the previous filter out first
    bool spellings = false;     // --spellings: Builds also write the other ways players type words
    bool forceEncoding = false; // --force-encoding: Builds append to a file that looks like UTF-8

    // The last --profile: Save profile writes it; the profiles before it are part of the start.
    std::optional<QString> profile() const
    {
        return sources.profileFiles.isEmpty() ? std::nullopt
                                              : std::optional(sources.profileFiles.last());
    }
};

struct WindowCommandLine
{
    WindowOptions options;
    QString error; // a wrong command line: what is wrong, as a whole sentence; empty when right
};

// Answers --help and --version on standard output and returns the exit status (0), without a
// display and before anything is written; nothing when the command line asks for neither. Runs
// before the application object exists, so that no window system is needed for either.
std::optional<int> answerInformationRequest(int argc, char *argv[]);

// Prints a message of the window program on standard error, after the program's name
// ("vantro-filter-tool: "), as every message there begins.
void printProgramMessage(const QString &message);

// Without a window system to show the window on (no display, and no platform plugin chosen by
// hand, such as offscreen), prints what is wrong with a wrong command line and returns its exit
// status (2), or else prints one line pointing to the command-line tool and returns the exit
// status (1); nothing when there is a window system. Qt would otherwise abort with a long message
// about its platform plugins.
std::optional<int> refuseWithoutDisplay(int argc, char *argv[]);

// Reads the command line, the window system's own options already taken out of it.
WindowCommandLine parseWindowCommandLine(const QStringList &arguments);

} // namespace vantro
