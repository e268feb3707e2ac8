#include "warningreporter.h"

#include "appinfo.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vantro {

WarningReporter messageBoxReporter(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString &message) {
        // Without a screen (the offscreen platform of servers and test runs) nobody could close
        // a box, and the program would wait for ever; start-up and command-line failures are on
        // standard error already.
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return;
        QWidget *shownOver = owner && owner->isVisible() ? owner.data() : nullptr;
        QMessageBox::warning(
            shownOver, QCoreApplication::translate("MainWindow", appinfo::kProductName), message);
    };
}

} // namespace vantro
