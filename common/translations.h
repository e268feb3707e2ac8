#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace vantro {

// The language of the messages, as gettext programs choose it from the environment: the names of
// LANGUAGE (a colon-separated list), then the locale (the first set of LC_ALL, LC_MESSAGES,
// LANG), each as ll_CC and then ll; the first that is English or has a translation wins. The C
// and POSIX locales speak English whatever LANGUAGE says. Gives "en" or a shipped code ("de").
QString messageLanguage(const QProcessEnvironment &environment);

// Loads the English forms of the counted messages ("1 entry", "2 entries") and, over them, the
// translation of the system's language with Qt's own, into the application, which must exist.
// Both programs call it at start, and so do the tests that read messages. Numbers are printed as
// before: output that scripts read does not depend on the language.
void installTranslations();

} // namespace vantro
