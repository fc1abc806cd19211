#include "platform/win/user/fill_rect.h"

#include "platform/win/gdi/gdi.h"
#include "platform/win/user/syscolor.h"

namespace win {

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  // Handle values this small are never issued by the handle table.
  if (brush.value >= 1 && is_sys_color_index(static_cast<int>(brush.value) - 1))
    brush = GetSysColorBrush(static_cast<int>(brush.value) - 1);
  return fill_rect(dc, rect, brush);
}

}  // namespace win
