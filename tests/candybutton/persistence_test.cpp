#include <gtest/gtest.h>

#include "platform/forms/value_conversion.h"
#include "tests/candybutton/fake_host.h"

namespace candy {
namespace {

using Inspect = CandyButtonInspector;

std::vector<std::string> keys_of(const forms::PropertyBag& bag) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag.entries()) keys.push_back(key);
  return keys;
}

TEST(CandyButtonPersistence, AnEmptyBagRestoresTheDefaults) {
  Host h;
  h.button->Checked(true);
  h.container.notified.clear();
  h.button->ReadProperties(forms::PropertyBag{});
  const CandyButton& b = *h.button;
  EXPECT_TRUE(b.Enabled());
  EXPECT_EQ(b.Caption(), "CandyButton");
  EXPECT_EQ(h.surface.font, h.container.ambient_font);
  EXPECT_FALSE(b.CaptionHighLite());
  EXPECT_FALSE(b.IconHighLite());
  EXPECT_EQ(b.CaptionHighLiteColor(), 0xFF00u);
  EXPECT_EQ(b.IconHighLiteColor(), 0xFF00u);
  EXPECT_EQ(b.ForeColor(), 0u);
  EXPECT_EQ(b.Picture(), nullptr);
  EXPECT_EQ(b.PictureAlignment(), 0);
  EXPECT_EQ(b.Style(), 0);
  EXPECT_TRUE(b.Checked()) << "Checked is read with its current value as default";
  EXPECT_EQ(b.ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(b.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(b.ColorButtonDown(), 0xE99950u);
  EXPECT_EQ(b.ColorBright(), 0xFFEDB0u);
  EXPECT_EQ(b.BorderBrightness(), 0);
  EXPECT_FALSE(b.DisplayHand());
  EXPECT_EQ(b.ColorScheme(), 0);
  EXPECT_EQ(Inspect::ready(b), kTrue);
  EXPECT_EQ(h.surface.pointer, forms::vbArrow);
  // No setter ran: nothing was notified or painted.
  EXPECT_EQ(h.container.notified, std::vector<std::string>{});
  EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "refresh"), 0);
}

TEST(CandyButtonPersistence, RunModeStartsTheInterceptionWhenTrackingExists) {
  Host h;
  h.button->ReadProperties(forms::PropertyBag{});
  EXPECT_EQ(h.log, (Log{"ForeColor 0", "exported? User32!TrackMouseEvent",
                        "subclass 88 0 1 self guard", "add F 1", "add 200 2", "add 2A3 2"}));
  EXPECT_EQ(Inspect::track_in_user32(*h.button), kTrue);

  Host older;
  older.interception->exported = {"Comctl32!_TrackMouseEvent"};
  older.button->ReadProperties(forms::PropertyBag{});
  EXPECT_EQ(Inspect::track_available(*older.button), kTrue);
  EXPECT_EQ(Inspect::track_in_user32(*older.button), kFalse);
  EXPECT_EQ(std::count(older.log.begin(), older.log.end(), "subclass 88 0 1 self guard"), 1);

  Host none;
  none.interception->exported.clear();
  none.button->ReadProperties(forms::PropertyBag{});
  EXPECT_EQ(none.log, (Log{"ForeColor 0", "exported? User32!TrackMouseEvent",
                           "exported? Comctl32!_TrackMouseEvent"}));
  EXPECT_EQ(Inspect::track_available(*none.button), kFalse);

  Host designer;
  designer.container.user_mode = false;
  designer.button->ReadProperties(forms::PropertyBag{});
  EXPECT_EQ(designer.log, Log{"ForeColor 0"});
  EXPECT_EQ(Inspect::track_available(*designer.button), kFalse);
}

TEST(CandyButtonPersistence, AFreshButtonWritesExactlyTheAlwaysStoredKeysAndItsDifferences) {
  Host h;
  h.container.user_mode = false;
  h.button->InitProperties();
  forms::PropertyBag bag;
  h.button->WriteProperties(bag);
  EXPECT_EQ(keys_of(bag), (std::vector<std::string>{
                              "Font", "Caption", "IconHighLiteColor", "CaptionHighLiteColor",
                              "Checked", "ColorButtonHover", "ColorButtonUp", "ColorButtonDown",
                              "BorderBrightness", "ColorBright", "DisplayHand", "ColorScheme"}));
  EXPECT_EQ(bag.read_text("caption", ""), "CandyButton1");
  // A new button's highlight colours are 0, not the stored default 0xFF00.
  EXPECT_EQ(bag.read_long("iconhighlitecolor", -1), 0);

  // The surface's font equal to the ambient font is not stored.
  h.surface.font = h.container.ambient_font;
  forms::PropertyBag again;
  h.button->WriteProperties(again);
  EXPECT_EQ(again.find("Font"), nullptr);
}

TEST(CandyButtonPersistence, ARunTimeButtonIsCreatedEnabledWithTheDefaultColours) {
  Host h;
  h.container.user_mode = true;
  h.button->InitProperties();
  const CandyButton& b = *h.button;
  EXPECT_TRUE(b.Enabled());
  EXPECT_EQ(b.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(b.ColorButtonDown(), 0xE99950u);
  EXPECT_EQ(b.ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(b.ColorBright(), 0xFFEDB0u);
  EXPECT_EQ(b.Caption(), "CandyButton1");
  EXPECT_EQ(Inspect::ready(b), kTrue);
  // No interception is started here.
  EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "subclass 88 0 1 self guard"), 0);
}

TEST(CandyButtonPersistence, WriteThenReadRoundTripsEveryProperty) {
  Host h;
  CandyButton& a = h.ready();
  a.Enabled(false);
  a.Font(forms::FontDescription{"DejaVu Serif", 14, 700, true, true, false, 0});
  a.Caption("&Video");
  a.CaptionHighLite(true);
  a.CaptionHighLiteColor(0x8000000F);
  a.IconHighLite(true);
  a.IconHighLiteColor(0x123456);
  a.ForeColor(0x00FF00);
  a.Picture(h.container.LoadPictureRef(forms::PictureRef{"logo"}));
  a.PictureAlignment(3);
  a.Style(6);
  a.Checked(true);
  a.ColorButtonHover(1);
  a.ColorButtonUp(2);
  a.ColorButtonDown(3);
  a.ColorBright(4);
  a.BorderBrightness(-60);
  a.DisplayHand(true);
  forms::PropertyBag bag;
  a.WriteProperties(bag);

  Host r;
  r.container.pictures = h.container.pictures;
  r.button->ReadProperties(bag);
  const CandyButton& b = *r.button;
  EXPECT_FALSE(b.Enabled());
  EXPECT_EQ(b.Font(), a.Font());
  EXPECT_EQ(b.Caption(), "&Video");
  EXPECT_TRUE(b.CaptionHighLite());
  EXPECT_EQ(b.CaptionHighLiteColor(), 0x8000000Fu);
  EXPECT_TRUE(b.IconHighLite());
  EXPECT_EQ(b.IconHighLiteColor(), 0x123456u);
  EXPECT_EQ(b.ForeColor(), 0x00FF00u);
  EXPECT_EQ(r.surface.fore, 0x00FF00u);
  EXPECT_EQ(r.container.PictureRefOf(b.Picture()).name, "logo");
  EXPECT_EQ(b.PictureAlignment(), 3);
  EXPECT_EQ(b.Style(), 6);
  EXPECT_TRUE(b.Checked());
  EXPECT_EQ(b.ColorButtonHover(), 1u);
  EXPECT_EQ(b.ColorButtonUp(), 2u);
  EXPECT_EQ(b.ColorButtonDown(), 3u);
  EXPECT_EQ(b.ColorBright(), 4u);
  EXPECT_EQ(b.BorderBrightness(), -60);
  EXPECT_TRUE(b.DisplayHand());
  EXPECT_EQ(r.surface.pointer, forms::vbCustom);
  EXPECT_EQ(b.ColorScheme(), 0);

  a.ColorScheme(6);
  forms::PropertyBag scheme_bag;
  a.WriteProperties(scheme_bag);
  Host s;
  s.button->ReadProperties(scheme_bag);
  EXPECT_EQ(s.button->ColorScheme(), 6);
}

TEST(CandyButtonPersistence, StoredValuesAreTakenAsTheyAre) {
  forms::PropertyBag bag;
  bag.write("colorscheme", std::int16_t{3});
  bag.write("colorbuttonup", std::int32_t{0x010101});
  bag.write("borderbrightness", std::int32_t{250});
  bag.write("style", std::uint8_t{2});
  Host h;
  h.button->ReadProperties(bag);
  EXPECT_EQ(h.button->ColorScheme(), 3);
  EXPECT_EQ(h.button->ColorButtonUp(), 0x010101u) << "no scheme is applied on restore";
  EXPECT_EQ(h.button->ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(h.button->BorderBrightness(), 250) << "no clamp on restore";
  EXPECT_EQ(h.button->Style(), 2);
}

TEST(CandyButtonPersistence, TextWhereANumberBelongsStopsTheRestoreAtItsKey) {
  forms::PropertyBag bag;
  bag.write("Caption", std::string("Programs"));
  bag.write("Style", std::string("round"));
  bag.write("ColorButtonUp", std::int32_t{0x42});
  Host h;
  try {
    h.button->ReadProperties(bag);
    FAIL() << "expected a type mismatch";
  } catch (const forms::PropertyTypeError& e) {
    EXPECT_EQ(e.key(), "Style");
  }
  EXPECT_EQ(h.button->Caption(), "Programs");
  EXPECT_EQ(h.button->ColorButtonUp(), 0u) << "later keys keep their previous values";
  EXPECT_EQ(Inspect::ready(*h.button), kFalse);
  std::int32_t state = 0;
  Inspect::Redraw(*h.button, state);
  EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "refresh"), 0);
}

}  // namespace
}  // namespace candy
