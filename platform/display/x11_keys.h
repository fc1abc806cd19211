// X key symbols as the platform's virtual keys.
#pragma once

#include "platform/win/kernel/types.h"

namespace display {

// The virtual key of an unshifted key symbol, or 0 for a key the platform
// does not know.
win::UINT virtual_key_from_keysym(unsigned long keysym);

}  // namespace display
