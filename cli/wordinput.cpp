#include "cli/wordinput.h"

#include "builder/buildoptions.h"
#include "builder/wordlistsources.h"
#include "cli/namedinput.h"
#include "cli/tr.h"

namespace vantro::cli {

using namespace optionname;

WordListInput wordListFrom(Console &console, const WordSourceNames &names)
{
    const ComposedWordList composed = composeWordSources(
        names, [&console](const QString &name, const auto &read) -> Result<void> {
            NamedInput in(console, name);
            if (Result<void> opened = in.open(); !opened)
                return opened;
            read(in.device());
            return {};
        });
    WordListInput input;
    input.words = composed.words;
    input.composed = composed;
    for (const WordFileRefusals &file : composed.refused) {
        for (const WordFileProblem &problem : file.problems)
            input.refused.append(
                {inputDisplayName(file.name), problem.line, problem.error.message});
    }
    // A file in another encoding was read, and refused whole: as a refused word, it fails the
    // Build (1), but --skip-refused does not build without it.
    for (const auto &[name, error] : composed.unreadable)
        (error.kind == ErrorKind::Refused ? input.refusedFiles : input.unreadable)
            .append(Tr::tr("%1: %2").arg(inputDisplayName(name), error.message));
    return input;
}

void addWordSourceOptions(CommandOptions &options)
{
    QCommandLineOption profile = buildOption(kProfile);
    profile.setDescription(profile.description() + u' ' + Tr::tr("May be given more than once."));
    for (const QCommandLineOption &option :
         {buildOption(kWords), buildOption(kAdd), profile, buildOption(kExcept),
          buildOption(kLanguage), buildOption(kCategory), buildOption(kSeverity),
          buildOption(kNoAmbiguous)})
        options.add(option);
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
    for (const QString &error : input.refusedFiles + input.unreadable)
        console.reportError(error);
    for (const IdleTakeOut &takeOut : input.composed.idleTakeOuts)
        console.reportError(Tr::tr("%1:%2: warning: %3")
                                .arg(inputDisplayName(takeOut.name), QString::number(takeOut.line),
                                     idleTakeOutMessage(takeOut)));
    if (input.unreadable.isEmpty() && input.refusedFiles.isEmpty() &&
        (input.refused.isEmpty() || skipRefused))
        return std::nullopt;
    return input.unreadable.isEmpty() ? ExitStatus::Failure : ExitStatus::Usage;
}

} // namespace vantro::cli
