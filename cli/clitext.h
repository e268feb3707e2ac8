#pragma once

#include <QCoreApplication>

namespace vantro {

// The translation context of every user text of this library.
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace vantro
