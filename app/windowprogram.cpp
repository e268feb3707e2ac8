#include "app/windowprogram.h"

#include "app/mainwindow.h"
#include "app/tr.h"
#include "app/windowcommandline.h"
#include "builder/wordlistsources.h"
#include "common/showntext.h"
#include "common/translations.h"
#include "fileio/inputfile.h"
#include "fileio/path.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>

#include <algorithm>
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
    // the command line are relative to the directory the program was started in. The profile is
    // read whole: Save profile keeps its lines.
    QByteArray profileBytes;
    ComposedWordList start = composeWordSources(
        options.sources, [&](const QString &name, const auto &read) -> Result<void> {
            QFile file;
            if (Result<void> opened = openInputFile(file, name); !opened)
                return opened;
            if (name != options.profile()) {
                read(file);
                return {};
            }
            profileBytes = file.readAll();
            if (file.error() != QFileDevice::NoError)
                return Error{ErrorKind::Unreadable,
                             app::Tr::tr("Cannot read: %1").arg(shownText(file.errorString()))};
            QBuffer buffer(&profileBytes);
            buffer.open(QIODevice::ReadOnly);
            read(buffer);
            return {};
        });
    const QString profilePath = options.profile() ? absolutePath(*options.profile()) : QString();
    if (!start.unreadable.isEmpty()) {
        const auto &[name, error] = start.unreadable.constFirst();
        return refuse(app::Tr::tr("The word file \"%1\" cannot be read: %2 Nothing was written.")
                          .arg(shownPath(name), asSentence(error.message)),
                      report);
    }

    // Said the same way as vantro-filter build --dir says it.
    if (options.directory) {
        Result<void> usable = checkUsableDirectory(*options.directory);
        if (usable)
            usable = changeDirectory(*options.directory);
        if (!usable)
            return refuse(usable.message() + u' ' + app::Tr::tr("Nothing was written."), report);
    }

    // The last profile is the one Save profile writes; those before it are part of the start, as
    // the built-in entries are, so that their words are not saved into it.
    const auto last = std::find_if(start.fileWords.crbegin(), start.fileWords.crend(),
                                   [](const WordFileWords &file) { return file.profile; });
    if (last != start.fileWords.crend()) {
        start.startWords += start.additions.first(last->first);
        start.additions.remove(0, last->first);
        // It was read whole already: a profile that cannot be is refused above.
        const Result<WordFile> profile = readWordFile(profileBytes, WordFileKind::Profile);
        start.removals = start.removals.last(profile ? profile->removals.size() : 0);
    }

    MainWindow window;
    if (reporter)
        window.setWarningReporter(reporter);
    if (options.mask)
        window.setReplacementStyle(ReplacementStyle::Mask);
    window.setReplacesPreviousFilter(options.replace);
    window.setForceEncoding(options.forceEncoding);
    window.setSpellings(options.spellings);
    if (!window.load(options.sources.builtIn))
        return 1;
    window.startWith(start, profilePath, profileBytes);
    window.show();
    for (const WordFileRefusals &file : start.refused)
        window.reportRefusedLines(QDir::toNativeSeparators(file.name), file.problems);
    window.reportIdleTakeOuts(start.idleTakeOuts);
    return QApplication::exec();
}

} // namespace vantro
