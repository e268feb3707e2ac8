#include "warningreporter.h"

#include "appinfo.h"
#include "windowtext.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vantro {

WarningReporter messageBoxReporter(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString &message) {
        QWidget *shownOver = owner && owner->isVisible() ? owner.data() : nullptr;
        QMessageBox::warning(shownOver, WindowText::tr(appinfo::kProductName), message);
    };
}

} // namespace vantro
