#include "platform/win/user/window.h"

#include <unistd.h>

#include <climits>

#include "platform/win/kernel/handles.h"
#include "platform/win/user/window_object.h"
#include "recorder.h"

namespace win::test {
namespace {

using WindowLifecycle = WindowTest;

TEST_F(WindowLifecycle, CreationSendsCreateSizeMoveThenShow) {
  const HWND top = make_top(10, 20, 30, 40);
  ASSERT_TRUE(top);
  EXPECT_EQ(recorder_log().sequence(top),
            (std::vector<UINT>{WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  EXPECT_EQ(recorder_log().messages[1].lparam, MAKELPARAM(30, 40));
  EXPECT_EQ(recorder_log().messages[2].lparam, MAKELPARAM(10, 20));
  EXPECT_TRUE(IsWindowVisible(top));
  const HWND hidden = make_top(0, 0, 5, 5, 0);
  EXPECT_EQ(recorder_log().count(WM_SHOWWINDOW, hidden), 0);
  EXPECT_FALSE(IsWindowVisible(hidden));
}

TEST_F(WindowLifecycle, DestroyNotifiesParentFirstAndFreesChildrenFirst) {
  const std::size_t windows_before = live_objects(ObjectKind::Window);
  const HWND top = CreateWindowExA(0, recorder_class(), "", WS_POPUP, 0, 0, 50, 50, {});
  const HWND child = make_child(top, 0, 0, 10, 10);
  const HWND grandchild = make_child(child, 0, 0, 5, 5);
  EXPECT_EQ(live_objects(ObjectKind::Window), windows_before + 3);
  recorder_log().messages.clear();

  EXPECT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> order;
  for (const auto& m : recorder_log().messages) order.emplace_back(m.hwnd, m.message);
  const std::vector<std::pair<HWND, UINT>> expected{
      {top, WM_DESTROY},          {child, WM_DESTROY},   {grandchild, WM_DESTROY},
      {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(live_objects(ObjectKind::Window), windows_before);
  EXPECT_FALSE(IsWindow(top) || IsWindow(child) || IsWindow(grandchild));
}

TEST_F(WindowLifecycle, StaleAndNullHandlesFailWithInvalidWindowHandle) {
  const HWND top = CreateWindowExA(0, recorder_class(), "", WS_POPUP, 0, 0, 5, 5, {});
  DestroyWindow(top);
  RECT r;
  POINT p;
  DWORD pid = 0;
  for (const HWND bad : {top, HWND{}, HWND{0xFFFFFFFF}}) {
    SetLastError(0);
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(MoveWindow(bad, 0, 0, 1, 1, TRUE));
    EXPECT_FALSE(SetWindowPos(bad, HWND_TOP, 0, 0, 1, 1, 0));
    EXPECT_FALSE(GetClientRect(bad, &r));
    EXPECT_FALSE(ClientToScreen(bad, &p));
    EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
    EXPECT_EQ(SetWindowLongA(bad, GWL_USERDATA, 1), 0);
    EXPECT_EQ(GetWindowThreadProcessId(bad, &pid), 0u);
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  }
  EXPECT_FALSE(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, {}));
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_FALSE(CreateWindowExA(0, recorder_class(), "", WS_CHILD, 0, 0, 1, 1, top));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(WindowLifecycle, NegativeSizesClampAndHugeCoordinatesStayFinite) {
  const HWND top = make_top(INT_MAX, INT_MIN, -5, INT_MAX);
  RECT r;
  ASSERT_TRUE(GetClientRect(top, &r));
  EXPECT_EQ(r.right, 0);
  EXPECT_GT(r.bottom, 0);
  const HWND child = make_child(top, INT_MAX, INT_MAX, -1, -1);
  POINT p{INT_MAX, INT_MIN};
  EXPECT_TRUE(ClientToScreen(child, &p));
  EXPECT_TRUE(ScreenToClient(child, &p));
  EXPECT_TRUE(GetWindowRect(child, &r));
  EXPECT_TRUE(MoveWindow(child, INT_MIN, INT_MIN, INT_MAX, -7, TRUE));
  ASSERT_TRUE(GetClientRect(child, &r));
  EXPECT_EQ(r.bottom, 0);
}

using WindowGeometry = WindowTest;

TEST_F(WindowGeometry, MoveAndSizeMessagesOnlyForWhatChanged) {
  const HWND top = make_top(0, 0, 20, 20);
  recorder_log().messages.clear();
  MoveWindow(top, 5, 5, 20, 20, TRUE);
  EXPECT_EQ(recorder_log().sequence(top), (std::vector<UINT>{WM_MOVE}));
  recorder_log().messages.clear();
  SetWindowPos(top, HWND_TOP, 0, 0, 30, 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(recorder_log().sequence(top), (std::vector<UINT>{WM_SIZE}));
  EXPECT_EQ(recorder_log().messages[0].lparam, MAKELPARAM(30, 10));
  recorder_log().messages.clear();
  MoveWindow(top, 5, 5, 30, 10, TRUE);
  EXPECT_TRUE(recorder_log().messages.empty());
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r, (RECT{5, 5, 35, 15}));
}

TEST_F(WindowGeometry, ClientSurfaceStartsAndResizesInTheClassBackground) {
  const HWND top = make_top(0, 0, 3, 2);
  Window* w = find_window(top);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->surface.width, 3);
  EXPECT_EQ(w->surface.pixels, std::vector<COLORREF>(6, kRecorderBackground));
  w->surface.fill(0);
  MoveWindow(top, 0, 0, 4, 1, FALSE);
  EXPECT_EQ(w->surface.pixels, std::vector<COLORREF>(4, kRecorderBackground));
}

TEST_F(WindowGeometry, ChildPositionsAddUpToTheScreen) {
  const HWND top = make_top(100, 50, 80, 80);
  const HWND child = make_child(top, 10, 20, 30, 30);
  POINT p{1, 2};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{111, 72}));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, (POINT{11, 22}));
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetParent(top), HWND{});
}

LRESULT replacement_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_USER) return 42;
  return CallWindowProcA(long_to_procedure(GetWindowLongA(hwnd, GWL_USERDATA)), hwnd, msg, wparam,
                         lparam);
}

using WindowProcedure = WindowTest;

TEST_F(WindowProcedure, SetWindowLongReplacesTheProcedureAndReturnsTheOldOne) {
  const HWND top = make_top(0, 0, 5, 5);
  const LONG previous = SetWindowLongA(top, GWL_WNDPROC, procedure_to_long(replacement_proc));
  EXPECT_EQ(long_to_procedure(previous), &recorder_proc);
  SetWindowLongA(top, GWL_USERDATA, previous);
  recorder_log().messages.clear();
  EXPECT_EQ(SendMessageA(top, WM_USER, 0, 0), 42);
  SendMessageA(top, WM_USER + 1, 0, 0);
  EXPECT_EQ(recorder_log().sequence(top), (std::vector<UINT>{WM_USER + 1}));
  EXPECT_EQ(SetWindowLongA(top, GWL_WNDPROC, previous), procedure_to_long(replacement_proc));

  EXPECT_EQ(SetWindowLongA(top, GWL_WNDPROC, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetWindowLongA(top, 12345, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  EXPECT_EQ(CallWindowProcA(nullptr, top, WM_USER, 0, 0), 0);
}

// A procedure above 2 GiB travels as its low stub and comes back as itself;
// one below travels as its own address.
TEST(ProcedureAddress, TravelsAsALongThroughItsLowStub) {
  const auto high = reinterpret_cast<WNDPROC>(std::uintptr_t{0x7F0000001230});
  const LONG travelled = procedure_to_long(high);
  EXPECT_GT(travelled, 0);
  EXPECT_EQ(procedure_to_long(high), travelled);
  EXPECT_EQ(long_to_procedure(travelled), high);
  EXPECT_EQ(procedure_to_long(reinterpret_cast<WNDPROC>(std::uintptr_t{0x40001000})), 0x40001000);
  EXPECT_EQ(long_to_procedure(-5), nullptr);
  EXPECT_EQ(procedure_to_long(nullptr), 0);
}

TEST_F(WindowProcedure, ProcessIdsTellOurWindowsFromForeignOnes) {
  const HWND top = make_top(0, 0, 5, 5);
  DWORD pid = 0;
  EXPECT_EQ(GetWindowThreadProcessId(top, &pid), GetCurrentThreadId());
  EXPECT_EQ(pid, static_cast<DWORD>(getpid()));
  const HWND foreign = create_foreign_window_for_test();
  m_windows.push_back(foreign);
  GetWindowThreadProcessId(foreign, &pid);
  EXPECT_NE(pid, GetCurrentProcessId());
}

// Icons travel as Windows sets them: the window keeps the handles and hands
// back the one it replaced; any other wParam is no icon at all.
TEST_F(WindowProcedure, SetIconKeepsBigAndSmallAndReturnsThePreviousOne) {
  const HWND top = make_top(0, 0, 8, 8);
  const HICON big{0x1234};
  const HICON small{0x5678};
  EXPECT_EQ(SendMessageA(top, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_EQ(SendMessageA(top, WM_SETICON, ICON_BIG, LPARAM(big.value)), 0);
  EXPECT_EQ(SendMessageA(top, WM_SETICON, ICON_SMALL, LPARAM(small.value)), 0);
  EXPECT_EQ(SendMessageA(top, WM_GETICON, ICON_BIG, 0), LPARAM(big.value));
  EXPECT_EQ(SendMessageA(top, WM_GETICON, ICON_SMALL, 0), LPARAM(small.value));
  EXPECT_EQ(SendMessageA(top, WM_SETICON, ICON_BIG, 0), LPARAM(big.value));
  EXPECT_EQ(SendMessageA(top, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_EQ(SendMessageA(top, WM_SETICON, 7, LPARAM(big.value)), 0);
  EXPECT_EQ(SendMessageA(top, WM_GETICON, 7, 0), 0);
  EXPECT_EQ(SendMessageA(top, WM_GETICON, ICON_SMALL, 0), LPARAM(small.value));
}

}  // namespace
}  // namespace win::test
