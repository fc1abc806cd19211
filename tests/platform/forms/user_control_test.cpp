#include "platform/forms/user_control.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win/kernel/handles.h"
#include "platform/win/user/cursor.h"
#include "platform/win/user/input.h"
#include "platform/win/user/focus.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/message.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/window.h"

namespace forms {
namespace {

struct Recorder : ControlEvents {
  std::vector<std::string> seen;
  bool fail = false;
  void OnResize() override { seen.push_back("resize"); }
  void OnMouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    seen.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                   std::to_string(int(x)) + " " + std::to_string(int(y)));
    if (fail) throw std::runtime_error("handler failed");
  }
  void OnMouseUp(std::int16_t& b, std::int16_t&, float&, float&) override {
    seen.push_back("up " + std::to_string(b));
  }
  void OnClick() override { seen.push_back("click"); }
  void OnDblClick() override { seen.push_back("dblclick"); }
};

struct Parent {
  win::HWND hwnd;
  Parent() {
    static bool registered = [] {
      win::WNDCLASSA wc;
      wc.lpfnWndProc = win::DefWindowProcA;
      wc.lpszClassName = "UserControlTestParent";
      return win::RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    hwnd = win::CreateWindowExA(0, "UserControlTestParent", "", win::WS_POPUP, 0, 0, 300, 200,
                                win::HWND{});
  }
  ~Parent() { win::DestroyWindow(hwnd); }
};

TEST(UserControl, DrawsInOleColoursOnItsPersistentImage) {
  Parent parent;
  UserControl control(parent.hwnd, 10, 10, 20, 10);
  EXPECT_EQ(control.ScaleWidth(), 20.0f);
  EXPECT_EQ(win::GetPixel(control.hDC(), 0, 0), 0xFFFFFFu);
  control.PSet(1, 1, 0x8000000F);
  EXPECT_EQ(win::GetPixel(control.hDC(), 1, 1), 0xC0C0C0u);
  control.Box(5, 2, 3, 4, 0x0000FF);
  EXPECT_EQ(win::GetPixel(control.hDC(), 3, 2), 0x0000FFu);
  EXPECT_EQ(win::GetPixel(control.hDC(), 5, 4), 0x0000FFu);
  EXPECT_EQ(win::GetPixel(control.hDC(), 6, 4), 0xFFFFFFu);
  control.Line(0, 8, 4, 8, 0x00FF00);
  EXPECT_EQ(win::GetPixel(control.hDC(), 3, 8), 0x00FF00u);
  EXPECT_EQ(win::GetPixel(control.hDC(), 4, 8), 0xFFFFFFu);
  control.SetBackColor(0x102030);
  control.SetPicture(nullptr);
  EXPECT_EQ(win::GetPixel(control.hDC(), 1, 1), 0x102030u);
  EXPECT_GT(control.TextWidth("Music"), 0.0f);
  EXPECT_GT(control.TextHeight("Music"), 0.0f);
}

// Emptying the picture clears to the background colour of that moment,
// whatever is drawn or changed next and however the image is looked at.
TEST(UserControl, AnEmptiedPictureClearsTheImageBeforeAnyLaterDrawing) {
  Parent parent;
  UserControl control(parent.hwnd, 0, 0, 6, 4);
  const win::HDC dc = control.hDC();
  control.Box(0, 0, 5, 3, 0x0000FF);
  control.SetBackColor(0x102030);
  control.SetPicture(nullptr);
  control.SetBackColor(0x405060);
  control.Box(1, 1, 5, 3, 0x00FF00);  // leaves the left column and top row
  EXPECT_EQ(win::GetPixel(dc, 0, 0), 0x102030u);
  EXPECT_EQ(win::GetPixel(dc, 5, 3), 0x00FF00u);

  control.SetPicture(nullptr);
  control.Line(0, 0, 2, 0, 0x00FF00);
  EXPECT_EQ(win::GetPixel(dc, 1, 0), 0x00FF00u);
  EXPECT_EQ(win::GetPixel(dc, 2, 0), 0x405060u);
  EXPECT_EQ(win::GetPixel(dc, 5, 3), 0x405060u);

  control.SetPicture(nullptr);
  control.PSet(3, 3, 0x0000FF);
  EXPECT_EQ(win::GetPixel(dc, 2, 3), 0x405060u);

  // A box over the whole image, corners given in reverse, leaves nothing of
  // what was there; the window shows the image on Refresh.
  control.SetPicture(nullptr);
  control.Box(5, 3, 0, 0, 0x00FFFF);
  control.Refresh();
  const win::HDC window = win::GetDC(control.hWnd());
  EXPECT_EQ(win::GetPixel(window, 0, 0), 0x00FFFFu);
  EXPECT_EQ(win::GetPixel(window, 3, 3), 0x00FFFFu);
  win::ReleaseDC(control.hWnd(), window);

  // Taken straight from the context, the image is already cleared.
  control.SetPicture(nullptr);
  EXPECT_EQ(win::GetPixel(control.hDC(), 4, 2), 0x405060u);
  control.SetPicture(nullptr);
  control.Refresh();
  const win::HDC shown = win::GetDC(control.hWnd());
  EXPECT_EQ(win::GetPixel(shown, 4, 2), 0x405060u);
  win::ReleaseDC(control.hWnd(), shown);
}

TEST(UserControl, TranslatesMouseMessagesAndCatchesHandlerFailures) {
  Parent parent;
  UserControl control(parent.hwnd, 0, 0, 40, 30);
  Recorder events;
  control.set_events(&events);
  win::SendMessageA(control.hWnd(), win::WM_LBUTTONDOWN, win::MK_LBUTTON | win::MK_CONTROL,
                    win::MAKELPARAM(-3, 7));
  win::SendMessageA(control.hWnd(), win::WM_LBUTTONUP, 0, win::MAKELPARAM(5, 7));
  win::SendMessageA(control.hWnd(), win::WM_RBUTTONDOWN, win::MK_RBUTTON | win::MK_SHIFT,
                    win::MAKELPARAM(1, 2));
  win::SendMessageA(control.hWnd(), win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, win::MAKELPARAM(1, 2));
  EXPECT_EQ(events.seen, (std::vector<std::string>{"down 1 2 -3 7", "up 1", "click", "down 2 1 1 2",
                                                   "dblclick"}));

  events.fail = true;
  EXPECT_NO_THROW(win::SendMessageA(control.hWnd(), win::WM_LBUTTONDOWN, win::MK_LBUTTON, 0));
}

TEST(UserControl, TheReleaseAfterADoubleClickRaisesNoSecondClick) {
  Parent parent;
  UserControl control(parent.hwnd, 0, 0, 40, 30);
  Recorder events;
  control.set_events(&events);
  win::SendMessageA(control.hWnd(), win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, win::MAKELPARAM(1, 2));
  win::SendMessageA(control.hWnd(), win::WM_LBUTTONUP, 0, win::MAKELPARAM(1, 2));
  EXPECT_EQ(events.seen, (std::vector<std::string>{"dblclick", "up 1"}));
}

TEST(UserControl, ShowsTheHandForTheCustomPointerAndTakesItsPlaceInTheTabOrder) {
  Parent parent;
  UserControl control(parent.hwnd, 0, 0, 40, 30);
  control.SetMousePointer(vbCustom);
  EXPECT_EQ(win::window_cursor(control.hWnd()), win::LoadCursorA(win::HMODULE{}, win::IDC_HAND));
  EXPECT_EQ(win::pointer_shape(win::cursor_of_window(control.hWnd())), win::PointerShape::Hand);
  control.SetMousePointer(vbArrow);
  EXPECT_EQ(win::window_cursor(control.hWnd()), win::LoadCursorA(win::HMODULE{}, win::IDC_ARROW));
  control.SetMousePointer(vbDefault);
  EXPECT_FALSE(win::window_cursor(control.hWnd()));

  control.SetTabIndex(4);
  EXPECT_EQ(win::GetWindowTabIndex(control.hWnd()), 4);
  win::ShowWindow(parent.hwnd, win::SW_SHOW);
  win::ShowWindow(control.hWnd(), win::SW_SHOW);
  EXPECT_TRUE(win::can_take_focus(control.hWnd()));
}

TEST(UserControl, QuickSecondRightOrMiddlePressIsAnOrdinaryPress) {
  Parent parent;
  UserControl control(parent.hwnd, 0, 0, 40, 30);
  Recorder events;
  control.set_events(&events);
  win::ShowWindow(parent.hwnd, win::SW_SHOW);
  win::ShowWindow(control.hWnd(), win::SW_SHOW);
  win::POINT at{5, 5};
  win::ClientToScreen(control.hWnd(), &at);
  win::deliver_mouse_move(at.x, at.y);
  for (const win::MouseButton button : {win::MouseButton::Right, win::MouseButton::Middle}) {
    for (int i = 0; i < 2; ++i) {
      win::deliver_mouse_button(button, win::ButtonAction::Press);
      win::deliver_mouse_button(button, win::ButtonAction::Release);
      win::process_pending_messages();
    }
  }
  EXPECT_EQ(events.seen,
            (std::vector<std::string>{"down 2 0 5 5", "up 2", "down 2 0 5 5", "up 2",
                                      "down 4 0 5 5", "up 4", "down 4 0 5 5", "up 4"}));
}

// The window and the host's table entry once outlived a host whose image
// could not be made; destroying the parent then reached the freed host.
TEST(UserControl, FailedConstructionUseAfterFreeLeavesNothingBehind) {
  const std::size_t windows = win::live_objects(win::ObjectKind::Window);
  const std::size_t dcs = win::live_objects(win::ObjectKind::DeviceContext);
  {
    Parent parent;
    try {
      UserControl control(parent.hwnd, 0, 0, 8193, 8193);
      FAIL() << "an image of 8193 x 8193 was made";
    } catch (const ImageTooLarge& e) {
      EXPECT_EQ(e.width(), 8193);
      EXPECT_NE(std::string(e.what()).find("67108864 pixels"), std::string::npos) << e.what();
    }
    EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows + 1);
  }
  EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows);
  EXPECT_EQ(win::live_objects(win::ObjectKind::DeviceContext), dcs);
}

}  // namespace
}  // namespace forms
