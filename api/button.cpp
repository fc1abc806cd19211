#include <utility>

#include "api/access.h"
#include "platform/forms/twips.h"

namespace candy {

ButtonEvents::~ButtonEvents() = default;
void ButtonEvents::Status(std::string&) {}
void ButtonEvents::Click() {}
void ButtonEvents::DblClick() {}
void ButtonEvents::MouseEnter() {}
void ButtonEvents::MouseLeave() {}
void ButtonEvents::MouseMove(std::int16_t&, std::int16_t&, float&, float&) {}
void ButtonEvents::MouseUp(std::int16_t&, std::int16_t&, float&, float&) {}
void ButtonEvents::MouseDown(std::int16_t&, std::int16_t&, float&, float&) {}

namespace {

using MouseHandler = std::function<void(const MouseArgs&)>;

// The control's events, handed to the program's callbacks and then to its
// event interface.
class EventRelay final : public CandyButtonEvents {
 public:
  std::function<void()> click, dbl_click, mouse_enter, mouse_leave;
  MouseHandler mouse_move, mouse_up, mouse_down;
  std::shared_ptr<ButtonEvents> events;

  void Status(std::string& status) override {
    if (events) events->Status(status);
  }
  void Click() override { simple(click, &ButtonEvents::Click); }
  void DblClick() override { simple(dbl_click, &ButtonEvents::DblClick); }
  void MouseEnter() override { simple(mouse_enter, &ButtonEvents::MouseEnter); }
  void MouseLeave() override { simple(mouse_leave, &ButtonEvents::MouseLeave); }
  void MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse(mouse_move, &ButtonEvents::MouseMove, b, s, x, y);
  }
  void MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse(mouse_up, &ButtonEvents::MouseUp, b, s, x, y);
  }
  void MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse(mouse_down, &ButtonEvents::MouseDown, b, s, x, y);
  }

 private:
  // Copies of the handler and the interface: a handler may replace either.
  void simple(const std::function<void()>& handler, void (ButtonEvents::*method)()) {
    if (const auto h = handler) h();
    if (const auto e = events) (e.get()->*method)();
  }
  void mouse(const MouseHandler& handler,
             void (ButtonEvents::*method)(std::int16_t&, std::int16_t&, float&, float&),
             std::int16_t& b, std::int16_t& s, float& x, float& y) {
    if (const auto h = handler) h(MouseArgs{b, s, x, y});
    if (const auto e = events) (e.get()->*method)(b, s, x, y);
  }
};

}  // namespace

struct Button::Impl {
  HostedCandyButton& hosted;
  EventRelay relay;
  CandyButton& b() { return hosted.button(); }
  const CandyButton& b() const { return hosted.button(); }
};

std::unique_ptr<Button> detail::ButtonAccess::make(HostedCandyButton& hosted) {
  auto impl = std::unique_ptr<Button::Impl>(new Button::Impl{hosted, {}});
  hosted.button().set_events(&impl->relay);
  return std::unique_ptr<Button>(new Button(std::move(impl)));
}

Button::Button(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Button::~Button() { m_impl->b().set_events(nullptr); }

std::string Button::name() const { return m_impl->hosted.Name(); }
void Button::move(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  const float t = forms::kTwipsPerPixel;
  m_impl->hosted.Move(float(x) * t, float(y) * t, float(width) * t, float(height) * t);
  m_impl->hosted.set_Visible(true);
}
void Button::visible(bool shown) { m_impl->hosted.set_Visible(shown); }
bool Button::visible() const { return m_impl->hosted.Visible(); }

void Button::DisplayHand(bool value) { m_impl->b().DisplayHand(value); }
bool Button::DisplayHand() const { return m_impl->b().DisplayHand(); }
void Button::Enabled(bool value) { m_impl->b().Enabled(value); }
bool Button::Enabled() const { return m_impl->b().Enabled(); }
void Button::ColorScheme(std::int32_t value) { m_impl->b().ColorScheme(value); }
std::int32_t Button::ColorScheme() const { return m_impl->b().ColorScheme(); }
void Button::BorderBrightness(std::int32_t value) { m_impl->b().BorderBrightness(value); }
std::int32_t Button::BorderBrightness() const { return m_impl->b().BorderBrightness(); }
bool Button::IconHighLite() const { return m_impl->b().IconHighLite(); }
void Button::IconHighLite(bool value) { m_impl->b().IconHighLite(value); }
std::uint32_t Button::IconHighLiteColor() const { return m_impl->b().IconHighLiteColor(); }
void Button::IconHighLiteColor(std::uint32_t value) { m_impl->b().IconHighLiteColor(value); }
bool Button::CaptionHighLite() const { return m_impl->b().CaptionHighLite(); }
void Button::CaptionHighLite(bool value) { m_impl->b().CaptionHighLite(value); }
std::uint32_t Button::CaptionHighLiteColor() const { return m_impl->b().CaptionHighLiteColor(); }
void Button::CaptionHighLiteColor(std::uint32_t value) { m_impl->b().CaptionHighLiteColor(value); }
void Button::ColorBright(std::uint32_t value) { m_impl->b().ColorBright(value); }
std::uint32_t Button::ColorBright() const { return m_impl->b().ColorBright(); }
void Button::ColorButtonDown(std::uint32_t value) { m_impl->b().ColorButtonDown(value); }
std::uint32_t Button::ColorButtonDown() const { return m_impl->b().ColorButtonDown(); }
void Button::ColorButtonUp(std::uint32_t value) { m_impl->b().ColorButtonUp(value); }
std::uint32_t Button::ColorButtonUp() const { return m_impl->b().ColorButtonUp(); }
void Button::ColorButtonHover(std::uint32_t value) { m_impl->b().ColorButtonHover(value); }
std::uint32_t Button::ColorButtonHover() const { return m_impl->b().ColorButtonHover(); }
void Button::ForeColor(std::uint32_t value) { m_impl->b().ForeColor(value); }
std::uint32_t Button::ForeColor() const { return m_impl->b().ForeColor(); }
void Button::Picture(const candy::Picture& value) {
  m_impl->b().Picture(detail::PictureAccess::platform(value));
}
candy::Picture Button::Picture() const {
  return detail::PictureAccess::wrap(m_impl->b().Picture());
}
void Button::Checked(bool value) { m_impl->b().Checked(value); }
bool Button::Checked() const { return m_impl->b().Checked(); }
void Button::Style(std::int32_t value) { m_impl->b().Style(value); }
std::int32_t Button::Style() const { return m_impl->b().Style(); }
void Button::PictureAlignment(std::int32_t value) { m_impl->b().PictureAlignment(value); }
std::int32_t Button::PictureAlignment() const { return m_impl->b().PictureAlignment(); }
void Button::Caption(const std::string& value) { m_impl->b().Caption(value); }
std::string Button::Caption() const { return m_impl->b().Caption(); }
void Button::Font(const candy::Font& value) { m_impl->b().Font(to_description(value)); }
candy::Font Button::Font() const { return to_font(m_impl->b().Font()); }

void Button::DrawIconWCaption(std::int32_t state) { m_impl->b().DrawIconWCaption(state); }
std::uint32_t Button::BlendColors(std::uint32_t color1, std::uint32_t color2,
                                  std::int32_t percentage) {
  return m_impl->b().BlendColors(color1, color2, percentage);
}
void Button::GetRGB(std::int32_t& red, std::int32_t& green, std::int32_t& blue,
                    std::uint32_t color) {
  m_impl->b().GetRGB(red, green, blue, color);
}

void Button::set_events(std::shared_ptr<ButtonEvents> events) {
  m_impl->relay.events = std::move(events);
}
void Button::on_click(std::function<void()> handler) { m_impl->relay.click = std::move(handler); }
void Button::on_dbl_click(std::function<void()> handler) {
  m_impl->relay.dbl_click = std::move(handler);
}
void Button::on_mouse_enter(std::function<void()> handler) {
  m_impl->relay.mouse_enter = std::move(handler);
}
void Button::on_mouse_leave(std::function<void()> handler) {
  m_impl->relay.mouse_leave = std::move(handler);
}
void Button::on_mouse_move(std::function<void(const MouseArgs&)> handler) {
  m_impl->relay.mouse_move = std::move(handler);
}
void Button::on_mouse_up(std::function<void(const MouseArgs&)> handler) {
  m_impl->relay.mouse_up = std::move(handler);
}
void Button::on_mouse_down(std::function<void(const MouseArgs&)> handler) {
  m_impl->relay.mouse_down = std::move(handler);
}

}  // namespace candy
