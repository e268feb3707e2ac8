#pragma once

#include <QCoreApplication>

namespace vantro {

// The translation context of every user text of this library.
class Builder
{
    Q_DECLARE_TR_FUNCTIONS(Builder)
};

} // namespace vantro
