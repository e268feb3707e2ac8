#pragma once

#include "wordlists/sortedtextlist.h"

#include <span>

namespace vantro {

// The built-in word list: UTF-8 texts, stored in list order.
std::span<const char *const> builtInWordTable();

// The source list as every start fills it: each entry of the built-in table added in table order.
SortedTextList builtInSourceList();

// The word list made from a source list: every non-empty item, lower-cased, in position order.
SortedTextList wordListFromSource(const SortedTextList &source);

} // namespace vantro
