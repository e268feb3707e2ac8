#pragma once

#include "builder/wordlistsources.h"
#include "common/result.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace vantro {

// The names of the options that both programs take.
namespace optionname {
inline const QString kWords = QStringLiteral("words");
inline const QString kAdd = QStringLiteral("add");
inline const QString kProfile = QStringLiteral("profile");
inline const QString kExcept = QStringLiteral("except");
inline const QString kLanguage = QStringLiteral("language");
inline const QString kCategory = QStringLiteral("category");
inline const QString kSeverity = QStringLiteral("severity");
inline const QString kNoAmbiguous = QStringLiteral("no-ambiguous");
inline const QString kMask = QStringLiteral("mask");
inline const QString kSpellings = QStringLiteral("spellings");
inline const QString kReplace = QStringLiteral("replace");
inline const QString kForceEncoding = QStringLiteral("force-encoding");
inline const QString kDir = QStringLiteral("dir");
} // namespace optionname

// The option of one of those names with its value name and help, the same in both programs. Each
// program adds it to its parser where its help lists it.
QCommandLineOption buildOption(const QString &name);

// What a command line's word sources must hold beyond known language, category and severity codes.
enum class WordSourceRules
{
    // The window's: "-" names a file, and --words leaves the built-in choice's options unused.
    Lenient,
    // vantro-filter's: "-" is standard input, read once; --words goes with no built-in choice.
    Strict,
};

// The word sources that the parsed command line names, or the usage error that says why they are
// wrong, as a whole sentence.
Result<WordSourceNames> wordSourceNamesOf(const QCommandLineParser &parser, WordSourceRules rules);

} // namespace vantro
