// A stored layout as the launcher loads it: parsed, checked and built into a
// form with the standard controls and CandyButton, then torn down. Bad text
// must end in a LayoutError (or another std::exception naming the fault),
// never in a crash, a leak or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "candybutton/hosted_button.h"
#include "launcher/stored_layout.h"
#include "platform/forms/form_builder.h"
#include "platform/forms/layout_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const forms::ControlRegistry registry = [] {
    forms::ControlRegistry r = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(r);
    return r;
  }();
  static const forms::PictureSource pictures = launcher::embedded_pictures();
  try {
    const forms::LayoutBlock layout =
        forms::parse_layout(std::string_view(reinterpret_cast<const char*>(data), size));
    auto form = forms::build_form(layout, registry, pictures);
  } catch (const std::exception&) {
  }
  return 0;
}
