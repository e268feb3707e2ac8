// expand: the variants of words with their replacements, as build would write them.
#include "builder/buildoptions.h"
#include "builder/cipher.h"
#include "builder/variants.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "common/showntext.h"

namespace vantro::cli {

namespace {

const QString kMax = QStringLiteral("max");

void addArguments(CommandOptions &options)
{
    options.add(
        {kMax, Tr::tr("Max usage: 18 variants of every word instead of 9 (\"?\" and \"_\" too).")});
    options.add(buildOption(optionname::kSpellings));
    options.add(buildOption(optionname::kMask));
    options.setArguments(QStringLiteral("WORD..."));
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(console, QStringLiteral("expand"), Tr::tr("No word given."));

    SortedTextList words;
    for (const QString &typed : arguments) {
        const NewWord word = prepareWordToBuild(typed);
        if (!word.checked) {
            console.reportError(Tr::tr("The word \"%1\" is refused: %2")
                                    .arg(shownText(typed), word.checked.message()));
            return ExitStatus::Failure;
        }
        words.addItem(word.text);
    }

    const ReplacementStyle style =
        parser.isSet(optionname::kMask) ? ReplacementStyle::Mask : ReplacementStyle::Cipher;
    QByteArray out;
    const SortedTextList variants = buildVariantList(sourceListFrom(words), parser.isSet(kMax),
                                                     parser.isSet(optionname::kSpellings));
    for (const QString &variant : variants.items())
        out += variant.toUtf8() + '\t' + makeReplacement(variant, style).toUtf8() + '\n';
    console.writeOut(out);
    return ExitStatus::Success;
}

} // namespace

Command expandCommand()
{
    Command command;
    command.name = QStringLiteral("expand");
    command.summary = Tr::tr("Print the variants of words with their replacements.");
    command.description =
        Tr::tr("Lower-cases and checks every WORD as build does, then prints each variant and its "
               "replacement, separated by a tab, one pair a line, in the order in which build "
               "writes them into the filter file. Output is UTF-8.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
