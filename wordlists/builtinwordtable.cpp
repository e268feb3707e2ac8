#include "builtinwords.h"

namespace vantro {

namespace {

// Stand-in rows until the full table lands.
constexpr const char *kBuiltInWords[] = {
    "al coholic",
    "bs",
    "your mouth",
};

} // namespace

std::span<const char *const> builtInWordTable()
{
    return kBuiltInWords;
}

} // namespace vantro
