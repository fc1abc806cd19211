// A picture control: windowless, its picture drawn at its top-left corner at
// the screen's scale (not stretched to the control) and cut to its own
// rectangle and to the form.
#pragma once

#include "platform/forms/control.h"
#include "platform/forms/scaled_picture.h"
#include "platform/win/ole/picture.h"

namespace forms {

class Image : public Control {
 public:
  Image(Form& form, const LayoutBlock& block, win::PicturePtr picture);

  const win::PicturePtr& Picture() const { return m_picture; }
  void set_Picture(win::PicturePtr picture);

  void paint(win::HDC dc) override;

 private:
  win::PicturePtr m_picture;
  ScaledPicture m_scaled;
};

}  // namespace forms
