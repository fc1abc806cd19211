// Style 1: a flat tool button that shows a grey-beige gradient in a rounded
// frame under the mouse and when pressed, and a white face in a blue frame
// when checked. Every colour is a constant; only the container's BackColor
// comes from outside.
#pragma once

#include <cstdint>

#include "candybutton/painters/button_face.h"

namespace candy {

// state: 0 resting, 1 pressed, 2 focused, 3 mouse over, 4 checked.
void PaintToolButtonStyle(ButtonFace& button, const std::int32_t& state);

}  // namespace candy
