#include "fileio/filesizesignal.h"

#include <csignal>

namespace vantro {

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace vantro
