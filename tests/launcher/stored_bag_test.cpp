// What a button's stored bag and size may hold in the launcher's layout:
// pictures by name, loaded as the form's own are, and sizes up to the
// largest control image.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "candybutton/hosted_button.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/forms/layout.h"
#include "platform/win/kernel/handles.h"

namespace launcher_test {
namespace {

class StoredBag : public ::testing::Test {
 protected:
  StoredBag() : platform(clock), registry(forms::ControlRegistry::with_standard_controls()) {
    candy::register_candybutton(registry);
  }

  // The stored layout with one text replaced, and the line it is on.
  std::string replaced(const std::string& from, const std::string& to) const {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  }
  int line_of(const std::string& text) const {
    return 1 + static_cast<int>(std::count(
                   good.begin(), good.begin() + static_cast<long>(good.find(text)), '\n'));
  }
  // The error that loading the layout gives.
  forms::LayoutError load_error(const std::string& text) {
    try {
      launcher::mainFRM frm(text, registry, test_pictures(), [] {});
    } catch (const forms::LayoutError& e) {
      return e;
    }
    ADD_FAILURE() << "the layout loaded";
    return forms::LayoutError(0, "", "");
  }

  SteppingClock clock;
  PlatformScope platform;
  forms::ControlRegistry registry;
  const std::string good{launcher::mainFRM_layout()};
  const std::string prog_caption = "caption = \"Programs\"";
};

TEST_F(StoredBag, BagPictureLoadsAndSavesUnderItsReference) {
  launcher::mainFRM frm(
      replaced(prog_caption, prog_caption + "\n         picture = Picture(\"logo.bmp\")"), registry,
      test_pictures(), [] {});
  candy::CandyButton& button = frm.form().control_as<candy::HostedCandyButton>("progCMD").button();
  ASSERT_TRUE(button.Picture());
  forms::PropertyBag saved;
  button.WriteProperties(saved);
  EXPECT_EQ(saved.read_picture("Picture", {}), forms::PictureRef{"logo.bmp"});
  // A button without a picture saves none.
  forms::PropertyBag plain;
  frm.form().control_as<candy::HostedCandyButton>("vidCMD").button().WriteProperties(plain);
  EXPECT_EQ(plain.find("Picture"), nullptr);
}

TEST_F(StoredBag, MissingBagPictureNamesLineKeyValueAndExpected) {
  const std::size_t windows = win::live_objects(win::ObjectKind::Window);
  const auto e = load_error(
      replaced(prog_caption, prog_caption + "\n         picture = Picture(\"crate.bmp\")"));
  EXPECT_EQ(e.line(), line_of(prog_caption) + 1);
  EXPECT_EQ(e.key(), "picture");
  EXPECT_NE(std::string(e.what()).find(
                "expected a picture that exists and loads, found Picture(\"crate.bmp\")"),
            std::string::npos)
      << e.what();
  EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows);
}

// 122895 twips are 8193 pixels: 8193 x 8193 is more than a control image
// may have. The host's half-made window once kept a pointer to the freed
// host, read when the form was destroyed.
TEST_F(StoredBag, OversizedButtonUseAfterFreeIsALayoutErrorNamingTheLimit) {
  const std::size_t windows = win::live_objects(win::ObjectKind::Window);
  const std::string width =
      "      Width = 1815\n      Height = 1335\n      Visible = False\n      TabIndex = 0\n";
  const auto e = load_error(replaced(
      width,
      "      Width = 122895\n      Height = 122895\n      Visible = False\n      TabIndex = 0\n"));
  EXPECT_EQ(e.line(), line_of(width));
  EXPECT_EQ(e.key(), "Width");
  // The layout's own range for a size stops it before any window is made.
  EXPECT_NE(std::string(e.what()).find("from 0 to 122880, found 122895"), std::string::npos)
      << e.what();
  EXPECT_EQ(win::live_objects(win::ObjectKind::Window), windows);
}

}  // namespace
}  // namespace launcher_test
