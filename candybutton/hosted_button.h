// A CandyButton placed on a form from a stored layout or made in code: the
// form's control, the button's container and its host window in one object.
// The button is restored from the layout's bag (or an empty one) in run mode.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "candybutton/candybutton.h"
#include "platform/forms/container.h"
#include "platform/forms/control.h"
#include "platform/forms/control_registry.h"
#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/forms/user_control.h"

namespace candy {

class HostedCandyButton final : public forms::Control, private forms::ControlContainer {
 public:
  HostedCandyButton(forms::Form& form, const forms::LayoutBlock& block,
                    forms::PictureSource pictures);
  // A button made in code, a new instance: caption = its name, Tahoma 9 pt,
  // enabled, the default colours; set its properties through button(), then
  // place and show it with Move.
  HostedCandyButton(forms::Form& form, std::string name, int tab_index);

  CandyButton& button() { return *m_button; }
  forms::UserControl& host() { return m_host; }
  win::HWND hWnd() const override { return m_host.hWnd(); }

 private:
  void PropertyChanged(std::string_view name) override;
  bool AmbientUserMode() const override { return true; }
  forms::FontDescription AmbientFont() const override;
  std::string ExtenderName() const override { return Name(); }
  std::optional<win::OLE_COLOR> BackColor() const override { return form().BackColor(); }
  win::PicturePtr LoadPictureRef(const forms::PictureRef& ref) override;
  forms::PictureRef PictureRefOf(const win::PicturePtr& picture) const override;

  forms::PictureSource m_pictures;
  // Each picture handed out, with the reference it was loaded by.
  std::vector<std::pair<win::PicturePtr, forms::PictureRef>> m_given;
  forms::UserControl m_host;
  std::unique_ptr<CandyButton> m_button;
};

// Makes the registry create real buttons for "brindlecovemediacenter.CandyButton".
void register_candybutton(forms::ControlRegistry& registry);

}  // namespace candy
