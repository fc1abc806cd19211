// Windows: classes, creation and destruction, geometry, visibility, z-order,
// procedures. Every window keeps its own client image (a surface); the screen
// image is composed from a top-level window and its visible children.
#pragma once

#include "platform/win/kernel/last_error.h"
#include "platform/win/kernel/types.h"

namespace win {

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;

// Class styles.
inline constexpr UINT CS_DBLCLKS = 0x0008;

// Last-error codes of the window manager.
inline constexpr DWORD ERROR_TLW_WITH_WSCHILD = 1406;
inline constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
inline constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
inline constexpr DWORD ERROR_INVALID_INDEX = 1413;

// GetWindowLongA / SetWindowLongA indices.
inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_USERDATA = -21;
inline constexpr int GWL_ID = -12;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// WM_SETICON / WM_GETICON: wParam says which icon, lParam is the HICON. The
// window keeps the handle, not a copy: its owner keeps it alive meanwhile.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// SetWindowPos.
inline const HWND HWND_TOP{0};
inline const HWND HWND_BOTTOM{1};
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

struct WNDCLASSA {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  HCURSOR hCursor;
  COLORREF background = 0xFFFFFF;  // the colour a new client image starts with
  const char* lpszClassName = nullptr;
};

BOOL RegisterClassA(const WNDCLASSA* wc);
HWND CreateWindowExA(DWORD ex_style, const char* class_name, const char* window_name, DWORD style,
                     int x, int y, int width, int height, HWND parent, void* param = nullptr);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
HWND GetParent(HWND hwnd);
// The `param` given to CreateWindowExA (WM_CREATE cannot carry a 64-bit
// pointer in its 32-bit lParam).
void* GetWindowCreateParam(HWND hwnd);
BOOL SetWindowTextA(HWND hwnd, const char* text);
int GetWindowTextA(HWND hwnd, char* buffer, int size);

// The procedure travels as a LONG: a code address above 2 GiB as the low
// stub that leads to it (kernel/low_code.h).
LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* process_id);
DWORD GetCurrentProcessId();
DWORD GetCurrentThreadId();

// A procedure address as the LONG that SetWindowLongA takes: the address
// itself below 2 GiB, else its low stub; and back, a stub to its target.
LONG procedure_to_long(WNDPROC proc);
WNDPROC long_to_procedure(LONG value);

// A window that claims to belong to another process, for tests of code that
// must leave foreign windows alone.
HWND create_foreign_window_for_test();
// Test hook: the next SetWindowLongA fails with this last-error code.
void fail_next_set_window_long_for_test(DWORD error);

}  // namespace win
