// Reads a stored layout's text (the syntax is described at the top of
// resources/mainFRM.layout). Throws LayoutError for malformed text.
#pragma once

#include <string_view>

#include "platform/forms/layout.h"

namespace forms {

// The form's block. The text holds exactly one top-level block.
LayoutBlock parse_layout(std::string_view text);

}  // namespace forms
