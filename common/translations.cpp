#include "common/translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vantro {

void installTranslations()
{
    static QTranslator *english = nullptr;
    if (english)
        return;
    english = new QTranslator(QCoreApplication::instance());
    // Built into the library from vantro_en.ts; a missing one leaves the plural forms.
    if (english->load(QStringLiteral(":/i18n/vantro_en.qm")))
        QCoreApplication::installTranslator(english);
}

} // namespace vantro
