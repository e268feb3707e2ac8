#include "app/windowprogram.h"

#include "app/mainwindow.h"
#include "app/tr.h"
#include "app/windowcommandline.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "common/showntext.h"
#include "common/translations.h"
#include "fileio/inputfile.h"
#include "fileio/path.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <utility>

namespace vantro {

namespace {

constexpr int kUsageStatus = 2;

int refuse(const QString &message, const WarningReporter &reporter)
{
    printProgramMessage(message);
    reporter(message);
    return kUsageStatus;
}

// A reason as the middle of a message: a whole sentence, with its full stop.
QString asSentence(QString reason)
{
    if (!reason.endsWith(u'.'))
        reason += u'.';
    return reason;
}

} // namespace

int runWindowProgram(const QStringList &arguments, const WarningReporter &reporter)
{
    installTranslations();
    const WarningReporter report = reporter ? reporter : messageBoxReporter(nullptr);
    const WindowCommandLine commandLine = parseWindowCommandLine(arguments);
    if (!commandLine.error.isEmpty())
        return refuse(commandLine.error, report);
    const WindowOptions &options = commandLine.options;

    // Every word file is read before anything is written, and before --dir is entered: names on
    // the command line are relative to the directory the program was started in.
    QList<std::pair<QString, WordFile>> refusedLines;
    std::optional<int> failure;
    const auto read = [&](const QString &name, WordFileKind kind) -> std::optional<WordFile> {
        const auto cannotRead = [&](const QString &reason) {
            failure = refuse(app::Tr::tr("The word file \"%1\" cannot be read: %2 Nothing was "
                                         "written.")
                                 .arg(shownPath(name), asSentence(reason)),
                             report);
            return std::nullopt;
        };
        QFile file;
        if (const Result<void> opened = openInputFile(file, name); !opened)
            return cannotRead(opened.message());
        Result<WordFile> words = readWordFile(file, kind);
        if (!words)
            return cannotRead(words.message());
        if (!words->problems.isEmpty())
            refusedLines.append({name, WordFile{{}, {}, words->problems}});
        return std::move(*words);
    };
    StartWords start; // the words of the files here; the built-in entries once load() is done
    for (const QStringList *names : {&options.wordFiles, &options.addFiles}) {
        for (const QString &name : *names) {
            const std::optional<WordFile> file = read(name, WordFileKind::Words);
            if (!file)
                return *failure;
            for (const WordFileWord &word : file->words)
                start.words.append(word.text);
        }
    }
    if (options.profile) {
        const std::optional<WordFile> profile = read(*options.profile, WordFileKind::Profile);
        if (!profile)
            return *failure;
        for (const WordFileWord &word : profile->words)
            start.additions.append(word.text);
        for (const WordFileWord &word : profile->removals)
            start.removals.append(word.text);
        start.profilePath = absolutePath(*options.profile);
    }
    for (const QString &name : options.exceptFiles) {
        const std::optional<WordFile> file = read(name, WordFileKind::Words);
        if (!file)
            return *failure;
        for (const WordFileWord &word : file->words)
            start.exceptions.append(word.text);
    }

    // Said the same way as vantro-filter build --dir says it.
    if (options.directory) {
        Result<void> usable = checkUsableDirectory(*options.directory);
        if (usable)
            usable = changeDirectory(*options.directory);
        if (!usable)
            return refuse(usable.message() + u' ' + app::Tr::tr("Nothing was written."), report);
    }

    MainWindow window;
    if (reporter)
        window.setWarningReporter(reporter);
    if (options.mask)
        window.setReplacementStyle(ReplacementStyle::Mask);
    window.setReplacesPreviousFilter(options.replace);
    if (!window.load(options.builtIn))
        return 1;
    // Without --words the start is the built-in entries that load() put into the list.
    if (options.wordFiles.isEmpty())
        start.words = window.wordList()->list().items() + start.words;
    window.startWith(start);
    window.show();
    for (const auto &[name, file] : std::as_const(refusedLines))
        window.reportRefusedLines(QDir::toNativeSeparators(name), file.problems);
    return QApplication::exec();
}

} // namespace vantro
