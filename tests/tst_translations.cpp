// The language of the messages: chosen from the environment as gettext programs choose it, and
// never in what scripts read. The programs run as processes under chosen environments; every
// byte they print under an English or unknown locale is that of LANG=C.
#include "common/translations.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

namespace {

// A child's environment: the caller's without its locale variables, plus "NAME=VALUE ...".
QProcessEnvironment environmentOf(const QString &settings)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys())
        if (name.startsWith(QLatin1String("LC_")) || name == u"LANG" || name == u"LANGUAGE")
            environment.remove(name);
    for (const QString &setting : settings.split(u' ', Qt::SkipEmptyParts))
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return environment;
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// A command of the programs, run in the directory: the window's when it starts with "window".
Run run(QStringList arguments, const QString &settings, const QString &directory)
{
    QProcess process;
    QString program = QStringLiteral(VANTRO_CLI_PATH);
    if (arguments.first() == u"window") {
        program = QStringLiteral(VANTRO_TOOL_PATH);
        arguments.removeFirst();
    }
    process.setProcessEnvironment(environmentOf(settings));
    process.setWorkingDirectory(directory);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result = {process.exitCode(), process.readAllStandardOutput(),
                  process.readAllStandardError()};
    return result;
}

// What scripts read of check's report: each line's "file:line: kind" and the summary line.
QByteArray scriptPart(const QByteArray &report)
{
    QByteArray part;
    for (const QByteArray &line : report.split('\n'))
        part += (line.startsWith("Summary: ") ? line : line.split(' ').mid(0, 2).join(' ')) + '\n';
    return part;
}

const QStringList kLocales = {"de_DE", "es_ES", "fr_FR", "it_IT", "nl_NL", "pt_PT"};

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void localesExist();
    void chosenLanguage_data();
    void chosenLanguage();
    void scriptOutput_data();
    void scriptOutput();

private:
    QTemporaryDir m_work;
};

void TranslationsTest::initTestCase()
{
    QVERIFY(m_work.isValid());
    QVERIFY(writeFileBytes(m_work.filePath("words.txt"), "drat\nblöde kuh\n"));
    // A dangerous entry, a malformed line, a repeat.
    QVERIFY(writeFileBytes(m_work.filePath("check.txt"),
                           "{ \"gosh\" \"darn it\" }\r\n{ \"broken\" }\r\n"
                           "{ \"hoe\" \"t0w\" }\r\n{ \"hoe\" \"t0w\" }\r\n"));
}

// The locales that the suite runs the programs under; the message tests under de_DE.UTF-8 need
// this one to pass, else they run in the C locale and prove nothing.
void TranslationsTest::localesExist()
{
    const QByteArray before = std::setlocale(LC_ALL, nullptr);
    QStringList missing;
    for (const QString &locale : kLocales)
        if (!std::setlocale(LC_ALL, (locale + ".UTF-8").toLatin1().constData()))
            missing += QStringLiteral("localedef -i %1 -f UTF-8 %1.UTF-8").arg(locale);
    std::setlocale(LC_ALL, before.constData());
    QVERIFY2(missing.isEmpty(), qPrintable("Locales are missing; generate them (tools/install-deps "
                                           "does) with: " +
                                           missing.join(QLatin1String("; "))));
}

void TranslationsTest::chosenLanguage_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANGUAGE first") << "LANGUAGE=fr LANG=de_DE.UTF-8"
                                    << "fr";
    QTest::newRow("LC_ALL over LANG") << "LC_ALL=it_IT.UTF-8 LANG=de"
                                      << "it";
    QTest::newRow("LC_MESSAGES over LANG") << "LC_MESSAGES=nl_NL LANG=de"
                                           << "nl";
    QTest::newRow("LANG alone") << "LANG=de_DE.UTF-8@euro"
                                << "de";
    QTest::newRow("C ignores LANGUAGE") << "LANGUAGE=de LC_ALL=C LANG=fr_FR"
                                        << "en";
    QTest::newRow("POSIX") << "LANGUAGE=de LANG=POSIX"
                           << "en";
    QTest::newRow("C.UTF-8") << "LANGUAGE=de LANG=C.UTF-8"
                             << "en";
    QTest::newRow("nothing set") << "LANGUAGE=de"
                                 << "en";
    QTest::newRow("empty LC_ALL") << "LC_ALL= LANG=es_ES"
                                  << "es";
    QTest::newRow("country without translation") << "LANG=pt_BR.UTF-8"
                                                 << "pt";
    QTest::newRow("language without translation") << "LANG=xx_XX"
                                                  << "en";
    QTest::newRow("untranslated skipped") << "LANGUAGE=xx::es LANG=de_DE"
                                          << "es";
    QTest::newRow("English") << "LANG=en_GB.UTF-8"
                             << "en";
    QTest::newRow("English wins") << "LANGUAGE=en:de LANG=fr_FR"
                                  << "en";
}

void TranslationsTest::chosenLanguage()
{
    QFETCH(QString, settings);
    QFETCH(QString, language);
    QCOMPARE(vantro::messageLanguage(environmentOf(settings)), language);
}

void TranslationsTest::scriptOutput_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("translated"); // else every byte is that of LANG=C
    for (const char *english : {"LANG=C", "LANG=en_US.UTF-8", "LANG=xx_XX.UTF-8", "LC_ALL=POSIX"})
        QTest::newRow(english) << english << false;
    for (const QString &locale : kLocales)
        QTest::newRow(qPrintable(locale)) << "LANG=" + locale + ".UTF-8" << true;
}

// What scripts read (the entries, list, expand, check's prefixes and summary, the statuses) is
// the same in every language; the help is translated.
void TranslationsTest::scriptOutput()
{
    QFETCH(QString, settings);
    QFETCH(bool, translated);
    const QList<QStringList> commands = {{"--help"},
                                         {"list"},
                                         {"expand", "hoe"},
                                         {"check", "check.txt"},
                                         {"build", "--stdout", "--add", "words.txt"},
                                         {"--bogus"},
                                         {"build", "--help"},
                                         {"check", "--help"},
                                         {"tidy", "--help"},
                                         {"list", "--help"},
                                         {"expand", "--help"},
                                         {"explain", "--help"},
                                         {"window", "--help"}};
    for (const QStringList &command : commands) {
        const Run english = run(command, QStringLiteral("LANG=C"), m_work.path());
        const Run chosen = run(command, settings, m_work.path());
        const QByteArray said = command.join(u' ').toUtf8();
        QVERIFY2(english.status >= 0 && chosen.status >= 0, said);
        QVERIFY2(chosen.status == english.status, said);
        if (!translated) {
            QVERIFY2(chosen.out == english.out && chosen.err == english.err, said);
        } else if (command.contains(QLatin1String("--help"))) {
            QVERIFY2(chosen.out != english.out, said + " is not translated");
            // The help of vantro-filter fits a terminal of 80 columns in every language.
            for (const QString &line : QString::fromUtf8(chosen.out).split(u'\n'))
                QVERIFY2(command.first() == u"window" || line.size() <= 79, qPrintable(line));
        } else if (command.first() == u"check") {
            QCOMPARE(scriptPart(chosen.out), scriptPart(english.out));
        } else if (command.first() != u"--bogus") {
            QVERIFY2(chosen.out == english.out, said);
        }
    }
    // Nothing was written.
    QCOMPARE(namesIn(m_work.path()), QStringList({"check.txt", "words.txt"}));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
