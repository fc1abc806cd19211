// A picture control: windowless, its picture drawn unscaled at its top-left
// corner and cut to its own rectangle and to the form.
#pragma once

#include "platform/forms/control.h"
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
};

}  // namespace forms
