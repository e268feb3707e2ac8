#include "common/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace vantro {

namespace {

QString translationFile(const QString &language)
{
    return QStringLiteral(":/i18n/vantro_%1.qm").arg(language);
}

// A locale name without its .codeset and @modifier: "de_DE.UTF-8@euro" is de_DE.
QString withoutCodeset(const QString &name)
{
    return name.section(u'@', 0, 0).section(u'.', 0, 0);
}

void install(const QString &file, const QString &directory = {})
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString messageLanguage(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    locale = withoutCodeset(locale);
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return QStringLiteral("en");
    QStringList names = environment.value(QStringLiteral("LANGUAGE")).split(u':');
    names.append(locale);
    for (const QString &name : std::as_const(names)) {
        const QString full = withoutCodeset(name);
        for (const QString &tried : {full, full.section(u'_', 0, 0)})
            if (!tried.isEmpty() && QFile::exists(translationFile(tried)))
                return tried;
    }
    return QStringLiteral("en");
}

void installTranslations()
{
    // Once per application object: the translators go with it.
    static QPointer<QCoreApplication> installed;
    if (installed == QCoreApplication::instance())
        return;
    installed = QCoreApplication::instance();
    // Built into the library; the language's, installed last, is looked in first.
    install(translationFile(QStringLiteral("en")));
    const QString language = messageLanguage(QProcessEnvironment::systemEnvironment());
    if (language == u"en")
        return;
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(translationFile(language));
}

} // namespace vantro
