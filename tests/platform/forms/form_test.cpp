#include <gtest/gtest.h>

#include "platform/forms/form_builder.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/layout_parser.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/forms/windowed_control.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/compose.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace forms {
namespace {

constexpr win::COLORREF kRed = 0x0000FF;
constexpr win::COLORREF kGreen = 0x00FF00;

constexpr const char* kLayout = R"(
Begin Form testFRM
   Caption = "Test"
   BorderStyle = 0
   BackColor = &H00FF00&
   Picture = Picture("back")
   ClientWidth = 600
   ClientHeight = 450
   StartUpPosition = 0
   ScaleMode = 1
   Begin brindlecovemediacenter.CandyButton someCMD
      Left = 150
      Top = 30
      Width = 300
      Height = 150
      Visible = False
      TabIndex = 0
      BeginBag
         caption = "Hello"
      EndBag
   End
   Begin Timer tickTIMER
      Interval = 10
      Enabled = True
   End
   Begin Label textLBL
      Left = 0
      Top = 300
      Width = 300
      Height = 150
      Visible = True
      TabIndex = 1
      Caption = "WW"
      Font = Font("MS Sans Serif", 12, 700, False, False, False, 0)
      BackStyle = 0
      ForeColor = &H80000012&
      Alignment = 0
      WordWrap = False
      AutoSize = False
   End
   Begin Image redIMG
      Left = 300
      Top = 300
      Width = 60
      Height = 45
      Visible = True
      Picture = Picture("red")
      Stretch = False
   End
End
)";

PictureSource pictures() {
  return [](const std::string& name) -> win::PicturePtr {
    if (name == "back")
      return win::Picture::from_bitmap(win::make_bitmap_handle(win::Surface(30, 20, 0xFFFFFF), 24));
    if (name == "red")
      return win::Picture::from_bitmap(win::make_bitmap_handle(win::Surface(8, 8, kRed), 24));
    throw std::runtime_error("no picture " + name);
  };
}

class FormTest : public ::testing::Test {
 protected:
  FormTest() : clock(0, 36000.0) {
    win::set_clock(&clock);
    form = build_form(parse_layout(kLayout), ControlRegistry::with_standard_controls(), pictures());
    form->Show();
    win::process_pending_messages();
  }
  ~FormTest() override {
    form.reset();
    win::set_clock(nullptr);
  }
  win::Surface screen() { return win::compose_screen(form->hWnd()); }

  win::FakeClock clock;
  std::unique_ptr<Form> form;
};

TEST(Twips, ConvertToPixelsRoundingHalfToEven) {
  EXPECT_EQ(twips_to_pixels(22.5f), 2);
  EXPECT_EQ(twips_to_pixels(37.5f), 2);
  EXPECT_EQ(twips_to_pixels(-990), -66);
  EXPECT_EQ(twips_to_pixels(490), 33);
  EXPECT_EQ(twips_to_pixels(-1010), -67);
}

TEST_F(FormTest, PaintsBackColourThenThePictureUnscaledThenWindowlessControls) {
  const win::Surface image = screen();
  ASSERT_EQ(image.width, 40);
  ASSERT_EQ(image.height, 30);
  EXPECT_EQ(image.at(29, 19), 0xFFFFFFu);  // the 30 × 20 background picture at the top-left
  EXPECT_EQ(image.at(30, 19), kGreen);     // beyond it, the back colour
  EXPECT_EQ(image.at(29, 20), kGreen);
  // redIMG: 4 × 3 px at (20, 20), its 8 × 8 picture cut to that rectangle.
  EXPECT_EQ(image.at(20, 20), kRed);
  EXPECT_EQ(image.at(23, 22), kRed);
  EXPECT_EQ(image.at(24, 22), kGreen);
  EXPECT_EQ(image.at(23, 23), kGreen);
  // textLBL draws black text inside (0, 20)-(20, 30) only, with no background.
  int black_inside = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x < 20 && y >= 20;
      if (image.at(x, y) == 0) {
        EXPECT_TRUE(inside) << x << "," << y;
        ++black_inside;
      }
    }
  }
  EXPECT_GT(black_inside, 0);
}

TEST_F(FormTest, MovingAWindowlessControlRepaintsWhereItWasAndWhereItIs) {
  Image& red = form->control_as<Image>("REDimg");
  red.set_Left(7.5f);  // 0.5 px: drawn at 0
  EXPECT_EQ(red.Left(), 7.5f);
  win::process_pending_messages();
  win::Surface image = screen();
  EXPECT_EQ(image.at(20, 20), kGreen);
  EXPECT_EQ(image.at(0, 20), kRed);
  red.set_Visible(false);
  win::process_pending_messages();
  image = screen();
  EXPECT_EQ(image.at(0, 20), kGreen);
  EXPECT_NE(image.at(0, 22), kRed);
}

TEST_F(FormTest, PlaceholderIsAHiddenChildWindowOfTheRightSizeAtTheRightPlace) {
  auto& button = form->control_as<Placeholder>("someCMD");
  ASSERT_TRUE(button.hWnd());
  EXPECT_EQ(win::GetParent(button.hWnd()), form->hWnd());
  EXPECT_FALSE(win::IsWindowVisible(button.hWnd()));
  win::RECT rect;
  win::GetClientRect(button.hWnd(), &rect);
  EXPECT_EQ(rect, (win::RECT{0, 0, 20, 10}));
  win::POINT origin{0, 0};
  win::ClientToScreen(button.hWnd(), &origin);
  win::POINT form_origin{0, 0};
  win::ClientToScreen(form->hWnd(), &form_origin);
  EXPECT_EQ(origin.x - form_origin.x, 10);
  EXPECT_EQ(origin.y - form_origin.y, 2);
  EXPECT_EQ(button.bag().read_text("Caption", ""), "Hello");
  EXPECT_EQ(button.TabIndex(), 0);
  button.set_Visible(true);
  EXPECT_TRUE(win::IsWindowVisible(button.hWnd()));
  button.set_Left(300);
  win::ClientToScreen(button.hWnd(), &(origin = {0, 0}));
  EXPECT_EQ(origin.x - form_origin.x, 20);
}

TEST_F(FormTest, TimerTicksWhileEnabled) {
  Timer& timer = form->control_as<Timer>("tickTIMER");
  int ticks = 0;
  timer.on_tick([&] {
    if (++ticks == 3) timer.set_Enabled(false);
  });
  for (int i = 0; i < 1000 && timer.Enabled(); ++i) {
    win::MSG msg;
    win::GetMessageA(&msg, win::HWND{}, 0, 0);
    win::DispatchMessageA(&msg);
  }
  EXPECT_EQ(ticks, 3);
  EXPECT_GE(clock.now_ms(), 30);
}

TEST_F(FormTest, ControlsKeepStoredOrderAndAreFoundByName) {
  ASSERT_EQ(form->controls().size(), 4u);
  EXPECT_EQ(form->controls()[0]->Name(), "someCMD");
  EXPECT_EQ(form->controls()[3]->Name(), "redIMG");
  EXPECT_EQ(&form->control("TEXTlbl"), form->controls()[2].get());
  EXPECT_THROW(form->control("nothing"), std::runtime_error);
  EXPECT_THROW(form->control_as<Timer>("redIMG"), std::runtime_error);
}

TEST(FormBuilder, AFailingControlTakesTheWholeFormWithIt) {
  ControlRegistry registry = ControlRegistry::with_standard_controls();
  ControlKind failing = *registry.find("Image");
  failing.create = [](Form&, const LayoutBlock& block,
                      const PictureSource&) -> std::unique_ptr<Control> {
    PropertyBag bag;
    bag.write("Style", std::string("abc"));
    bag.read_long("Style", 0);
    (void)block;
    return nullptr;
  };
  registry.add("image", failing);
  const std::size_t windows = win::live_objects(win::ObjectKind::Window);
  try {
    build_form(parse_layout(kLayout), registry, pictures());
    FAIL();
  } catch (const LayoutError& e) {
    EXPECT_EQ(e.key(), "Style");
    EXPECT_EQ(e.line(), 41);  // the Image block's line: the bag key is not in the layout
  }
  EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows);
}

TEST(FormBuilder, NumbersOutsideTheirRangeAreRejectedWithLineKeyAndRange) {
  const auto error_of = [](const std::string& from, const std::string& to) -> std::string {
    std::string text = kLayout;
    text.replace(text.find(from), from.size(), to);
    try {
      build_form(parse_layout(text), ControlRegistry::with_standard_controls(), pictures());
    } catch (const LayoutError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(error_of("ClientWidth = 600", "ClientWidth = -9555"),
            "stored layout, line 7, key \"ClientWidth\": expected a whole number from 0 to 122880, "
            "found -9555");
  EXPECT_EQ(error_of("ClientHeight = 450", "ClientHeight = 122881"),
            "stored layout, line 8, key \"ClientHeight\": expected a whole number from 0 to "
            "122880, found 122881");
  EXPECT_EQ(error_of("Interval = 10", "Interval = -1"),
            "stored layout, line 23, key \"Interval\": expected a whole number from 0 to 65535, "
            "found -1");
  EXPECT_EQ(error_of("Interval = 10", "Interval = 65536"),
            "stored layout, line 23, key \"Interval\": expected a whole number from 0 to 65535, "
            "found 65536");
  EXPECT_EQ(error_of("Width = 300", "Width = 122895"),
            "stored layout, line 14, key \"Width\": expected a whole number from 0 to 122880, "
            "found 122895");
  EXPECT_EQ(error_of("Left = 150", "Left = -200000"),
            "stored layout, line 12, key \"Left\": expected a whole number from -122880 to 122880, "
            "found -200000");
  EXPECT_EQ(error_of("TabIndex = 0", "TabIndex = -1"),
            "stored layout, line 17, key \"TabIndex\": expected a whole number from 0 to 32767, "
            "found -1");
  EXPECT_EQ(error_of("Interval = 10", "Interval = 65535"), "no error");
  EXPECT_EQ(error_of("ClientWidth = 600", "ClientWidth = 0"), "no error");
}

}  // namespace
}  // namespace forms
