#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace vantro {

// The name a misspelt one most likely meant, as git suggests one: of the names at most two edits
// away (a letter added, left out, changed) or that begin with what was typed, the closest; the
// first of those equally close; empty when none is.
QString closestName(const QString &typed, const QStringList &names);

// The error of a command line that QCommandLineParser could not read (see parserError()), with
// the option the user most likely meant when one is unknown and close to one of `options`.
QString commandLineError(const QCommandLineParser &parser, const QStringList &arguments,
                         const QList<QCommandLineOption> &options);

} // namespace vantro
