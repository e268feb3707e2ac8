#include "warningreporter.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vantro {

WarningReporter messageBoxReporter(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString &message) {
        QWidget *shownOver = owner && owner->isVisible() ? owner.data() : nullptr;
        QMessageBox::warning(
            shownOver, QCoreApplication::translate("MainWindow", appinfo::kProductName), message);
    };
}

} // namespace vantro
