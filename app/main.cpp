// Placeholder start until the window lands: does the start-up work and prints the word count.
#include "builtinwords.h"
#include "startupfiles.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (const auto error = vantro::rewriteBadWordFile(QDir::currentPath())) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    const auto words = vantro::wordListFromSource(vantro::builtInSourceList());
    std::printf("%lld words\n", static_cast<long long>(words.ListCount()));
    return 0;
}
