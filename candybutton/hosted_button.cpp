#include "candybutton/hosted_button.h"

#include "platform/win/user/window.h"

namespace candy {

HostedCandyButton::HostedCandyButton(forms::Form& form, const forms::LayoutBlock& block,
                                     forms::PictureSource pictures)
    : forms::Control(form, block),
      m_pictures(std::move(pictures)),
      m_host(form.hWnd(), pixel_rect().left, pixel_rect().top,
             pixel_rect().right - pixel_rect().left, pixel_rect().bottom - pixel_rect().top) {
  m_host.SetTabIndex(TabIndex());
  forms::ControlContainer& container = *this;
  m_button = std::make_unique<CandyButton>(m_host, container, standard_parts());
  m_host.set_events(m_button.get());
  // The container sizes the control before it restores it: the window is
  // shaped now and painted once the properties are in.
  m_button->OnResize();
  m_button->ReadProperties(block.bag ? *block.bag : forms::PropertyBag{});
  if (Visible()) win::ShowWindow(m_host.hWnd(), win::SW_SHOW);
}

// A new instance: its name as caption and the surface's own font, Tahoma
// 9 pt, as a new instance starts; its colours, Enabled and mouse-leave
// tracking those of a button started in a program, so that it looks and
// behaves as one placed in a layout. The window waits, hidden and 0 x 0, for
// the first Move.
HostedCandyButton::HostedCandyButton(forms::Form& form, std::string name, int tab_index)
    : forms::Control(form, std::move(name), std::string(forms::kCandyButtonType)),
      m_host(form.hWnd(), 0, 0, 0, 0) {
  set_TabIndex(tab_index);
  m_host.SetTabIndex(tab_index);
  forms::ControlContainer& container = *this;
  m_button = std::make_unique<CandyButton>(m_host, container, standard_parts());
  m_host.set_events(m_button.get());
  forms::PropertyBag new_instance;
  new_instance.write("Caption", Name());
  new_instance.write("Font", forms::FontDescription{"Tahoma", 9, 400, false, false, false, 0});
  m_button->ReadProperties(new_instance);
}

// The launcher saves no layout at run time, so no one listens.
void HostedCandyButton::PropertyChanged(std::string_view) {}

// The form stores no font: the platform's default window font.
forms::FontDescription HostedCandyButton::AmbientFont() const {
  return {"MS Sans Serif", 8, 400, false, false, false, 0};
}

win::PicturePtr HostedCandyButton::LoadPictureRef(const forms::PictureRef& ref) {
  if (ref.empty() || !m_pictures) return nullptr;
  win::PicturePtr picture = m_pictures(ref.name);
  for (const auto& [given, given_ref] : m_given) {
    if (given == picture) return picture;
  }
  m_given.emplace_back(picture, ref);
  return picture;
}

// A picture saves under the reference it was loaded by; one that came from
// elsewhere has none and saves as no picture.
forms::PictureRef HostedCandyButton::PictureRefOf(const win::PicturePtr& picture) const {
  if (!picture) return {};
  for (const auto& [given, ref] : m_given) {
    if (given == picture) return ref;
  }
  return {};
}

void register_candybutton(forms::ControlRegistry& registry) {
  registry.add(forms::kCandyButtonType,
               {forms::placed_control_fields(), true,
                [](forms::Form& form, const forms::LayoutBlock& block,
                   const forms::PictureSource& pictures) -> std::unique_ptr<forms::Control> {
                  return std::make_unique<HostedCandyButton>(form, block, pictures);
                }});
}

}  // namespace candy
