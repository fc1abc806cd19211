/// @file
/// @brief The program's side of the windowing system: an Application that
/// runs, and Windows that hold buttons and labels.
///
/// Everything here runs on one thread, the one that made the Application:
/// windows, buttons and labels are not to be touched from any other.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "button.h"
#include "export.h"
#include "label.h"
#include "picture.h"

namespace candy {

class Window;

/// The connection to the display and the run loop. Make one before any
/// Window and keep it until the last is gone. The display is chosen as for
/// every program on this platform: CANDY_DISPLAY=x11 or headless, by default
/// X11 when a display answers, else the headless presenter (CANDY_SCRIPT,
/// CANDY_FRAMES).
class CANDYBUTTON_API Application {
 public:
  /// Connects to the display. Throws std::logic_error when another
  /// Application exists, std::runtime_error when no display can be used.
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  /// Runs until quit() or until the last shown window is closed, and returns
  /// the exit status: quit()'s, or 0.
  int run();
  /// Ends run() with this status once the current event has been handled.
  void quit(int status = 0);

 private:
  friend class Window;
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

/// A borderless top-level window, centred on the screen when first shown,
/// with a background colour and picture, buttons and labels. Closing it from
/// the desktop (Alt+F4, a task bar's Close) hides it, and closing the last
/// shown window ends Application::run() with status 0, unless the program
/// takes the close itself with on_close().
class CANDYBUTTON_API Window {
 public:
  /// A hidden window of width × height pixels.
  Window(Application& application, const std::string& caption, std::int32_t width,
         std::int32_t height);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  /// Adds a CandyButton, a new instance: caption = `name`, Tahoma 9 pt,
  /// style 0, enabled, the default colours. Buttons take the focus with Tab
  /// in the order they were added.
  Button& add_button(const std::string& name, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height);
  /// Adds a label with this caption.
  Label& add_label(const std::string& name, const std::string& caption, std::int32_t x,
                   std::int32_t y, std::int32_t width, std::int32_t height);

  /// Sets the caption the desktop shows for the window.
  void Caption(const std::string& value);
  /// The caption.
  std::string Caption() const;
  /// Sets the background colour (an OLE colour).
  void BackColor(std::uint32_t value);
  /// The background colour.
  std::uint32_t BackColor() const;
  /// Sets the background picture, drawn unscaled at the top-left corner.
  void Picture(const candy::Picture& value);

  /// Shows the window.
  void show();
  /// Hides the window as a close from the desktop would, without asking
  /// on_close(); the last shown window's close ends Application::run().
  void close();
  /// Whether the window is shown.
  bool shown() const;
  /// Takes the desktop's close request: `handler` runs instead of close().
  /// An empty function restores the default.
  void on_close(std::function<void()> handler);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace candy
