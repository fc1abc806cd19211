#include "platform/win/ole/picture.h"

#include <gtest/gtest.h>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/user/window.h"
#include "tests/platform/win/gdi/picture_fixtures.h"

namespace {

using win::live_objects;
using win::ObjectKind;

TEST(Picture, HimetricFollowsMulDivRounding) {
  EXPECT_EQ(win::pixels_to_himetric(0), 0);
  EXPECT_EQ(win::pixels_to_himetric(1), 26);     // 26.46
  EXPECT_EQ(win::pixels_to_himetric(16), 423);   // 423.33
  EXPECT_EQ(win::pixels_to_himetric(32), 847);   // 846.67
  EXPECT_EQ(win::pixels_to_himetric(81), 2143);  // 2143.125
  EXPECT_EQ(win::pixels_to_himetric(72), 1905);  // exact
  EXPECT_EQ(win::pixels_to_himetric(400), 10583);
  EXPECT_EQ(win::pixels_to_himetric(-32), -847);
  // 24 px is 635 exactly; 12 px is 317.5, a tie, which goes away from zero.
  EXPECT_EQ(win::pixels_to_himetric(12), 318);
  for (int px = 0; px <= 1000; ++px)
    ASSERT_EQ(win::himetric_to_pixels(win::pixels_to_himetric(px)), px);
}

TEST(Picture, EmptyPathGivesAnEmptyPicture) {
  const win::PicturePtr picture = win::LoadPicture("");
  EXPECT_EQ(picture->Type(), win::PICTYPE_NONE);
  EXPECT_EQ(picture->Handle(), 0u);
  EXPECT_EQ(picture->Width(), 0);
  EXPECT_EQ(picture->Height(), 0);
}

TEST(Picture, BitmapFileBecomesABitmapPictureThatOwnsItsHandle) {
  const std::size_t bitmaps = live_objects(ObjectKind::Bitmap);
  {
    const win::PicturePtr picture = win::LoadPicture(fixtures::picture_path("rgb24.bmp").string());
    EXPECT_EQ(picture->Type(), win::PICTYPE_BITMAP);
    EXPECT_EQ(picture->Width(), win::pixels_to_himetric(6));
    EXPECT_EQ(picture->Height(), win::pixels_to_himetric(4));
    const win::Bitmap* bitmap = win::bitmap_from_handle(picture->bitmap());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->surface.at(2, 1), fixtures::colour_pattern(2, 1));
    EXPECT_EQ(live_objects(ObjectKind::Bitmap), bitmaps + 1);
    // Shared by reference: the handle lives while any reference does.
    win::PicturePtr other = picture;
    EXPECT_EQ(other->Handle(), picture->Handle());
  }
  EXPECT_EQ(live_objects(ObjectKind::Bitmap), bitmaps);
}

TEST(Picture, IconFileBecomesAnIconPictureWithItsMask) {
  const std::size_t icons = live_objects(ObjectKind::Icon);
  {
    const std::vector<std::uint8_t> bytes = fixtures::read_picture("rgba32.ico");
    const win::PicturePtr picture = win::load_picture(bytes, "rgba32.ico");
    EXPECT_EQ(picture->Type(), win::PICTYPE_ICON);
    EXPECT_EQ(picture->Width(), win::pixels_to_himetric(6));
    const win::Icon* icon = win::icon_from_handle(picture->icon());
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->is_transparent(0, 2));
    EXPECT_FALSE(icon->is_transparent(1, 2));
    EXPECT_EQ(icon->color.at(1, 2), fixtures::colour_pattern(1, 2));
    EXPECT_EQ(picture->bitmap(), win::HBITMAP{});
  }
  EXPECT_EQ(live_objects(ObjectKind::Icon), icons);
}

TEST(Picture, FailuresNameThePathOrTheProblem) {
  try {
    win::LoadPicture("/no/such/dir/missing.bmp");
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("/no/such/dir/missing.bmp"), std::string::npos)
        << error.what();
  }
  std::vector<std::uint8_t> bytes = fixtures::read_picture("rgb24.bmp");
  bytes.resize(100);
  EXPECT_THROW(win::load_picture(bytes, "cut.bmp"), win::ImageFormatError);
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  try {
    win::load_picture(text, "hello.txt");
    FAIL();
  } catch (const win::ImageFormatError& error) {
    EXPECT_STREQ(error.what(), "hello.txt: not a BMP or ICO picture");
  }
}

TEST(Icon, DestroyIconFailsAsWindowsDoesOnABadHandle) {
  const win::HICON icon = win::make_icon_handle(win::Surface(2, 2), std::vector<bool>(4, false));
  EXPECT_NE(win::icon_from_handle(icon), nullptr);
  EXPECT_EQ(win::DestroyIcon(icon), 1);
  EXPECT_EQ(win::icon_from_handle(icon), nullptr);
  win::SetLastError(0);
  EXPECT_EQ(win::DestroyIcon(icon), 0);
  EXPECT_EQ(win::GetLastError(), 1402u);  // ERROR_INVALID_CURSOR_HANDLE
  EXPECT_THROW(win::make_icon_handle(win::Surface(2, 2), std::vector<bool>(3, false)),
               std::invalid_argument);
}

}  // namespace
