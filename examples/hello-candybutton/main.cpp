// hello-candybutton: a form made in code, with a label and three CandyButtons
// in different styles and colour schemes, one with a picture. A click on a
// button writes its name into the label; Tab moves the focus from button to
// button; a click on "X" ends the program. On X11 it opens a window; without
// a display (or with CANDY_DISPLAY=headless) it runs on the headless
// presenter, driven by CANDY_SCRIPT, writing frames to CANDY_FRAMES.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <candybutton/candybutton.h>
#include <candybutton/hosted_button.h>
#include <platform/display/select.h>
#include <platform/forms/form.h>
#include <platform/forms/label.h>
#include <platform/win/gdi/gdi.h>
#include <platform/win/ole/picture.h>
#include <platform/win/user/fill_rect.h>
#include <platform/win/user/message.h>

namespace {

constexpr float kTwips = 15;  // twips per pixel

// Writes the button's name into the label when it is clicked.
class ShowName final : public candy::CandyButtonEvents {
 public:
  ShowName(forms::Label& label, std::string name) : m_label(label), m_name(std::move(name)) {}
  void Click() override { m_label.set_Caption(m_name); }

 private:
  forms::Label& m_label;
  std::string m_name;
};

// A 16 x 16 picture drawn in code: a yellow disc on white.
win::PicturePtr make_sun() {
  const win::HDC dc = win::CreateCompatibleDC(win::HDC{});
  const win::HBITMAP bitmap = win::CreateCompatibleBitmap(dc, 16, 16);
  const win::HBITMAP old = win::SelectObject(dc, bitmap);
  const win::HBRUSH back = win::CreateSolidBrush(0xFFFFFF);
  const win::RECT all{0, 0, 16, 16};
  win::FillRect(dc, &all, back);
  const win::HBRUSH sun = win::CreateSolidBrush(0x00D7FF);
  const win::HBRUSH previous = win::SelectObject(dc, sun);
  win::Ellipse(dc, 2, 2, 14, 14);
  win::SelectObject(dc, previous);
  win::SelectObject(dc, old);
  win::DeleteObject(sun);
  win::DeleteObject(back);
  win::DeleteDC(dc);
  return win::Picture::from_bitmap(bitmap);
}

struct ButtonChoice {
  const char* name;
  std::int32_t style;
  std::int32_t scheme;
  bool picture;
};

}  // namespace

int main() {
  try {
    auto presenter = display::make_presenter();
    win::set_presenter(presenter.get());
    int code = 0;
    {
      forms::Form form("helloFRM", "Hello, CandyButton");
      form.set_Width(360 * kTwips);
      form.set_Height(170 * kTwips);
      form.set_BackColor(0xFFFFFF);
      form.set_start_up_position(forms::StartUpPosition::CenterScreen);

      auto& label = static_cast<forms::Label&>(
          form.add(std::make_unique<forms::Label>(form, "nameLBL", "Click a button")));
      label.Move(20 * kTwips, 20 * kTwips, 320 * kTwips, 20 * kTwips);
      auto& close = static_cast<forms::Label&>(form.add(std::make_unique<forms::Label>(form, "closeLBL", "X")));
      close.Move(340 * kTwips, 150 * kTwips, 12 * kTwips, 14 * kTwips);
      close.on_click([] { win::PostQuitMessage(0); });

      const ButtonChoice choices[] = {{"Programs", 0, 1, false}, {"Music", 3, 2, true}, {"Settings", 6, 5, false}};
      std::vector<std::unique_ptr<ShowName>> handlers;
      int index = 0;
      for (const ButtonChoice& choice : choices) {
        auto& hosted = static_cast<candy::HostedCandyButton&>(
            form.add(std::make_unique<candy::HostedCandyButton>(form, choice.name, index)));
        candy::CandyButton& button = hosted.button();
        button.Style(choice.style);
        button.ColorScheme(choice.scheme);
        button.Caption(choice.name);
        if (choice.picture) button.Picture(make_sun());
        handlers.push_back(std::make_unique<ShowName>(label, choice.name));
        button.set_events(handlers.back().get());
        hosted.Move(float(20 + 110 * index) * kTwips, 60 * kTwips, 100 * kTwips, 70 * kTwips);
        ++index;
      }
      form.Show();
      code = win::run_message_loop();
    }
    win::set_presenter(nullptr);
    return code;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "hello-candybutton: %s\n", e.what());
    return 1;
  }
}
