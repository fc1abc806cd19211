#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "launcher/mainFRM.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/forms/layout_parser.h"
#include "platform/win/kernel/handles.h"

namespace launcher_test {
namespace {

using forms::Flag;
using forms::FontDescription;
using forms::PictureRef;
using forms::Value;

std::int32_t number(const forms::LayoutBlock& block, const char* key) {
  return std::get<std::int32_t>(block.require(key, forms::ValueType::Long));
}

TEST(StoredLayout, HoldsTheWindowAndItsElevenControlsInStoredOrder) {
  const forms::LayoutBlock form = forms::parse_layout(launcher::mainFRM_layout());
  EXPECT_EQ(form.name, "mainFRM");
  EXPECT_EQ(form.require("Caption", forms::ValueType::Text), Value{std::string("Form1")});
  EXPECT_EQ(number(form, "BorderStyle"), 0);
  EXPECT_EQ(number(form, "BackColor"), 0xC0C0C0);
  EXPECT_EQ(form.require("Picture", forms::ValueType::Picture),
            Value{PictureRef{"background.bmp"}});
  EXPECT_EQ(number(form, "ClientWidth"), 9555);
  EXPECT_EQ(number(form, "ClientHeight"), 6870);
  EXPECT_EQ(number(form, "StartUpPosition"), 2);
  EXPECT_EQ(number(form, "ScaleMode"), 1);

  struct Expected {
    const char* name;
    const char* kind;
    int left, top, width, height, tab;
    bool visible;
  };
  const Expected expected[] = {
      {"setCMD", "brindlecovemediacenter.CandyButton", 3960, 1920, 1815, 1335, 5, false},
      {"ultCMD", "brindlecovemediacenter.CandyButton", 2040, 1920, 1815, 1335, 4, false},
      {"mp3CMD", "brindlecovemediacenter.CandyButton", 3960, 240, 1815, 1335, 3, false},
      {"vidCMD", "brindlecovemediacenter.CandyButton", 2040, 240, 1815, 1335, 2, false},
      {"picCMD", "brindlecovemediacenter.CandyButton", 120, 1920, 1815, 1335, 1, false},
      {"progCMD", "brindlecovemediacenter.CandyButton", 120, 240, 1815, 1335, 0, false},
      {"splashoutTIMER", "Timer", 0, 0, 0, 0, -1, false},
      {"splashinTIMER", "Timer", 0, 0, 0, 0, -1, false},
      {"closeCMD", "Label", 5760, 3300, 255, 255, 6, false},
      {"logoIMG", "Image", 1080, 3720, 4080, 1215, -1, true},
      {"boxIMG", "Image", 0, 3720, 990, 1080, -1, true},
  };
  ASSERT_EQ(form.children.size(), 11u);
  for (std::size_t i = 0; i < 11; ++i) {
    const auto& c = form.children[i];
    const Expected& e = expected[i];
    EXPECT_EQ(c.name, e.name);
    EXPECT_EQ(c.kind, e.kind);
    if (c.kind == "Timer") continue;
    EXPECT_EQ(number(c, "Left"), e.left) << e.name;
    EXPECT_EQ(number(c, "Top"), e.top) << e.name;
    EXPECT_EQ(number(c, "Width"), e.width) << e.name;
    EXPECT_EQ(number(c, "Height"), e.height) << e.name;
    EXPECT_EQ(c.require("Visible", forms::ValueType::Flag), Value{Flag{e.visible}}) << e.name;
    if (e.tab >= 0) {
      EXPECT_EQ(number(c, "TabIndex"), e.tab) << e.name;
    }
  }
  EXPECT_EQ(number(form.children[6], "Interval"), 10);
  EXPECT_EQ(form.children[6].require("Enabled", forms::ValueType::Flag), Value{Flag{false}});
  EXPECT_EQ(number(form.children[7], "Interval"), 10);
  EXPECT_EQ(form.children[7].require("Enabled", forms::ValueType::Flag), Value{Flag{true}});

  const auto& close = form.children[8];
  EXPECT_EQ(close.require("Caption", forms::ValueType::Text), Value{std::string("X")});
  const FontDescription close_font{"MS Sans Serif", 12, 700, false, false, false, 0};
  EXPECT_EQ(close.require("Font", forms::ValueType::Font), Value{close_font});
  EXPECT_EQ(number(close, "BackStyle"), 0);
  EXPECT_EQ(static_cast<std::uint32_t>(number(close, "ForeColor")), 0x80000012u);
  EXPECT_EQ(number(close, "Alignment"), 0);
  EXPECT_EQ(close.require("WordWrap", forms::ValueType::Flag), Value{Flag{false}});
  EXPECT_EQ(close.require("AutoSize", forms::ValueType::Flag), Value{Flag{false}});
  EXPECT_EQ(form.children[9].require("Picture", forms::ValueType::Picture),
            Value{PictureRef{"logo.bmp"}});
  EXPECT_EQ(form.children[10].require("Picture", forms::ValueType::Picture),
            Value{PictureRef{"box.bmp"}});
}

TEST(StoredLayout, EachButtonBagHoldsExactlyTheKeysAFreshButtonWrites) {
  const forms::LayoutBlock form = forms::parse_layout(launcher::mainFRM_layout());
  const char* captions[] = {"Settings", "Ultilities", "Music", "Video", "Pictures", "Programs"};
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(form.children[i].bag.has_value());
    forms::PropertyBag expected;
    expected.write("_extentx", std::int32_t{3201});
    expected.write("_extenty", std::int32_t{2355});
    expected.write("font", FontDescription{"Tahoma", 9, 400, false, false, false, 0});
    expected.write("caption", std::string(captions[i]));
    expected.write("iconhighlitecolor", std::int32_t{0});
    expected.write("captionhighlitecolor", std::int32_t{0});
    expected.write("checked", Flag{false});
    expected.write("colorbuttonhover", std::int32_t{0xFFC090});
    expected.write("colorbuttonup", std::int32_t{0xE99950});
    expected.write("colorbuttondown", std::int32_t{0xE99950});
    expected.write("borderbrightness", std::int32_t{0});
    expected.write("colorbright", std::int32_t{0xFFEDB0});
    expected.write("displayhand", Flag{false});
    expected.write("colorscheme", std::int32_t{0});
    EXPECT_EQ(*form.children[i].bag, expected) << form.children[i].name;
    for (const auto& [key, value] : form.children[i].bag->entries()) {
      for (char c : key) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c))) << key;
    }
  }
}

// A corrupted layout is rejected with its line and key, and leaves no window.
TEST(StoredLayout, CorruptionsAreRejectedWithLineAndKeyAndNoWindowIsLeft) {
  SteppingClock clock;
  PlatformScope platform(clock);
  const std::string good(launcher::mainFRM_layout());
  const auto line_of = [&](const std::string& text) {
    return 1 + static_cast<int>(std::count(
                   good.begin(), good.begin() + static_cast<long>(good.find(text)), '\n'));
  };
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  struct Case {
    std::string text;
    int line;
    std::string key;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {replaced("Interval = 10", "Interval = \"ten\""), line_of("Interval = 10"), "Interval",
       "expected a 32-bit integer, found \"ten\""},
      {replaced("Begin Label closeCMD", "Begin Lable closeCMD"), line_of("Begin Label closeCMD"),
       "Lable", "unknown control type of closeCMD"},
      {replaced("      TabIndex = 6\n", ""), line_of("Begin Label closeCMD"), "TabIndex",
       "missing in Label closeCMD (expected a 32-bit integer)"},
      {good.substr(0, good.find("   Begin Image boxIMG")), line_of("   Begin Image boxIMG") - 1,
       "mainFRM",
       "truncated: expected End for Form mainFRM begun on line " +
           std::to_string(line_of("Begin Form"))},
      {replaced("caption = \"Music\"", "caption = Music"), line_of("caption = \"Music\""),
       "caption", "expected a value (True"},
      {replaced("Picture(\"box.bmp\")", "Picture(\"crate.bmp\")"), line_of("Picture(\"box.bmp\")"),
       "Picture",
       "expected a picture that exists and loads, found Picture(\"crate.bmp\"): no picture named "
       "crate.bmp"},
      {replaced("WordWrap = False", "WordWrap = True"), line_of("WordWrap = False"), "WordWrap",
       "expected 0, found True"},
      {replaced("Stretch = False\n", "Stretch = False\n      Strech = True\n"),
       line_of("Stretch = False") + 1, "Strech", "unknown property of Image"},
  };
  const std::size_t windows_before = win::live_objects(win::ObjectKind::Window);
  for (const Case& c : cases) {
    try {
      launcher::mainFRM frm(c.text, forms::ControlRegistry::with_standard_controls(),
                            test_pictures(), [] {});
      ADD_FAILURE() << "accepted: " << c.problem;
    } catch (const forms::LayoutError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_EQ(e.key(), c.key) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << e.what();
    }
    EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows_before);
  }
  EXPECT_TRUE(platform.presenter.frames.empty());
}

}  // namespace
}  // namespace launcher_test
