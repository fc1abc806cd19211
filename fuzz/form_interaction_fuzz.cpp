// A stored layout built into a form and then used as a person would: shown,
// painted, the pointer moved onto every control, each clicked and double
// clicked, the focus moved with Tab and Space pressed, the pointer taken
// away, and the form destroyed. Whatever the layout holds, this must end
// without a crash, a leak or a sanitizer report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string_view>

#include "candybutton/hosted_button.h"
#include "launcher/stored_layout.h"
#include "platform/forms/form_builder.h"
#include "platform/forms/layout_parser.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/presenter.h"
#include "platform/win/user/window.h"

namespace {

// Shows nothing and never waits: the frames are composed and dropped.
class NoScreen final : public win::Presenter {
 public:
  void present(win::HWND, const win::Surface&, win::POINT) override {}
  void wait_for_events(std::int64_t, bool) override {}
};

// Twips to a pixel coordinate, kept where the platform's int arithmetic holds.
int pixels(float twips) {
  return static_cast<int>(std::clamp(twips / 15.0f, -100000.0f, 100000.0f));
}

void click(win::MouseButton button) {
  win::deliver_mouse_button(button, win::ButtonAction::Press);
  win::deliver_mouse_button(button, win::ButtonAction::Release);
  win::process_pending_messages();
}

void key(win::UINT virtual_key) {
  win::deliver_key(virtual_key, win::KeyAction::Down);
  win::deliver_key(virtual_key, win::KeyAction::Up);
  win::process_pending_messages();
}

void use(forms::Form& form) {
  form.Show();
  win::process_pending_messages();
  for (const auto& control : form.controls()) {
    win::POINT centre{pixels(control->Left() + control->Width() / 2),
                      pixels(control->Top() + control->Height() / 2)};
    win::ClientToScreen(form.hWnd(), &centre);
    win::deliver_mouse_move(centre.x, centre.y);
    win::process_pending_messages();
    click(win::MouseButton::Left);
    click(win::MouseButton::Left);  // within the double-click time: a double click
    click(win::MouseButton::Right);
  }
  key(win::VK_TAB);
  key(win::VK_SPACE);
  win::deliver_mouse_move(-1000000, -1000000);
  win::process_pending_messages();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const forms::ControlRegistry registry = [] {
    forms::ControlRegistry r = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(r);
    return r;
  }();
  static const forms::PictureSource pictures = launcher::embedded_pictures();
  static NoScreen screen;
  win::set_presenter(&screen);
  std::unique_ptr<forms::Form> form;
  try {
    const forms::LayoutBlock layout =
        forms::parse_layout(std::string_view(reinterpret_cast<const char*>(data), size));
    form = forms::build_form(layout, registry, pictures);
    use(*form);
  } catch (const std::exception&) {
  }
  form.reset();
  win::process_pending_messages();
  return 0;
}
