#include "wordlists/builtinwords.h"

#include "wordlists/casefold.h"

namespace vantro {

SortedTextList builtInSourceList()
{
    SortedTextList source;
    for (const char *entry : builtInWordTable())
        source.addItem(QString::fromUtf8(entry));
    return source;
}

SortedTextList wordListFromSource(const SortedTextList &source)
{
    SortedTextList words;
    for (const QString &item : source.items()) {
        if (!item.isEmpty())
            words.addItem(lowerCaseForm(item));
    }
    return words;
}

} // namespace vantro
