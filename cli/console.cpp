#include "console.h"

#include <QCoreApplication>

#include <cstdio>

namespace vantro::cli {

namespace {

void writeTo(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeOut(const QString &text)
{
    writeTo(stdout, text.toUtf8());
}

void writeOut(const QByteArray &utf8)
{
    writeTo(stdout, utf8);
}

void writeError(const QString &text)
{
    writeTo(stderr, text.toUtf8());
}

void reportError(const QString &message)
{
    writeError(QCoreApplication::applicationName() + QLatin1String(": ") + message +
               QLatin1Char('\n'));
}

} // namespace vantro::cli
