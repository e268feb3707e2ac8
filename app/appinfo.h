#pragma once

#include "version.h"

namespace vantro::appinfo {

// The product's name and version, as the application object and the desktop entry give them.
inline constexpr char kProductName[] = "Vantro Bad Word Filter Tool";
inline constexpr char kVersion[] = VANTRO_VERSION; // the project's version, from CMake
// Names the installed desktop entry and icon.
inline constexpr char kDesktopFileName[] = VANTRO_APP_ID;

} // namespace vantro::appinfo
