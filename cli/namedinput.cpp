#include "cli/namedinput.h"

#include "cli/tr.h"
#include "common/showntext.h"
#include "fileio/inputfile.h"

namespace vantro::cli {

namespace {

bool isStandardInput(const QString &fileName)
{
    return fileName == QLatin1String("-");
}

} // namespace

QString inputDisplayName(const QString &fileName)
{
    return isStandardInput(fileName) ? Tr::tr("(standard input)") : shownText(fileName);
}

NamedInput::NamedInput(Console &console, const QString &fileName)
    : m_fileName(fileName), m_device(isStandardInput(fileName) ? &console.input() : &m_file)
{
}

Result<void> NamedInput::open()
{
    if (m_device != &m_file)
        return {};
    return openInputFile(m_file, m_fileName);
}

} // namespace vantro::cli
