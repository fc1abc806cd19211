// Style 0: a push button with a white-to-beige body, a darker bottom shade, a
// dark blue rounded frame, an orange rim under the mouse, a blue rim with the
// focus and a darker inset gradient while pressed. Every colour is a
// constant; only the container's BackColor comes from outside.
#pragma once

#include <cstdint>

#include "candybutton/painters/button_face.h"

namespace candy {

// state: 0 resting, 1 pressed, 2 focused, 3 mouse over, 4 checked (drawn as resting).
void PaintPushButtonStyle(ButtonFace& button, const std::int32_t& state);

}  // namespace candy
