#include "app/windowcommandline.h"

#include "app/appinfo.h"
#include "app/tr.h"
#include "builder/buildoptions.h"
#include "common/showntext.h"
#include "common/suggestion.h"
#include "common/translations.h"
#include "fileio/path.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace vantro {

namespace {

using namespace optionname;

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QList<QCommandLineOption> options; // every one, for the suggestion of a misspelt one

    // Help and version options of their own: the standard help option brings --help-all, which
    // would have to list the window system's options before any window system is there.
    Parser()
        : help({QStringLiteral("h"), QStringLiteral("help")},
               app::Tr::tr("Print this help and exit.")),
          version({QStringLiteral("v"), QStringLiteral("version")},
                  app::Tr::tr("Print the program's name and version and exit."))
    {
        using Text = app::Tr;
        // "-reverse" is one option, as the window system reads it, not -r -e -v (--version) ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        options = {help, version};
        // Broken into lines here: the parser does not wrap the description.
        parser.setApplicationDescription(
            Text::tr("Keeps the word list of the game server's chat filter and builds its\n"
                     "entries into badnames.txt (which the server does not read) or\n"
                     "localization.txt in the working directory. Every start rewrites\n"
                     "badword.txt there. The details: man vantro-filter-tool"));
        QCommandLineOption profile = buildOption(kProfile);
        profile.setDescription(profile.description() + u' ' +
                               Text::tr("May be given more than once. Save profile (Ctrl+S) "
                                        "writes the window's edits back to the last FILE."));
        for (const QCommandLineOption &option :
             {buildOption(kDir), buildOption(kAdd), buildOption(kWords), profile,
              buildOption(kExcept), buildOption(kMask), buildOption(kSpellings),
              buildOption(kReplace), buildOption(kForceEncoding), buildOption(kLanguage),
              buildOption(kCategory), buildOption(kSeverity), buildOption(kNoAmbiguous)})
            options.append(option);
        parser.addOptions(options);
    }
};

QStringList argumentsOf(int argc, char *argv[])
{
    return decodeArguments(argc, argv); // names are bytes, see fileio/path.h
}

// The command line without the window system's own options, which the application object
// would take out (-style fusion, -reverse, ...), for reading it before there is one.
QStringList withoutWindowSystemOptions(const QStringList &arguments)
{
    static const QStringList withValue = {
        "platform",      "style",  "stylesheet",      "platformpluginpath",
        "platformtheme", "plugin", "qwindowgeometry", "geometry",
        "qwindowtitle",  "title",  "qwindowicon",     "icon",
        "display",       "name",   "session",         "qwindowscreen"};
    static const QStringList withoutValue = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(u'-')) {
            kept.append(argument);
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (withValue.contains(name))
            ++i; // and its value
        else if (!withoutValue.contains(name))
            kept.append(argument);
    }
    return kept;
}

} // namespace

std::optional<int> answerInformationRequest(int argc, char *argv[])
{
    Parser parser;
    // The window system's options (-platform, -style, ...) are taken out; other unknown options
    // make the parse fail but leave --help and --version readable.
    parser.parser.parse(withoutWindowSystemOptions(argumentsOf(argc, argv)));
    const bool help = parser.parser.isSet(parser.help);
    if (!help && !parser.parser.isSet(parser.version))
        return std::nullopt;

    // An application object of the core only, for the program name in the help text and its
    // language: the help is made again once the translations are there.
    QCoreApplication core(argc, argv);
    installTranslations();
    QString text;
    if (help)
        text = Parser().parser.helpText();
    else
        text = QStringLiteral("%1 %2\n").arg(QString::fromLatin1(appinfo::kProductName),
                                             QString::fromLatin1(appinfo::kVersion));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

WindowCommandLine parseWindowCommandLine(const QStringList &arguments)
{
    Parser parser;
    WindowCommandLine result;
    if (!parser.parser.parse(arguments)) {
        result.error = commandLineError(parser.parser, arguments, parser.options);
        return result;
    }
    if (const QStringList extra = parser.parser.positionalArguments(); !extra.isEmpty()) {
        result.error = app::Tr::tr("Unexpected argument \"%1\".").arg(shownText(extra.first()));
        return result;
    }
    if (parser.parser.isSet(kDir))
        result.options.directory = parser.parser.value(kDir);
    result.options.mask = parser.parser.isSet(kMask);
    result.options.replace = parser.parser.isSet(kReplace);
    result.options.forceEncoding = parser.parser.isSet(kForceEncoding);
    result.options.spellings = parser.parser.isSet(kSpellings);
    Result<WordSourceNames> sources = wordSourceNamesOf(parser.parser, WordSourceRules::Lenient);
    if (sources)
        result.options.sources = std::move(*sources);
    else
        result.error = sources.message();
    return result;
}

void printProgramMessage(const QString &message)
{
    // Every line after the program's name, written at once: a write per line would take long.
    QString lines;
    for (const QString &line : message.split(u'\n'))
        lines += QStringLiteral("vantro-filter-tool: ") + line + u'\n';
    std::fputs(lines.toLocal8Bit().constData(), stderr);
}

std::optional<int> refuseWithoutDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return std::nullopt;
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return std::nullopt;
    // A wrong command line is reported as such (status 2) with or without a display, in the
    // system's language.
    QCoreApplication core(argc, argv);
    installTranslations();
    const WindowCommandLine commandLine =
        parseWindowCommandLine(withoutWindowSystemOptions(argumentsOf(argc, argv)));
    if (!commandLine.error.isEmpty()) {
        printProgramMessage(commandLine.error);
        return 2;
    }
    printProgramMessage(
        app::Tr::tr("There is no display to show the window on (neither DISPLAY nor "
                    "WAYLAND_DISPLAY is set); on a machine without a desktop, use vantro-filter."));
    return 1;
}

} // namespace vantro
