#include "platform/win/gdi/icon.h"

#include <stdexcept>
#include <string>

#include "platform/win/kernel/last_error.h"

namespace win {

namespace {
// What Windows reports for a handle that names no icon.
constexpr DWORD ERROR_INVALID_CURSOR_HANDLE = 1402;
}  // namespace

Icon* icon_from_handle(HICON icon) {
  return handle_table().get<Icon>(icon.value, ObjectKind::Icon);
}

HICON make_icon_handle(Surface color, std::vector<bool> transparent) {
  const std::size_t expected =
      static_cast<std::size_t>(color.width) * static_cast<std::size_t>(color.height);
  if (transparent.size() != expected)
    throw std::invalid_argument("make_icon_handle: the mask has " +
                                std::to_string(transparent.size()) + " entries for " +
                                std::to_string(expected) + " pixels");
  auto object = std::make_unique<Icon>();
  object->color = std::move(color);
  object->transparent = std::move(transparent);
  return HICON{handle_table().insert(ObjectKind::Icon, std::move(object))};
}

BOOL DestroyIcon(HICON icon) {
  if (!handle_table().remove(icon.value, ObjectKind::Icon)) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return 0;
  }
  return 1;
}

}  // namespace win
