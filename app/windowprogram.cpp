#include "app/windowprogram.h"

#include "app/mainwindow.h"
#include "app/tr.h"
#include "app/windowcommandline.h"
#include "builder/wordfile.h"
#include "fileio/inputfile.h"
#include "wordlists/showntext.h"
#include "wordlists/translations.h"

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

} // namespace

int runWindowProgram(const QStringList &arguments, const WarningReporter &reporter)
{
    installTranslations();
    const WarningReporter report = reporter ? reporter : messageBoxReporter(nullptr);
    const WindowCommandLine commandLine = parseWindowCommandLine(arguments);
    if (!commandLine.error.isEmpty())
        return refuse(commandLine.error, report);

    const WindowOptions &options = commandLine.options;
    if (options.directory && !QDir::setCurrent(*options.directory)) {
        const QString reason = QDir(*options.directory).exists()
                                   ? app::Tr::tr("it cannot be entered")
                                   : app::Tr::tr("it does not exist");
        return refuse(app::Tr::tr("The directory \"%1\" cannot be used: %2. Nothing "
                                  "was written.")
                          .arg(shownPath(*options.directory), reason),
                      report);
    }

    // Every word file is read before anything is written.
    QList<std::pair<QString, WordFile>> wordFiles;
    for (const QString &name : options.addFiles) {
        const auto cannotRead = [&](const QString &reason) {
            return refuse(app::Tr::tr("The word file \"%1\" cannot be read: %2 Nothing was "
                                      "written.")
                              .arg(shownPath(name), reason),
                          report);
        };
        QFile file;
        if (const Result<void> opened = openInputFile(file, name); !opened)
            return cannotRead(opened.message());
        Result<WordFile> read = readWordFile(file);
        if (!read)
            return cannotRead(read.message());
        wordFiles.append({name, std::move(*read)});
    }

    MainWindow window;
    if (reporter)
        window.setWarningReporter(reporter);
    if (!window.load(options.builtIn))
        return 1;
    window.show();
    for (const auto &[name, file] : std::as_const(wordFiles))
        window.addWordsOfFile(QDir::toNativeSeparators(name), file);
    return QApplication::exec();
}

} // namespace vantro
