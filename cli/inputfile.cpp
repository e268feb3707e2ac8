#include "inputfile.h"

#include "inputopen.h"
#include "showntext.h"

#include "clitext.h"

namespace vantro::cli {

namespace {

bool isStandardInput(const QString &fileName)
{
    return fileName == QLatin1String("-");
}

} // namespace

QString inputDisplayName(const QString &fileName)
{
    return isStandardInput(fileName) ? Cli::tr("(standard input)") : shownText(fileName);
}

InputFile::InputFile(Console &console, const QString &fileName)
    : m_fileName(fileName), m_device(isStandardInput(fileName) ? &console.input() : &m_file)
{
}

bool InputFile::open(QString &error)
{
    if (m_device != &m_file)
        return true;
    if (const auto failure = openInputFile(m_file, m_fileName)) {
        error = *failure;
        return false;
    }
    return true;
}

} // namespace vantro::cli
