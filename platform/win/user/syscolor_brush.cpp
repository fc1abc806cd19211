#include <array>

#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/user/syscolor.h"

namespace win {

HBRUSH GetSysColorBrush(int index) {
  if (!is_sys_color_index(index)) return HBRUSH{};
  // The platform's table of system brushes.
  static std::array<HBRUSH, 31> brushes{};
  HBRUSH& brush = brushes[static_cast<std::size_t>(index)];
  if (!handle_table().lookup(brush.value, ObjectKind::Brush)) {
    brush = CreateSolidBrush(GetSysColor(index));
  }
  return brush;
}

}  // namespace win
