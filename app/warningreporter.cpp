#include "app/warningreporter.h"

#include "app/appinfo.h"
#include "app/tr.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vantro {

WarningReporter messageBoxReporter(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString &message) {
        QWidget *shownOver = owner && owner->isVisible() ? owner.data() : nullptr;
        // Before the window is shown, on a platform without a screen (offscreen, minimal), a box
        // of its own would wait for ever for a click that nobody can make; the failures reported
        // then (start-up, the command line) are on standard error already.
        const QString platform = QGuiApplication::platformName();
        if (!shownOver &&
            (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")))
            return;
        QMessageBox::warning(shownOver, app::Tr::tr(appinfo::kProductName), message);
    };
}

} // namespace vantro
