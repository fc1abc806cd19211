#include "platform/win/user/syscolor.h"

#include <gtest/gtest.h>

#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/ole/ole_color.h"

namespace win {
namespace {

TEST(SysColor, ClassicStandardScheme) {
  EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), 0xC8C8C8u);
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), 0x808000u);
  EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), 0x800000u);
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), 0xFFFFFFu);
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), 0x000000u);
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), 0xC0C0C0u);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), 0x808080u);
  EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), 0x808080u);
  EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), 0x000000u);
  EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), 0xFFFFFFu);
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), 0x000000u);
  EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), 0xC0C0C0u);
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), 0xE1FFFFu);
  EXPECT_EQ(GetSysColor(COLOR_MENUBAR), 0xC0C0C0u);
  for (int i = 0; i <= COLOR_MENUBAR; ++i) EXPECT_EQ(GetSysColor(i) >> 24, 0u) << i;
}

TEST(SysColor, UnknownIndexIsBlack) {
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(31), 0u);
  EXPECT_EQ(GetSysColor(1000), 0u);
}

TEST(SysColor, BrushesPaintTheirColourAndAreKept) {
  EXPECT_FALSE(GetSysColorBrush(31));
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_TRUE(face);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
  const HDC dc = CreateCompatibleDC(HDC{});
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
  const HBITMAP previous = SelectObject(dc, bitmap);
  const RECT one{0, 0, 1, 1};
  FillRect(dc, &one, face);
  EXPECT_EQ(GetPixel(dc, 0, 0), 0xC0C0C0u);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  // One deleted by mistake is made again.
  DeleteObject(face);
  EXPECT_TRUE(GetSysColorBrush(COLOR_BTNFACE));
}

TEST(OleTranslateColor, SystemColoursTranslate) {
  COLORREF out = 1;
  EXPECT_EQ(OleTranslateColor(0x8000000F, HPALETTE{}, &out), S_OK);
  EXPECT_EQ(out, 0xC0C0C0u);
  EXPECT_EQ(OleTranslateColor(0x80000000 | COLOR_MENUBAR, HPALETTE{}, &out), S_OK);
  EXPECT_EQ(out, 0xC0C0C0u);
}

TEST(OleTranslateColor, MissingSystemColourFailsAndLeavesTheOutput) {
  for (const OLE_COLOR bad :
       {0x8000001Fu, 0x800000FFu, 0x80FFFFFFu, 0x8100000Fu, 0xFF000000u, 0x01000005u}) {
    COLORREF out = 0x12345678;
    EXPECT_EQ(OleTranslateColor(bad, HPALETTE{}, &out), E_INVALIDARG) << std::hex << bad;
    EXPECT_EQ(out, 0x12345678u) << std::hex << bad;
  }
  EXPECT_EQ(E_INVALIDARG, static_cast<HRESULT>(0x80070057));
}

TEST(OleTranslateColor, OtherValuesKeepTheirLow24Bits) {
  COLORREF out = 0;
  EXPECT_EQ(OleTranslateColor(0x00336699, HPALETTE{}, &out), S_OK);
  EXPECT_EQ(out, 0x336699u);
  EXPECT_EQ(OleTranslateColor(0x02336699, HPALETTE{}, &out), S_OK);
  EXPECT_EQ(out, 0x336699u);
  EXPECT_EQ(OleTranslateColor(0x7F000001, HPALETTE{}, &out), S_OK);
  EXPECT_EQ(out, 0x000001u);
  EXPECT_EQ(OleTranslateColor(0x8000000F, HPALETTE{}, nullptr), S_OK);
}

}  // namespace
}  // namespace win
