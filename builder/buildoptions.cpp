#include "builder/buildoptions.h"

#include "builder/tr.h"

namespace vantro {

using namespace optionname;

QCommandLineOption buildOption(const QString &name)
{
    using builder::Tr;
    const QString separator = QStringLiteral(", ");
    if (name == kLanguage)
        return {name,
                Tr::tr("Languages of the built-in entries, comma-separated. The codes: %1. May be "
                       "given more than once; without it, English (en).")
                    .arg(wordLanguageCodes().join(separator)),
                Tr::tr("LIST")};
    if (name == kCategory)
        return {name,
                Tr::tr("Categories of the built-in entries, comma-separated. The codes: %1. May be "
                       "given more than once; without it, every category.")
                    .arg(wordCategoryCodes().join(separator)),
                Tr::tr("LIST")};
    if (name == kSeverity)
        return {name,
                Tr::tr("Keep only the built-in entries of LEVEL and worse. The levels, from the "
                       "mildest: %1; without it, mild (every entry).")
                    .arg(wordSeverityCodes().join(separator)),
                Tr::tr("LEVEL")};
    if (name == kNoAmbiguous)
        return {name,
                Tr::tr("Leave out the ambiguous built-in entries. They have a common harmless "
                       "meaning in one of the languages: English \"hoe\" is Dutch for "
                       "\"how\".")};
    if (name == kMask)
        return {name, Tr::tr("Replace with stars (\"***\"), not the cipher (\"t0w\"). Either way a "
                             "replacement is as long as its text.")};
    if (name == kSpellings)
        return {name, Tr::tr("Also filter the other ways players type the words. Look-alike "
                             "characters (\"sh1t\", \"$hit\"), phrases With Each Word "
                             "Capitalised, accents as plain letters (\"arschlocher\", "
                             "\"arschloecher\"), the other apostrophe: at most half as many "
                             "entries again, the most typed forms first.")};
    if (name == kReplace)
        return {name, Tr::tr("Replace the filter that earlier Builds wrote. Its entries (those "
                             "whose replacement is the cipher or the mask of their text) go out of "
                             "the file, with the empty line of a block that goes whole, and the "
                             "new block comes in.")};
    if (name == kForceEncoding)
        return {name, Tr::tr("Append also to a file that looks like UTF-8. Without it, a Build "
                             "refuses such a file: the server reads it as Windows-1252, and the "
                             "Build's Windows-1252 bytes would mix with its UTF-8. With it, the "
                             "Build warns and goes on.")};
    if (name == kDir)
        return {name, Tr::tr("Write into DIR instead of the current directory."), Tr::tr("DIR")};
    Q_ASSERT(name == kWords || name == kAdd || name == kProfile || name == kExcept);
    const QString help =
        name == kWords ? Tr::tr("Take the words from FILE instead of the built-in lists. May be "
                                "given more than once.")
        : name == kAdd ? Tr::tr("Add the words of FILE to the list. May be given more than once.")
        : name == kProfile
            ? Tr::tr("Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and "
                     "+WORD add WORD, -WORD takes WORD out, lines starting with # are comments.")
            : Tr::tr("Take the words of FILE out of the list (an allow-list). They go as the "
                     "-WORD lines of a profile do. May be given more than once.");
    return {name, help, Tr::tr("FILE")};
}

Result<WordSourceNames> wordSourceNamesOf(const QCommandLineParser &parser, WordSourceRules rules)
{
    using builder::Tr;
    WordSourceNames names;
    names.wordFiles = parser.values(kWords);
    names.addFiles = parser.values(kAdd);
    names.profileFiles = parser.values(kProfile);
    names.exceptFiles = parser.values(kExcept);
    if (rules == WordSourceRules::Strict) {
        const QStringList files =
            names.wordFiles + names.addFiles + names.profileFiles + names.exceptFiles;
        if (files.count(QStringLiteral("-")) > 1)
            return Error{ErrorKind::Refused,
                         Tr::tr("Standard input (\"-\") can be read only once.")};
        // They choose built-in entries, of which --words takes none.
        const bool choosesBuiltIn = parser.isSet(kLanguage) || parser.isSet(kCategory) ||
                                    parser.isSet(kSeverity) || parser.isSet(kNoAmbiguous);
        if (!names.wordFiles.isEmpty() && choosesBuiltIn)
            return Error{ErrorKind::Refused,
                         Tr::tr("--words replaces the built-in list; --language, --category, "
                                "--severity and --no-ambiguous do not go with it.")};
    }
    Result<BuiltInChoice> builtIn =
        builtInChoiceFrom(parser.values(kLanguage), parser.values(kCategory),
                          parser.values(kSeverity), parser.isSet(kNoAmbiguous));
    if (!builtIn)
        return builtIn.error();
    names.builtIn = std::move(*builtIn);
    return names;
}

} // namespace vantro
