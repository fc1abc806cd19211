#include "platform/win/user/paint.h"

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/user/window_object.h"
#include "recorder.h"

namespace win::test {
namespace {

using Painting = WindowTest;

TEST_F(Painting, AnInvalidationGivesOnePaintAndTheDefaultHandlingValidates) {
  const HWND top = make_top(0, 0, 20, 20);
  drain();
  recorder_log().messages.clear();
  RECT part{2, 3, 5, 7};
  InvalidateRect(top, &part, FALSE);
  InvalidateRect(top, &part, FALSE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
  EXPECT_EQ(update, part);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
  EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}

TEST_F(Painting, InvalidationBeforeTheDefaultHandlingIsConsumedByThatPaint) {
  const HWND top = make_top(0, 0, 20, 20);
  drain();
  recorder_log().messages.clear();
  recorder_log().hooks[WM_PAINT] = [](HWND hwnd, WPARAM, LPARAM) {
    InvalidateRect(hwnd, nullptr, TRUE);
    return false;  // then the default handling
  };
  InvalidateRect(top, nullptr, FALSE);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
}

TEST_F(Painting, InvalidationAfterEndPaintAsksForAnotherPaint) {
  const HWND top = make_top(0, 0, 20, 20);
  drain();
  int paints = 0;
  recorder_log().hooks[WM_PAINT] = [&paints](HWND hwnd, WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    if (++paints == 1) InvalidateRect(hwnd, nullptr, FALSE);
    return true;
  };
  InvalidateRect(top, nullptr, FALSE);
  drain();
  EXPECT_EQ(paints, 2);
}

TEST_F(Painting, APaintHandlerThatNeverValidatesCausesNoStorm) {
  const HWND top = make_top(0, 0, 20, 20);
  drain();
  recorder_log().messages.clear();
  recorder_log().hooks[WM_PAINT] = [](HWND, WPARAM, LPARAM) { return true; };
  InvalidateRect(top, nullptr, FALSE);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
}

TEST_F(Painting, HiddenWindowsWaitForTheirPaintUntilShown) {
  const HWND top = make_top(0, 0, 20, 20, 0);
  InvalidateRect(top, nullptr, FALSE);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 0);
  ShowWindow(top, SW_SHOW);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
}

TEST_F(Painting, ErasingFillsTheUpdateAreaWithTheClassBackground) {
  const HWND top = make_top(0, 0, 4, 2);
  drain();
  recorder_log().messages.clear();
  Window* w = find_window(top);
  w->surface.fill(0);
  RECT part{1, 0, 3, 1};
  InvalidateRect(top, &part, TRUE);
  drain();
  const COLORREF b = kRecorderBackground;
  EXPECT_EQ(w->surface.pixels, (std::vector<COLORREF>{0, b, b, 0, 0, 0, 0, 0}));
  EXPECT_EQ(recorder_log().count(WM_ERASEBKGND, top), 1);
}

TEST_F(Painting, WindowDCsDrawOnTheClientSurfaceAndAreCounted) {
  const std::size_t dcs = live_objects(ObjectKind::DeviceContext);
  const HWND top = make_top(0, 0, 4, 2);
  const HDC dc = GetDC(top);
  ASSERT_TRUE(dc);
  EXPECT_EQ(live_objects(ObjectKind::DeviceContext), dcs + 1);
  DeviceContext* context = handle_table().get<DeviceContext>(dc.value, ObjectKind::DeviceContext);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(context->surface, &find_window(top)->surface);
  EXPECT_EQ(context->clip, nullptr);
  EXPECT_EQ(context->window, top);
  EXPECT_EQ(ReleaseDC(make_top(0, 0, 1, 1), dc), 0);
  EXPECT_EQ(ReleaseDC(top, dc), 1);
  EXPECT_EQ(ReleaseDC(top, dc), 0);
  EXPECT_EQ(live_objects(ObjectKind::DeviceContext), dcs);

  // A DC that outlives its window draws nothing and can still be released.
  const HWND doomed = make_top(0, 0, 4, 2);
  const HDC orphan = GetDC(doomed);
  DestroyWindow(doomed);
  context = handle_table().get<DeviceContext>(orphan.value, ObjectKind::DeviceContext);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(context->surface, nullptr);
  EXPECT_EQ(ReleaseDC(doomed, orphan), 1);
  EXPECT_EQ(live_objects(ObjectKind::DeviceContext), dcs);
}

TEST_F(Painting, BadHandlesFailCleanly) {
  PAINTSTRUCT ps;
  EXPECT_FALSE(InvalidateRect(HWND{12345}, nullptr, TRUE));
  EXPECT_FALSE(BeginPaint(HWND{12345}, &ps));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(EndPaint(HWND{12345}, &ps));
  EXPECT_FALSE(GetDC({}));
  const HWND top = make_top(0, 0, 4, 2);
  EXPECT_EQ(SetWindowRgn(top, HRGN{999}, TRUE), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetWindowRgn(top, HRGN{999}), ERROR);
}

}  // namespace
}  // namespace win::test

namespace win::test {
namespace {

TEST_F(Painting, SetWindowRgnWithRedrawInsidePaintGivesExactlyOnePaint) {
  const std::size_t regions = live_objects(ObjectKind::Region);
  const HWND top = make_top(0, 0, 20, 20);
  drain();
  recorder_log().messages.clear();
  recorder_log().hooks[WM_PAINT] = [](HWND hwnd, WPARAM, LPARAM) {
    SetWindowRgn(hwnd, CreateRoundRectRgn(0, 0, 20, 20, 6, 6), TRUE);
    return false;
  };
  InvalidateRect(top, nullptr, TRUE);
  drain();
  EXPECT_EQ(recorder_log().count(WM_PAINT, top), 1);
  // The window owns its region; the one it replaced was freed.
  EXPECT_EQ(live_objects(ObjectKind::Region), regions);
  const HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(top, copy), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(copy, 0, 0));
  EXPECT_TRUE(PtInRegion(copy, 10, 10));
  DeleteObject(copy);
}

TEST_F(Painting, TheWindowRegionClipsItsOpenDCs) {
  const HWND top = make_top(0, 0, 4, 4);
  const HDC dc = GetDC(top);
  const HRGN region = CreateRectRgn(1, 1, 3, 3);
  ASSERT_EQ(SetWindowRgn(top, region, FALSE), 1);
  EXPECT_FALSE(DeleteObject(region));  // no longer the caller's
  const auto* context = handle_table().get<DeviceContext>(dc.value, ObjectKind::DeviceContext);
  EXPECT_FALSE(context->may_draw(0, 0));
  EXPECT_TRUE(context->may_draw(1, 2));
  SetWindowRgn(top, {}, FALSE);
  EXPECT_TRUE(context->may_draw(0, 0));
  ReleaseDC(top, dc);
}

}  // namespace
}  // namespace win::test
