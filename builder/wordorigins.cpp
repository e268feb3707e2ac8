#include "builder/wordorigins.h"

#include "wordlists/casefold.h"

namespace vantro {

WordOrigins::WordOrigins(const WordSourceNames &names, const ComposedWordList &composed)
    : m_startWords(composed.startWords), m_additions(composed.additions),
      m_fileWords(composed.fileWords)
{
    if (!names.wordFiles.isEmpty())
        return;
    m_languages = names.builtIn.languages;
    for (const WordLanguage language : std::as_const(m_languages)) {
        for (const BuiltInWord &row : builtInWords(language)) {
            if (names.builtIn.categories.contains(row.category))
                m_builtIn[lowerCaseForm(QString::fromUtf8(row.text))].append({language, &row});
        }
    }
}

QStringList WordOrigins::files(const QString &word) const
{
    QStringList files;
    for (const WordFileWords &file : m_fileWords) {
        const QStringList &words = file.profile ? m_additions : m_startWords;
        for (qsizetype i = file.first; i < file.first + file.count; ++i) {
            if (words.at(i) == word) {
                if (!files.contains(file.name))
                    files.append(file.name);
                break;
            }
        }
    }
    return files;
}

} // namespace vantro
