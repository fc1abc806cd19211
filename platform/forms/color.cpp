#include "platform/forms/color.h"

#include "platform/win/ole/ole_color.h"

namespace forms {

win::COLORREF translate_color(win::OLE_COLOR color) {
  win::COLORREF out = 0;
  if (win::OleTranslateColor(color, win::HPALETTE{}, &out) != win::S_OK) return 0;
  return out;
}

}  // namespace forms
