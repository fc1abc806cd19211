#include "launcher/window_icons.h"

#include <string>

#include "platform/win/gdi/ico.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "resources/icon_group.h"

namespace launcher {

namespace {

win::HICON richest_icon(int size) {
  const auto entries = resources::parse_icon_group(resources::icon_group());
  const resources::GroupIconEntry* best = nullptr;
  for (const auto& entry : entries)
    if (entry.width == size && (!best || entry.bit_count > best->bit_count)) best = &entry;
  if (!best) return {};
  auto image =
      win::decode_icon_image(resources::icon_image(best->id), "icon " + std::to_string(best->id));
  return win::make_icon_handle(std::move(image.color), std::move(image.transparent));
}

win::LPARAM as_lparam(win::HICON icon) { return static_cast<win::LPARAM>(icon.value); }

}  // namespace

WindowIcons::WindowIcons(win::HWND window) : m_window(window), m_big(richest_icon(32)) {
  try {
    m_small = richest_icon(16);
  } catch (...) {
    win::DestroyIcon(m_big);
    throw;
  }
  win::SendMessageA(m_window, win::WM_SETICON, win::ICON_BIG, as_lparam(m_big));
  win::SendMessageA(m_window, win::WM_SETICON, win::ICON_SMALL, as_lparam(m_small));
}

WindowIcons::~WindowIcons() {
  if (win::IsWindow(m_window)) {
    win::SendMessageA(m_window, win::WM_SETICON, win::ICON_BIG, 0);
    win::SendMessageA(m_window, win::WM_SETICON, win::ICON_SMALL, 0);
  }
  if (m_big) win::DestroyIcon(m_big);
  if (m_small) win::DestroyIcon(m_small);
}

}  // namespace launcher
