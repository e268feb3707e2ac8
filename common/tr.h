#pragma once

#include <QCoreApplication>

namespace vantro::common {

// The translation context of every user text of this folder's library.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(vantro::common)
};

} // namespace vantro::common
