/// @file
/// @brief The version of the CandyButton library, at compile time and at run time.
#pragma once

#include "export.h"

/// Major version: changes when the interface changes incompatibly.
#define CANDYBUTTON_VERSION_MAJOR 1
/// Minor version: changes when the interface grows.
#define CANDYBUTTON_VERSION_MINOR 0
/// Patch version: changes with fixes only.
#define CANDYBUTTON_VERSION_PATCH 0
/// The version as text, "major.minor.patch".
#define CANDYBUTTON_VERSION "1.0.0"
/// The version as one comparable number: major * 10000 + minor * 100 + patch.
#define CANDYBUTTON_VERSION_NUMBER \
  (CANDYBUTTON_VERSION_MAJOR * 10000 + CANDYBUTTON_VERSION_MINOR * 100 + CANDYBUTTON_VERSION_PATCH)

namespace candy {

/// The version of the library the program runs with, "major.minor.patch";
/// compare it with CANDYBUTTON_VERSION, the one it was built against.
CANDYBUTTON_API const char* version();

}  // namespace candy
