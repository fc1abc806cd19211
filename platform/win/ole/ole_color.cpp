#include "platform/win/ole/ole_color.h"

#include "platform/win/user/syscolor.h"

namespace win {

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE, COLORREF* out) {
  const DWORD kind = clr >> 24;
  const DWORD low = clr & 0x00FFFFFF;
  COLORREF result;
  if (kind == 0x80) {
    if (!is_sys_color_index(static_cast<int>(low))) return E_INVALIDARG;
    result = GetSysColor(static_cast<int>(low));
  } else if (kind > 0x80 || kind == 0x01) {
    return E_INVALIDARG;
  } else {
    result = low;
  }
  if (out) *out = result;
  return S_OK;
}

}  // namespace win
