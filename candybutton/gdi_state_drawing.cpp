// The caption and picture drawing on the platform's GDI, and the standard
// set of parts a button is made of.
#include <memory>
#include <string>

#include "candybutton/button_region.h"
#include "candybutton/candybutton.h"
#include "candybutton/styles.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/user/draw_state.h"
#include "platform/win/gdi/gdi.h"

namespace candy {

namespace {

class GdiStateDrawing final : public StateDrawing {
 public:
  explicit GdiStateDrawing(forms::TextCalls calls) : m_calls(calls) {}
  void DrawStateText(win::HDC dc, std::string_view text, std::int32_t x, std::int32_t y,
                     win::UINT flags) override {
    if (m_calls == forms::TextCalls::Wide) {
      const std::u16string wide = win::utf8_to_utf16(text);
      win::DrawStateW(dc, win::HBRUSH{}, nullptr, wide.c_str(), static_cast<int>(wide.size()), x, y,
                      0, 0, flags);
      return;
    }
    const std::string ansi = win::utf8_to_cp1252(text);
    win::DrawStateA(dc, win::HBRUSH{}, nullptr, ansi.c_str(), static_cast<int>(ansi.size()), x, y,
                    0, 0, flags);
  }
  void DrawStateImage(win::HDC dc, win::HBRUSH brush, std::uint32_t handle, std::int32_t x,
                      std::int32_t y, std::int32_t cx, std::int32_t cy, win::UINT flags) override {
    win::DrawStateA(dc, brush, win::DRAWSTATEPROC{nullptr}, static_cast<win::LPARAM>(handle), 0, x,
                    y, cx, cy, flags);
  }
  win::HBRUSH CreateSolidBrush(win::COLORREF color) override {
    return win::CreateSolidBrush(color);
  }
  void DeleteObject(win::HBRUSH brush) override { win::DeleteObject(brush); }

 private:
  forms::TextCalls m_calls;
};

}  // namespace

CandyButtonParts standard_parts(forms::TextCalls calls) {
  CandyButtonParts parts;
  parts.interception = std::make_unique<SubclassInterception>();
  parts.state_drawing = std::make_unique<GdiStateDrawing>(calls);
  parts.faces.paint_face = [](const ButtonFace& button, std::int32_t state) {
    return PaintFace(button, state);
  };
  parts.faces.update_button_region = BuildButtonRegions;
  return parts;
}

}  // namespace candy
