#include "platform/win/gdi/font.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/user/window.h"

namespace win {
namespace {

LOGFONTA logfont(const char* family, LONG height, LONG weight = FW_NORMAL, bool italic = false) {
  LOGFONTA log;
  log.lfHeight = height;
  log.lfWeight = weight;
  log.lfItalic = italic ? 1 : 0;
  std::strncpy(log.lfFaceName, family, LF_FACESIZE - 1);
  return log;
}

TEST(Font, MissingWindowsFamiliesFindAnInstalledFace) {
  for (const char* family : {"Tahoma", "MS Sans Serif", "No Such Family At All", ""}) {
    const auto font = open_font(logfont(family, -11));
    EXPECT_FALSE(font->face->family().empty()) << family;
    const FontMetrics& m = font->face->metrics();
    EXPECT_GT(m.ascent, 0) << family;
    EXPECT_GT(m.descent, 0) << family;
    EXPECT_EQ(m.height, m.ascent + m.descent) << family;
    EXPECT_GT(text_extent(*font, "Video").cx, 0) << family;
  }
}

TEST(Font, HeightsFollowWindowsRules) {
  // Negative: the em in pixels; positive: the whole cell.
  EXPECT_EQ(open_font(logfont("Tahoma", -11))->face->pixel_size(), 11);
  EXPECT_EQ(height_from_points(8), -11);
  EXPECT_EQ(height_from_points(12), -16);
  for (LONG cell : {13, 20, 37}) {
    EXPECT_NEAR(open_font(logfont("Tahoma", cell))->face->metrics().height, cell, 1) << cell;
  }
  LONG previous = 0;
  for (int points = 6; points <= 24; points += 2) {
    const LONG height =
        open_font(logfont("Tahoma", height_from_points(points)))->face->metrics().height;
    EXPECT_GT(height, previous) << points;
    previous = height;
  }
}

TEST(Font, OutOfRangeHeightIsRejected) {
  EXPECT_THROW(open_font(logfont("Tahoma", -2049)), std::invalid_argument);
  EXPECT_THROW(open_font(logfont("Tahoma", std::numeric_limits<LONG>::min())),
               std::invalid_argument);
  EXPECT_NO_THROW(open_font(logfont("Tahoma", 2048)));
}

TEST(Font, HugePointSizeIsRejectedInsteadOfOverflowingTheHeight) {
  EXPECT_EQ(height_from_points(1000), -1333);
  EXPECT_EQ(height_from_points(1536), -2048);
  EXPECT_THROW(height_from_points(1537), std::out_of_range);
  EXPECT_THROW(height_from_points(1e12), std::out_of_range);
  EXPECT_THROW(height_from_points(-1e12), std::out_of_range);
  EXPECT_THROW(height_from_points(std::numeric_limits<double>::infinity()), std::out_of_range);
  EXPECT_THROW(height_from_points(std::numeric_limits<double>::quiet_NaN()), std::out_of_range);
}

TEST(Font, WeightAndSlantChangeTheFace) {
  const auto regular = open_font(logfont("Tahoma", -16));
  const auto bold = open_font(logfont("Tahoma", -16, FW_BOLD));
  const auto italic = open_font(logfont("Tahoma", -16, FW_NORMAL, true));
  EXPECT_GT(text_extent(*bold, "Programs").cx, text_extent(*regular, "Programs").cx);
  EXPECT_NE(italic->face, regular->face);
  // Same request, same cached face.
  EXPECT_EQ(open_font(logfont("tahoma", -16))->face, regular->face);
}

TEST(Font, DefaultGuiFontIsMsSansSerifEightPoint) {
  const LOGFONTA log = default_gui_logfont();
  EXPECT_STREQ(log.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(log.lfHeight, -11);
  EXPECT_EQ(default_font().face->pixel_size(), 11);
  EXPECT_EQ(&font_or_default(HFONT{}), &default_font());
  EXPECT_EQ(&font_or_default(HFONT{0x12345}), &default_font());
}

TEST(Font, FontsAreCountedGdiObjects) {
  const std::size_t before = live_objects(ObjectKind::Font);
  const HFONT a =
      CreateFontA(-13, 0, 0, 0, FW_BOLD, 1, 1, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  ASSERT_TRUE(a);
  EXPECT_EQ(live_objects(ObjectKind::Font), before + 1);
  EXPECT_TRUE(font_from_handle(a)->underline());
  EXPECT_TRUE(DeleteObject(a));
  EXPECT_EQ(live_objects(ObjectKind::Font), before);
  EXPECT_FALSE(CreateFontIndirectA(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  LOGFONTA huge;
  huge.lfHeight = -100000;
  EXPECT_FALSE(CreateFontIndirectA(&huge));
  EXPECT_EQ(live_objects(ObjectKind::Font), before);
}

}  // namespace
}  // namespace win
