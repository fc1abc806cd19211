/// @file
/// @brief The CandyButton control: its properties, methods and events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "export.h"
#include "font.h"
#include "picture.h"

namespace candy {

namespace detail {
struct ButtonAccess;
}

/// The events a button raises, as an interface: override the ones wanted.
/// For the mouse events, `button` and `shift` are the pressed mouse buttons
/// and modifier keys as bit sets (1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl,
/// 4 Alt) and `x`, `y` the pointer in the button's pixels.
class CANDYBUTTON_API ButtonEvents {
 public:
  virtual ~ButtonEvents();
  /// Declared for completeness; the button never raises it.
  virtual void Status(std::string& status);
  /// A click: press and release inside the button, or Space or Enter.
  virtual void Click();
  /// A double click.
  virtual void DblClick();
  /// The pointer entered the button.
  virtual void MouseEnter();
  /// The pointer left the button.
  virtual void MouseLeave();
  /// The pointer moved over the button (or, captured, anywhere).
  virtual void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y);
  /// A mouse button went up.
  virtual void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y);
  /// A mouse button went down.
  virtual void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y);
};

/// A mouse event's arguments, as the callbacks receive them.
struct MouseArgs {
  /// The pressed mouse buttons: 1 left, 2 right, 4 middle.
  std::int16_t button;
  /// The modifier keys: 1 Shift, 2 Ctrl, 4 Alt.
  std::int16_t shift;
  /// The pointer's column in the button's pixels.
  float x;
  /// The pointer's row in the button's pixels.
  float y;
};

/// One CandyButton on a Window, made by Window::add_button and owned by
/// its window. Properties are pairs of a getter and a setter of the same
/// name; a setter repaints the button. Colours are OLE colours: 0x00BBGGRR,
/// or a system colour with the top bit set (see candy::color). Call it from
/// the thread that runs the Application only.
class CANDYBUTTON_API Button {
 public:
  ~Button();
  Button(const Button&) = delete;
  Button& operator=(const Button&) = delete;

  /// The name the button was made with.
  std::string name() const;
  /// Places the button on its window, in the window's pixels, and shows it.
  void move(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  /// Shows or hides the button.
  void visible(bool shown);
  /// Whether the button is shown.
  bool visible() const;

  /// Whether the pointer is the hand over the button; takes effect when the
  /// button is made, not later.
  void DisplayHand(bool value);
  /// Whether the pointer is the hand over the button.
  bool DisplayHand() const;
  /// Enables or disables the button; a disabled one ignores input.
  void Enabled(bool value);
  /// Whether the button is enabled.
  bool Enabled() const;
  /// Sets the four face colours from a scheme (candy::scheme); 0 keeps them.
  void ColorScheme(std::int32_t value);
  /// The scheme; 0 once a face colour has been set by hand.
  std::int32_t ColorScheme() const;
  /// The rim's brightening in percent, clamped to -100..100.
  void BorderBrightness(std::int32_t value);
  /// The rim's brightening in percent.
  std::int32_t BorderBrightness() const;
  /// Whether the picture is tinted under the mouse.
  bool IconHighLite() const;
  /// Tints the picture under the mouse (seen at the next repaint).
  void IconHighLite(bool value);
  /// The picture's tint under the mouse.
  std::uint32_t IconHighLiteColor() const;
  /// Sets the picture's tint under the mouse (seen at the next repaint).
  void IconHighLiteColor(std::uint32_t value);
  /// Whether the caption takes another colour under the mouse.
  bool CaptionHighLite() const;
  /// Gives the caption another colour under the mouse (seen at the next repaint).
  void CaptionHighLite(bool value);
  /// The caption's colour under the mouse.
  std::uint32_t CaptionHighLiteColor() const;
  /// Sets the caption's colour under the mouse (seen at the next repaint).
  void CaptionHighLiteColor(std::uint32_t value);
  /// Sets the highlight the face shades toward; leaves the scheme.
  void ColorBright(std::uint32_t value);
  /// The highlight the face shades toward.
  std::uint32_t ColorBright() const;
  /// Sets the pressed and checked face colour; leaves the scheme.
  void ColorButtonDown(std::uint32_t value);
  /// The pressed and checked face colour.
  std::uint32_t ColorButtonDown() const;
  /// Sets the resting and focused face colour; leaves the scheme.
  void ColorButtonUp(std::uint32_t value);
  /// The resting and focused face colour.
  std::uint32_t ColorButtonUp() const;
  /// Sets the face colour under the mouse; leaves the scheme.
  void ColorButtonHover(std::uint32_t value);
  /// The face colour under the mouse.
  std::uint32_t ColorButtonHover() const;
  /// Sets the caption colour.
  void ForeColor(std::uint32_t value);
  /// The caption colour.
  std::uint32_t ForeColor() const;
  /// Sets the picture drawn beside the caption; an empty Picture removes it.
  void Picture(const candy::Picture& value);
  /// The picture drawn beside the caption.
  candy::Picture Picture() const;
  /// Checks or unchecks the button; a checked button draws candy::state::Checked.
  void Checked(bool value);
  /// Whether the button is checked. Clicks never change it.
  bool Checked() const;
  /// Sets the style (candy::style): the face painter and the window shape.
  void Style(std::int32_t value);
  /// The style.
  std::int32_t Style() const;
  /// Sets where the picture sits beside the caption (candy::alignment).
  void PictureAlignment(std::int32_t value);
  /// Where the picture sits beside the caption.
  std::int32_t PictureAlignment() const;
  /// Sets the caption.
  void Caption(const std::string& value);
  /// The caption.
  std::string Caption() const;
  /// Sets the caption font.
  void Font(const candy::Font& value);
  /// The caption font.
  candy::Font Font() const;

  /// Draws picture and caption in a drawing state (candy::state) over the
  /// face as it is, and shows the result.
  void DrawIconWCaption(std::int32_t state);
  /// Mixes two colours: `percentage` of the first, the rest of the second.
  std::uint32_t BlendColors(std::uint32_t color1, std::uint32_t color2, std::int32_t percentage);
  /// Splits a colour (system colours translated) into red, green and blue.
  void GetRGB(std::int32_t& red, std::int32_t& green, std::int32_t& blue, std::uint32_t color);

  /// Sends every event to `events` as well, kept alive by the button; null
  /// stops that.
  void set_events(std::shared_ptr<ButtonEvents> events);
  /// Calls `handler` on Click; an empty function removes it.
  void on_click(std::function<void()> handler);
  /// Calls `handler` on DblClick.
  void on_dbl_click(std::function<void()> handler);
  /// Calls `handler` on MouseEnter.
  void on_mouse_enter(std::function<void()> handler);
  /// Calls `handler` on MouseLeave.
  void on_mouse_leave(std::function<void()> handler);
  /// Calls `handler` on MouseMove.
  void on_mouse_move(std::function<void(const MouseArgs&)> handler);
  /// Calls `handler` on MouseUp.
  void on_mouse_up(std::function<void(const MouseArgs&)> handler);
  /// Calls `handler` on MouseDown.
  void on_mouse_down(std::function<void(const MouseArgs&)> handler);

 private:
  friend struct detail::ButtonAccess;
  struct Impl;
  explicit Button(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> m_impl;
};

}  // namespace candy
