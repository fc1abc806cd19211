// Pointers per window and the shape shown at a screen point.
#include <gtest/gtest.h>

#include "platform/win/user/cursor.h"
#include "platform/win/user/window.h"

namespace win {
namespace {

TEST(CursorTest, ShapeFollowsTheWindowUnderThePointerAndItsParents) {
  WNDCLASSA wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "CursorTestWindow";
  RegisterClassA(&wc);
  const HWND top =
      CreateWindowExA(0, "CursorTestWindow", "", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50, {});
  const HWND child =
      CreateWindowExA(0, "CursorTestWindow", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, top);
  const HWND grandchild =
      CreateWindowExA(0, "CursorTestWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, child);

  const HCURSOR hand = LoadCursorA({}, IDC_HAND);
  ASSERT_TRUE(hand);
  EXPECT_EQ(LoadCursorA({}, IDC_HAND), hand);  // shared, not made anew
  EXPECT_EQ(pointer_shape(LoadCursorA({}, IDC_ARROW)), PointerShape::Arrow);
  EXPECT_FALSE(LoadCursorA({}, reinterpret_cast<const char*>(1)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  EXPECT_TRUE(set_window_cursor(child, hand));
  EXPECT_EQ(pointer_shape_at({115, 115}), PointerShape::Hand);   // over the child
  EXPECT_EQ(pointer_shape_at({111, 111}), PointerShape::Hand);   // its child inherits
  EXPECT_EQ(pointer_shape_at({105, 105}), PointerShape::Arrow);  // the top window
  EXPECT_EQ(pointer_shape_at({5, 5}), PointerShape::Arrow);      // no window
  EXPECT_TRUE(set_window_cursor(grandchild, LoadCursorA({}, IDC_ARROW)));
  EXPECT_EQ(pointer_shape_at({111, 111}), PointerShape::Arrow);

  EXPECT_TRUE(set_window_cursor(child, {}));
  EXPECT_EQ(pointer_shape_at({115, 115}), PointerShape::Arrow);
  EXPECT_FALSE(set_window_cursor(child, HCURSOR{0x7FFFF}));
  DestroyWindow(top);
  EXPECT_FALSE(set_window_cursor(child, hand));
  EXPECT_FALSE(window_cursor(grandchild));
}

}  // namespace
}  // namespace win
