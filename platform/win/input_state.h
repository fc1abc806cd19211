// The state behind input.h. Internal to the platform.
#pragma once

#include <array>

#include "platform/win/types.h"

namespace win {

struct InputState {
  POINT pointer;
  std::array<bool, 3> buttons{};  // indexed by MouseButton
  std::array<bool, 256> keys{};   // indexed by virtual key
  HWND focus;
};

InputState& input_state();

}  // namespace win
