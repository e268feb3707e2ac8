#include "cli/wordinput.h"

#include "builder/buildoptions.h"
#include "builder/wordfile.h"
#include "builder/wordlistsources.h"
#include "cli/namedinput.h"
#include "cli/tr.h"
#include "wordlists/builtinwords.h"

namespace vantro::cli {

namespace {

using namespace optionname;

void addWordFile(Console &console, const QString &fileName, WordFileRole role, WordListInput &input,
                 QList<WordSource> &sources)
{
    const QString shownName = inputDisplayName(fileName);
    NamedInput in(console, fileName);
    if (auto opened = in.open(); !opened) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, opened.message()));
        return;
    }
    Result<WordFile> read = readWordFile(in.device(), wordFileKindOf(role));
    if (!read) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, read.message()));
        return;
    }
    for (const WordFileProblem &problem : read->problems)
        input.refused.append({shownName, problem.line, problem.message});
    sources.append({role, std::move(*read)});
}

} // namespace

BuiltInChoiceRead builtInChoiceOf(const QCommandLineParser &parser)
{
    Result<WordSourceNames> names = wordSourceNamesOf(parser, WordSourceRules::Lenient);
    return names ? BuiltInChoiceRead{std::move(names->builtIn), {}}
                 : BuiltInChoiceRead{{}, names.message()};
}

WordListInput wordListFrom(Console &console, const BuiltInChoice &builtIn,
                           const QStringList &replacingFiles, const QStringList &addingFiles,
                           const QStringList &profileFiles, const QStringList &exceptFiles)
{
    WordListInput input;
    QList<WordSource> sources;
    const std::pair<const QStringList &, WordFileRole> roles[] = {
        {replacingFiles, WordFileRole::Replacing},
        {addingFiles, WordFileRole::Adding},
        {profileFiles, WordFileRole::Profile},
        {exceptFiles, WordFileRole::Except},
    };
    for (const auto &[files, role] : roles) {
        for (const QString &fileName : files)
            addWordFile(console, fileName, role, input, sources);
    }
    QStringList builtInWords;
    if (replacingFiles.isEmpty())
        builtInWords = wordListFromSource(builtInSourceList(builtIn)).items();
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    input.words = composeBuildWordList(std::move(builtInWords), sources);
    return input;
}

void addWordSourceOptions(CommandOptions &options)
{
    QCommandLineOption profile = buildOption(kProfile);
    profile.setDescription(profile.description() + u' ' + Tr::tr("May be given more than once."));
    for (const QCommandLineOption &option :
         {buildOption(kWords), buildOption(kAdd), profile, buildOption(kExcept),
          buildOption(kLanguage), buildOption(kCategory)})
        options.add(option);
}

QString wordSourceUsageError(const QCommandLineParser &parser)
{
    const Result<WordSourceNames> names = wordSourceNamesOf(parser, WordSourceRules::Strict);
    return names ? QString() : names.message();
}

WordListInput wordListOf(Console &console, const QCommandLineParser &parser,
                         const BuiltInChoice &builtIn)
{
    return wordListFrom(console, builtIn, parser.values(kWords), parser.values(kAdd),
                        parser.values(kProfile), parser.values(kExcept));
}

std::optional<ExitStatus> reportWordInput(Console &console, const WordListInput &input,
                                          bool skipRefused)
{
    for (const WordRefusal &refusal : input.refused) {
        const QString line = QString::number(refusal.line);
        console.reportError(skipRefused
                                ? Tr::tr("%1:%2: warning: %3 The word is left out.")
                                      .arg(refusal.file, line, refusal.reason)
                                : Tr::tr("%1:%2: %3").arg(refusal.file, line, refusal.reason));
    }
    for (const QString &error : input.unreadable)
        console.reportError(error);
    if (input.unreadable.isEmpty() && (input.refused.isEmpty() || skipRefused))
        return std::nullopt;
    return input.unreadable.isEmpty() ? ExitStatus::Failure : ExitStatus::Usage;
}

} // namespace vantro::cli
