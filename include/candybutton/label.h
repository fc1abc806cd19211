/// @file
/// @brief A text label on a window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "export.h"
#include "font.h"

namespace candy {

namespace detail {
struct LabelAccess;
}

/// A line of text on a Window, made by Window::add_label and owned by its
/// window: left aligned, MS Sans Serif 8 pt in the system's button colours
/// until changed. Call it from the thread that runs the Application only.
class CANDYBUTTON_API Label {
 public:
  ~Label();
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  /// The name the label was made with.
  std::string name() const;
  /// Places the label on its window, in the window's pixels.
  void move(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  /// Sets the text.
  void Caption(const std::string& value);
  /// The text.
  std::string Caption() const;
  /// Sets the text colour (an OLE colour).
  void ForeColor(std::uint32_t value);
  /// The text colour.
  std::uint32_t ForeColor() const;
  /// Sets the font.
  void Font(const candy::Font& value);
  /// The font.
  candy::Font Font() const;
  /// Calls `handler` when the label is clicked; an empty function removes it.
  void on_click(std::function<void()> handler);

 private:
  friend struct detail::LabelAccess;
  struct Impl;
  explicit Label(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> m_impl;
};

}  // namespace candy
