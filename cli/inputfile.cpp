#include "inputfile.h"

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
    m_file.setFileName(m_fileName);
    if (m_file.open(QIODevice::ReadOnly))
        return true;
    error = Cli::tr("Cannot open: %1").arg(shownText(m_file.errorString()));
    return false;
}

} // namespace vantro::cli
