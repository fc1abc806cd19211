// What the launcher's tests share: a clock that moves on by itself, a
// presenter that keeps every frame, and plain-coloured stand-ins for the
// artwork, so that a picture on screen is easy to tell from the white.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launcher/mainFRM.h"
#include "platform/forms/control_registry.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/ole/picture.h"
#include "platform/win/user/presenter.h"

namespace launcher_test {

inline constexpr win::COLORREF kWhite = 0xFFFFFF;
inline constexpr win::COLORREF kLogoBlue = win::RGB(22, 142, 205);
inline constexpr win::COLORREF kBoxNavy = win::RGB(7, 57, 84);

// Every read of the time of day moves the clock on by `step_ms`, so a busy
// wait ends; sleeps move it on at once.
class SteppingClock final : public win::Clock {
 public:
  explicit SteppingClock(double start_time_of_day = 36000.0, std::int64_t step_ms = 1)
      : m_start(start_time_of_day), m_step(step_ms) {}
  std::int64_t now_ms() override { return m_now; }
  float time_of_day() override {
    m_now += m_step;
    ++m_reads;
    if (on_read) on_read();
    double seconds = m_start + static_cast<double>(m_now) / 1000.0;
    while (seconds >= 86400.0) seconds -= 86400.0;
    return static_cast<float>(seconds);
  }
  void sleep_ms(std::int64_t ms) override { m_now += ms > 0 ? ms : 0; }

  int reads() const { return m_reads; }
  std::function<void()> on_read;

 private:
  double m_start;
  std::int64_t m_step;
  std::int64_t m_now = 0;
  int m_reads = 0;
};

class RecordingPresenter final : public win::Presenter {
 public:
  struct Frame {
    win::Surface image;
    win::POINT position;
  };
  void present(win::HWND, const win::Surface& image, win::POINT position) override {
    frames.push_back({image, position});
  }
  void wait_for_events(std::int64_t timeout_ms, bool) override {
    if (timeout_ms > 0) win::clock().sleep_ms(timeout_ms);
  }
  std::vector<Frame> frames;
};

inline win::PicturePtr solid_picture(int width, int height, win::COLORREF color) {
  return win::Picture::from_bitmap(win::make_bitmap_handle(win::Surface(width, height, color), 24));
}

// The three pictures by the names the stored layout uses.
inline forms::PictureSource test_pictures() {
  return [](const std::string& name) -> win::PicturePtr {
    if (name == "background.bmp") return solid_picture(400, 240, kWhite);
    if (name == "logo.bmp") return solid_picture(272, 81, kLogoBlue);
    if (name == "box.bmp") return solid_picture(66, 72, kBoxNavy);
    throw std::runtime_error("no picture named " + name);
  };
}

// Installs the clock and the presenter for one test and removes them after.
class PlatformScope {
 public:
  explicit PlatformScope(win::Clock& clock) {
    win::set_clock(&clock);
    win::set_presenter(&presenter);
  }
  ~PlatformScope() {
    win::set_presenter(nullptr);
    win::set_clock(nullptr);
  }
  RecordingPresenter presenter;
};

}  // namespace launcher_test
