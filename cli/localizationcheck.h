#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace vantro::cli {

struct CheckFinding
{
    enum class Kind
    {
        LongerReplacement, // the entry can crash the server
        Malformed,         // a line starting with "{" that is no entry
        Repeated,          // the same text and replacement as an earlier entry
    };

    Kind kind = Kind::Malformed;
    qsizetype line = 0; // 1-based
    QString message;    // a whole sentence, without the file name and line
};

struct CheckCounts
{
    qsizetype entries = 0;
    qsizetype longer = 0;
    qsizetype malformed = 0;
    qsizetype repeated = 0;

    CheckCounts &operator+=(const CheckCounts &other);
};

struct LocalizationCheck
{
    CheckCounts counts;
    QList<CheckFinding> findings; // in line order
};

// Looks at every entry line of a localization file's text (LF or CR LF line ends). Lengths are
// compared in characters; a repeat is an entry with the text and replacement of an earlier one
// in the same text.
LocalizationCheck checkLocalizationText(QStringView text);

} // namespace vantro::cli
