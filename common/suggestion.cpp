#include "common/suggestion.h"

#include "common/showntext.h"
#include "common/tr.h"

#include <QCommandLineParser>
#include <QList>

#include <algorithm>

namespace vantro {

namespace {

qsizetype editDistance(QStringView a, QStringView b)
{
    QList<qsizetype> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

QString closestName(const QString &typed, const QStringList &names)
{
    QString closest;
    qsizetype best = -1;
    for (const QString &name : names) {
        const qsizetype distance = editDistance(typed, name);
        // A short name is close to everything short: it must keep most of its letters.
        const bool near = distance <= 2 && distance < typed.size() - 1;
        const bool prefix = typed.size() >= 3 && name.startsWith(typed);
        if ((near || prefix) && (best < 0 || distance < best)) {
            closest = name;
            best = distance;
        }
    }
    return closest;
}

QString commandLineError(const QCommandLineParser &parser, const QStringList &arguments,
                         const QList<QCommandLineOption> &options)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1) {
        QStringList names;
        for (const QCommandLineOption &option : options) {
            for (const QString &name : option.names()) {
                if (name.size() > 1 && !(option.flags() & QCommandLineOption::HiddenFromHelp))
                    names.append(QLatin1String("--") + name);
            }
        }
        const QString typed = typedOption(unknown.first(), arguments);
        if (const QString meant = closestName(typed, names); !meant.isEmpty())
            return common::Tr::tr("Unknown option \"%1\"; did you mean \"%2\"?")
                .arg(shownText(typed), meant);
    }
    return parserError(parser, arguments);
}

} // namespace vantro
