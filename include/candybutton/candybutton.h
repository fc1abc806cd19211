/// @file
/// @brief Everything of the CandyButton library: windows with CandyButtons
/// and labels, pictures, named constants, the version and the window-free
/// rendering of a button's look.
///
/// @code
///   candy::Application app;
///   candy::Window window(app, "Hello", 240, 120);
///   candy::Button& button = window.add_button("Music", 20, 20, 100, 70);
///   button.Style(candy::style::Rounded3);
///   button.ColorScheme(candy::scheme::SteelBlue);
///   button.on_click([&] { app.quit(); });
///   window.show();
///   return app.run();
/// @endcode
#pragma once

#include "button.h"
#include "constants.h"
#include "export.h"
#include "font.h"
#include "label.h"
#include "picture.h"
#include "render.h"
#include "schemes.h"
#include "version.h"
#include "window.h"
