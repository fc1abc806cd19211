// What the public classes hide: their Impl structures and the conversions
// between public values and the platform's, shared by the api/ sources.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "candybutton/candybutton_events.h"
#include "candybutton/hosted_button.h"
#include "include/candybutton/button.h"
#include "include/candybutton/font.h"
#include "include/candybutton/label.h"
#include "include/candybutton/picture.h"
#include "platform/forms/label.h"
#include "platform/forms/property_bag.h"
#include "platform/win/ole/picture.h"

namespace candy {

forms::FontDescription to_description(const Font& font);
Font to_font(const forms::FontDescription& description);

struct Picture::Impl {
  win::PicturePtr picture;
};

namespace detail {

struct PictureAccess {
  static win::PicturePtr platform(const Picture& picture) {
    return picture.m_impl ? picture.m_impl->picture : nullptr;
  }
  static Picture wrap(win::PicturePtr platform);
};

struct ButtonAccess {
  static std::unique_ptr<Button> make(HostedCandyButton& hosted);
};

struct LabelAccess {
  static std::unique_ptr<Label> make(forms::Label& label);
};

}  // namespace detail
}  // namespace candy
