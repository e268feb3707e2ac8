#pragma once

#include <QString>

namespace vantro {

// The replacement of a variant: every character swapped through the fixed substitution table
// (letters, "$", ".", "-" and "_"), every other character copied. Always the variant's length.
QString makeReplacement(const QString &word);

} // namespace vantro
