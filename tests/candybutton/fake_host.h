// A recording host for the button: surface, container, caption drawing,
// painters and interception that write what happens into one shared log.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "candybutton/candybutton.h"
#include "candybutton/styles.h"

namespace candy {

using Log = std::vector<std::string>;

inline std::string hex(std::uint32_t v) {
  std::ostringstream out;
  out << std::hex << std::uppercase << v;
  return out.str();
}

class FakeSurface : public forms::ControlSurface {
 public:
  explicit FakeSurface(Log& log) : m_log(log) {}
  float width = 121;
  float height = 89;
  float text_width = 40;  // every text measures this
  float text_height = 13;
  forms::FontDescription font{"Tahoma", 9, 400, false, false, false, 0};
  win::OLE_COLOR fore = 0;
  win::OLE_COLOR back = 0xFFFFFF;
  win::PicturePtr picture;
  std::int16_t pointer = 0;
  win::HDC dc{77};
  win::HWND wnd{88};

  float ScaleWidth() const override { return width; }
  float ScaleHeight() const override { return height; }
  void Line(float, float, float, float, win::OLE_COLOR) override {}
  void Box(float, float, float, float, win::OLE_COLOR) override {}
  void PSet(float, float, win::OLE_COLOR) override {}
  win::HDC hDC() const override { return dc; }
  win::HWND hWnd() const override { return wnd; }
  void SetWindowRgn(win::HRGN) override {}
  float TextWidth(std::string_view) const override { return text_width; }
  float TextHeight(std::string_view) const override { return text_height; }
  forms::FontDescription Font() const override { return font; }
  void SetFont(const forms::FontDescription& f) override { font = f; }
  win::OLE_COLOR ForeColor() const override { return fore; }
  void SetForeColor(win::OLE_COLOR c) override {
    fore = c;
    m_log.push_back("ForeColor " + hex(c));
  }
  win::OLE_COLOR BackColor() const override { return back; }
  void SetBackColor(win::OLE_COLOR c) override { back = c; }
  win::PicturePtr Picture() const override { return picture; }
  void SetPicture(win::PicturePtr p) override {
    picture = std::move(p);
    m_log.push_back("clear");
  }
  std::int16_t MousePointer() const override { return pointer; }
  void SetMousePointer(std::int16_t p) override { pointer = p; }
  void Refresh() override { m_log.push_back("refresh"); }

 private:
  Log& m_log;
};

class FakeContainer : public forms::ControlContainer {
 public:
  explicit FakeContainer(Log& log) : m_log(log) {}
  bool user_mode = true;
  forms::FontDescription ambient_font{"MS Sans Serif", 8, 400, false, false, false, 0};
  std::string name = "CandyButton1";
  std::optional<win::OLE_COLOR> back = 0xC0C0C0;
  std::set<std::string> failing;  // notifications that throw
  std::vector<std::string> notified;

  void PropertyChanged(std::string_view n) override {
    m_log.push_back("notify " + std::string(n));
    notified.emplace_back(n);
    if (failing.count(std::string(n)))
      throw std::runtime_error("container refused " + std::string(n));
  }
  bool AmbientUserMode() const override { return user_mode; }
  forms::FontDescription AmbientFont() const override { return ambient_font; }
  std::string ExtenderName() const override { return name; }
  std::optional<win::OLE_COLOR> BackColor() const override { return back; }
  win::PicturePtr LoadPictureRef(const forms::PictureRef& ref) override {
    if (ref.empty()) return nullptr;
    auto p = std::make_shared<win::Picture>();
    pictures.emplace_back(ref, p);
    return p;
  }
  forms::PictureRef PictureRefOf(const win::PicturePtr& p) const override {
    for (const auto& [ref, pic] : pictures)
      if (pic == p) return ref;
    return {};
  }
  std::vector<std::pair<forms::PictureRef, win::PicturePtr>> pictures;

 private:
  Log& m_log;
};

class RecordingStateDrawing : public StateDrawing {
 public:
  explicit RecordingStateDrawing(Log& log, const FakeSurface& surface)
      : m_log(log), m_surface(surface) {}
  void DrawStateText(win::HDC, std::string_view text, std::int32_t x, std::int32_t y,
                     win::UINT flags) override {
    m_log.push_back("text '" + std::string(text) + "' " + std::to_string(x) + "," +
                    std::to_string(y) + " flags " + std::to_string(flags) + " color " +
                    hex(m_surface.fore));
  }
  void DrawStateImage(win::HDC, win::HBRUSH brush, std::uint32_t, std::int32_t x, std::int32_t y,
                      std::int32_t cx, std::int32_t cy, win::UINT flags) override {
    m_log.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(cx) + "x" + std::to_string(cy) + " flags " +
                    std::to_string(flags) + (brush ? " brush" : ""));
  }
  win::HBRUSH CreateSolidBrush(win::COLORREF color) override {
    m_log.push_back("brush " + hex(color));
    return win::HBRUSH{win::HGDIOBJ{5}};
  }
  void DeleteObject(win::HBRUSH) override { m_log.push_back("delete brush"); }

 private:
  Log& m_log;
  const FakeSurface& m_surface;
};

class RecordingInterception : public WindowInterception {
 public:
  explicit RecordingInterception(Log& log) : m_log(log) {}
  std::set<std::string> exported{"User32!TrackMouseEvent", "Comctl32!_TrackMouseEvent"};

  bool IsFunctionExported(std::string_view f, std::string_view lib) override {
    const std::string key = std::string(lib) + "!" + std::string(f);
    m_log.push_back("exported? " + key);
    return exported.count(key) != 0;
  }
  bool sc_Subclass(win::HWND w, std::int32_t user, std::int32_t ordinal,
                   subclass::SubclassOwner* owner, bool guard) override {
    m_log.push_back("subclass " + std::to_string(w.value) + " " + std::to_string(user) + " " +
                    std::to_string(ordinal) + (owner ? " owner" : " self") +
                    (guard ? " guard" : ""));
    return true;
  }
  void sc_AddMessage(win::HWND, std::int32_t msg, std::int32_t when) override {
    m_log.push_back("add " + hex(std::uint32_t(msg)) + " " + std::to_string(when));
  }
  void sc_UnSubclassAll() override { m_log.push_back("unsubclass all"); }

 private:
  Log& m_log;
};

// A button on a recording host. Painters log "paint <family> <state>"; a
// painter named in `failing_painter` throws.
struct Host {
  Log log;
  FakeSurface surface{log};
  FakeContainer container{log};
  std::string failing_painter;
  RecordingInterception* interception = nullptr;
  std::unique_ptr<CandyButton> button;

  Host() { button = make(); }

  std::unique_ptr<CandyButton> make() {
    CandyButtonParts parts;
    auto rec = std::make_unique<RecordingInterception>(log);
    interception = rec.get();
    parts.interception = std::move(rec);
    parts.state_drawing = std::make_unique<RecordingStateDrawing>(log, surface);
    // Logs the painter family the style table names, without painting.
    parts.faces.paint_face = [this](const ButtonFace& button, std::int32_t state) {
      const FacePaint kept{button.m_CornerRadius, button.m_BorderBrightness};
      const StyleRow* row = style_row(button.m_Style);
      if (!row) return kept;
      log.push_back("paint " + std::string(row->family) + " " + std::to_string(state));
      if (row->family == failing_painter) throw std::runtime_error("painter failed");
      return kept;
    };
    parts.faces.update_button_region = [this](const ButtonFace&) {
      log.push_back("region");
      return ButtonRegions{};
    };
    return std::make_unique<CandyButton>(surface, container, std::move(parts));
  }

  // Restores from an empty bag and forgets what that logged.
  CandyButton& ready() {
    button->ReadProperties(forms::PropertyBag{});
    log.clear();
    container.notified.clear();
    return *button;
  }
};

// Reaches the control's private operations and members.
class CandyButtonInspector {
 public:
  static void Redraw(CandyButton& b, std::int32_t& state) { b.Redraw(state); }
  static std::int16_t ready(const CandyButton& b) { return b.m_Ready; }
  static std::int16_t enabled(const CandyButton& b) { return b.m_Enabled; }
  static void set_mouse_over(CandyButton& b, bool v) { b.m_MouseOver = v ? kTrue : kFalse; }
  static void set_corner_radius(CandyButton& b, std::int32_t r) { b.m_CornerRadius = r; }
  static void set_region(CandyButton& b, win::HRGN r) { b.m_Region = r; }
  static std::int16_t track_available(const CandyButton& b) { return b.m_TrackAvailable; }
  static std::int16_t track_in_user32(const CandyButton& b) { return b.m_TrackInUser32; }
};

}  // namespace candy
