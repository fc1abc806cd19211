// What the launcher window is made from: its stored layout and its pictures,
// both embedded into the executable.
#pragma once

#include <string_view>

#include "platform/forms/form.h"

namespace launcher {

// The text of resources/mainFRM.layout.
std::string_view mainFRM_layout();

// The embedded pictures by the names the layout gives them ("logo.bmp").
forms::PictureSource embedded_pictures();

}  // namespace launcher
