#include "windowprogram.h"

#include "inputopen.h"
#include "mainwindow.h"
#include "showntext.h"
#include "windowcommandline.h"
#include "windowtext.h"
#include "wordfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <utility>

namespace vantro {

namespace {

constexpr int kUsageStatus = 2;

int refuse(const QString &message, const WarningReporter &reporter)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    reporter(message);
    return kUsageStatus;
}

} // namespace

int runWindowProgram(const QStringList &arguments, const WarningReporter &reporter)
{
    const WarningReporter report = reporter ? reporter : messageBoxReporter(nullptr);
    const WindowCommandLine commandLine = parseWindowCommandLine(arguments);
    if (!commandLine.error.isEmpty())
        return refuse(commandLine.error, report);

    const WindowOptions &options = commandLine.options;
    if (options.directory && !QDir::setCurrent(*options.directory)) {
        const QString reason = QDir(*options.directory).exists()
                                   ? WindowText::tr("it cannot be entered")
                                   : WindowText::tr("it does not exist");
        return refuse(WindowText::tr("The directory \"%1\" cannot be used: %2. Nothing "
                                     "was written.")
                          .arg(shownPath(*options.directory), reason),
                      report);
    }

    // Every word file is read before anything is written.
    QList<std::pair<QString, WordFile>> wordFiles;
    for (const QString &name : options.addFiles) {
        const auto cannotRead = [&](const QString &reason) {
            return refuse(WindowText::tr("The word file \"%1\" cannot be read: %2 Nothing was "
                                         "written.")
                              .arg(shownPath(name), reason),
                          report);
        };
        QFile file;
        if (const auto error = openInputFile(file, name))
            return cannotRead(*error);
        WordFileRead read = readWordFile(file);
        if (!read.file)
            return cannotRead(read.error);
        wordFiles.append({name, std::move(*read.file)});
    }

    MainWindow window;
    if (reporter)
        window.setWarningReporter(reporter);
    if (!window.load())
        return 1;
    window.show();
    for (const auto &[name, file] : std::as_const(wordFiles))
        window.addWordsOfFile(QDir::toNativeSeparators(name), file);
    return QApplication::exec();
}

} // namespace vantro
