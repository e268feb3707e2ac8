#pragma once

#include <QCoreApplication>

namespace vantro {

// The translation context of every user text of this library.
class WordLists
{
    Q_DECLARE_TR_FUNCTIONS(WordLists)
};

} // namespace vantro
