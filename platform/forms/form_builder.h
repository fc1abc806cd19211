// Creates a form and its controls from a stored layout. The whole layout is
// checked first (control types, required and unknown keys, value types,
// pictures), so a layout that fails to load never leaves a half-built window;
// a control that fails while it is created takes the whole form with it.
#pragma once

#include <memory>

#include "platform/forms/control_registry.h"
#include "platform/forms/form.h"
#include "platform/forms/layout.h"

namespace forms {

// Throws LayoutError naming the line, the key and what was expected.
std::unique_ptr<Form> build_form(const LayoutBlock& layout, const ControlRegistry& registry,
                                 const PictureSource& pictures);

}  // namespace forms
