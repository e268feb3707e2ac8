#include "windowprogram.h"

#include "mainwindow.h"
#include "windowcommandline.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <utility>

namespace vantro {

namespace {

class WindowProgramText
{
    Q_DECLARE_TR_FUNCTIONS(WindowProgram)
};

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
                                   ? WindowProgramText::tr("it cannot be entered")
                                   : WindowProgramText::tr("it does not exist");
        return refuse(WindowProgramText::tr("The directory \"%1\" cannot be used: %2. Nothing "
                                            "was written.")
                          .arg(QDir::toNativeSeparators(*options.directory), reason),
                      report);
    }

    // Every word file is read before anything is written.
    QList<std::pair<QString, QByteArray>> wordFiles;
    for (const QString &name : options.addFiles) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return refuse(WindowProgramText::tr("The word file \"%1\" cannot be read: %2. "
                                                "Nothing was written.")
                              .arg(QDir::toNativeSeparators(name), file.errorString()),
                          report);
        wordFiles.append({name, file.readAll()});
    }

    MainWindow window;
    if (reporter)
        window.setWarningReporter(reporter);
    if (!window.load())
        return 1;
    window.show();
    for (const auto &[name, bytes] : std::as_const(wordFiles))
        window.addWordsOfFile(QDir::toNativeSeparators(name), bytes);
    return QApplication::exec();
}

} // namespace vantro
