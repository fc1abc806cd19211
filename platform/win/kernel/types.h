// The Windows-style types the program talks in: 32-bit integers, 32-bit
// handles of distinct types, rectangles, points, messages and their numbers.
#pragma once
#ifndef _WIN32  // a Windows compiler takes these names from windows.h: see the end
#include <cstdint>

namespace win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using WCHAR = char16_t;  // a UTF-16 code unit, the W functions' text
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using INT = std::int32_t;
using SHORT = std::int16_t;
using BOOL = std::int32_t;
using WPARAM = std::int32_t;
using LPARAM = std::int32_t;
using LRESULT = std::int32_t;
using COLORREF = std::uint32_t;   // 0x00BBGGRR
using OLE_COLOR = std::uint32_t;  // a COLORREF, or 0x80000000 | COLOR_* index
using HRESULT = std::int32_t;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// A handle is a 32-bit value naming an entry of the platform's handle table;
// 0 is never a live handle. Each kind is its own type so that a brush can't
// be passed where a region is expected.
template <class Tag>
struct Handle {
  std::uint32_t value = 0;
  constexpr Handle() = default;
  constexpr explicit Handle(std::uint32_t v) : value(v) {}
  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr bool operator==(Handle, Handle) = default;
};

using HGDIOBJ = Handle<struct GdiObjectTag>;

// GDI object handles convert implicitly to HGDIOBJ, as in Windows.
template <class Tag>
struct GdiHandle : Handle<Tag> {
  using Handle<Tag>::Handle;
  constexpr GdiHandle(HGDIOBJ object) : Handle<Tag>(object.value) {}
  constexpr operator HGDIOBJ() const { return HGDIOBJ{this->value}; }
};

using HWND = Handle<struct WindowTag>;
using HDC = Handle<struct DeviceContextTag>;
using HMODULE = Handle<struct ModuleTag>;
using HCURSOR = Handle<struct CursorTag>;
using HPALETTE = Handle<struct PaletteTag>;
using HRGN = GdiHandle<struct RegionTag>;
using HBRUSH = GdiHandle<struct BrushTag>;
using HPEN = GdiHandle<struct PenTag>;
using HBITMAP = GdiHandle<struct BitmapTag>;
using HFONT = GdiHandle<struct FontTag>;
using HICON = Handle<struct IconTag>;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
  LONG x = 0;
  LONG y = 0;
  friend constexpr bool operator==(POINT, POINT) = default;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  friend constexpr bool operator==(SIZE, SIZE) = default;
};

// Half-open: right and bottom are excluded.
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
  friend constexpr bool operator==(RECT, RECT) = default;
};

struct MSG {
  HWND hwnd;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

constexpr WORD LOWORD(DWORD v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(DWORD v) { return WORD(v >> 16); }
// Client coordinates travel in lParam as two signed 16-bit halves.
constexpr LPARAM MAKELPARAM(int x, int y) {
  return LPARAM((DWORD(WORD(x)) | (DWORD(WORD(y)) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM lp) { return SHORT(LOWORD(DWORD(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return SHORT(HIWORD(DWORD(lp))); }

// Messages.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_GETICON = 0x007F;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
inline constexpr UINT WM_USER = 0x0400;

// Mouse key flags in wParam.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

// Virtual keys.
inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_SHIFT = 0x10;
inline constexpr UINT VK_CONTROL = 0x11;
inline constexpr UINT VK_MENU = 0x12;
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_SPACE = 0x20;

// Last-error codes.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

}  // namespace win

#else
#include "platform/win/kernel/windows_build.h"
#endif  // _WIN32
