// Mouse entry and exit from the button's own window messages. Painting
// arrives before the window paints, so the window region is rebuilt first;
// moves and leaves arrive after the host has raised its own notifications.
#include <array>
#include <string>

#include "candybutton/candybutton.h"
#include "candybutton/color_arithmetic.h"
#include "platform/win/kernel/module.h"
#include "platform/win/user/mouse_tracking.h"

namespace candy {

bool IsFunctionExported(std::string_view function, std::string_view library) {
  const std::string library_name(library);
  const std::string function_name(function);
  bool loaded_here = false;
  win::HMODULE module = win::GetModuleHandleA(library_name.c_str());
  if (!module) {
    module = win::LoadLibraryA(library_name.c_str());
    if (!module) return false;
    loaded_here = true;
  }
  const bool found = win::GetProcAddress(module, function_name.c_str()) != nullptr;
  if (loaded_here) win::FreeLibrary(module);
  return found;
}

std::span<const subclass::SubclassOwner::Callback> CandyButton::callback_methods() const {
  static const std::array<Callback, 1> methods{
      static_cast<Callback>(&CandyButton::HandleWindowMessage)};
  return methods;
}

void CandyButton::StartInterception() {
  m_TrackAvailable = kTrue;
  m_TrackInUser32 =
      m_interception->IsFunctionExported("TrackMouseEvent", "User32") ? kTrue : kFalse;
  if (!m_TrackInUser32 && !m_interception->IsFunctionExported("_TrackMouseEvent", "Comctl32")) {
    m_TrackAvailable = kFalse;
  }
  if (!m_TrackAvailable) return;
  m_interception->sc_Subclass(m_surface.hWnd(), 0, 1, nullptr, true);
  m_interception->sc_AddMessage(m_surface.hWnd(), win::WM_PAINT, MSG_BEFORE);
  m_interception->sc_AddMessage(m_surface.hWnd(), win::WM_MOUSEMOVE, MSG_AFTER);
  m_interception->sc_AddMessage(m_surface.hWnd(), win::WM_MOUSELEAVE, MSG_AFTER);
}

void CandyButton::RequestMouseLeave(win::HWND hWnd) {
  if (!m_TrackAvailable) return;
  win::TRACKMOUSEEVENT request;
  request.cbSize = 16;
  request.dwFlags = win::TME_LEAVE;
  request.hwndTrack = hWnd;
  request.dwHoverTime = 0;
  if (m_TrackInUser32) {
    win::TrackMouseEvent(&request);
  } else {
    win::comctl32_TrackMouseEvent(&request);
  }
}

// Neither Handled nor ReturnValue is touched: the window's own procedure
// always runs and its result stands. The enabled flag is not consulted, so a
// disabled button still shows and reports the mouse over it.
void CandyButton::HandleWindowMessage(win::BOOL /*IsBefore*/, win::BOOL& /*Handled*/,
                                      win::LRESULT& /*ReturnValue*/, win::HWND hWnd, win::UINT uMsg,
                                      win::WPARAM wParam, win::LPARAM lParam,
                                      win::LONG& /*UserValue*/) {
  switch (uMsg) {
    case win::WM_PAINT: UpdateButtonRegion(); break;
    case win::WM_MOUSEMOVE: {
      // The left button alone: a drag, which never enters.
      if (wParam == win::MK_LBUTTON) return;
      if (m_MouseOver) return;
      const float x = SignedLoWord(lParam);
      const float y = SignedHiWord(lParam);
      const float width = m_surface.ScaleWidth();
      const float height = m_surface.ScaleHeight();
      // The left and top edges do not count: the next move inside enters.
      if (x > 0 && y > 0 && x < width && y < height) {
        m_MouseOver = kTrue;
        RequestMouseLeave(hWnd);
        if (m_events) m_events->MouseEnter();
        Redraw(3);
      }
      break;
    }
    case win::WM_MOUSELEAVE:
      m_MouseOver = kFalse;
      if (m_events) m_events->MouseLeave();
      if (!m_Checked) Redraw(m_HasFocus ? 2 : 0);
      break;
    default: break;
  }
}

}  // namespace candy
