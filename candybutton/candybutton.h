// CandyButton: the owner-drawn button control. It keeps the values below,
// exposes them as properties whose setters store, tell the container and
// repaint, saves and restores them through a property bag, and paints its
// whole face on every repaint from these values alone.
//
// Flags are 16-bit: true -1, false 0. Colours are OLE colours, stored as given
// and translated only where they are drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "candybutton/candybutton_events.h"
#include "candybutton/interception.h"
#include "candybutton/painters/button_face.h"
#include "candybutton/state_drawing.h"
#include "platform/forms/container.h"
#include "platform/forms/control_events.h"
#include "platform/forms/control_surface.h"
#include "platform/forms/property_bag.h"
#include "platform/win/ole/picture.h"
#include "platform/win/kernel/types.h"
#include "subclass/subclass_owner.h"

namespace candy {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// What a button hands its faces and shapes to: the style table's painters and
// the rounded-region rebuild, or a host's (or a test's) own.
struct FaceOperations {
  std::function<FacePaint(const ButtonFace& button, std::int32_t state)> paint_face;
  std::function<ButtonRegions(const ButtonFace& button)> update_button_region;
};

// The operations a button hands its work to.
struct CandyButtonParts {
  std::unique_ptr<WindowInterception> interception;
  FaceOperations faces;
  std::unique_ptr<StateDrawing> state_drawing;
};

// The style table's painters, the region rebuild and the platform's GDI and
// interception. The caption goes to DrawStateA in the ANSI code page, as the
// Windows control hands it, or with TextCalls::Wide to DrawStateW, every
// character the font has (the surface must then measure through the W
// functions too).
CandyButtonParts standard_parts(forms::TextCalls calls = forms::TextCalls::Ansi);

// A button, like the window and form it lives in, belongs to one
// user-interface thread: the one that makes the windows and runs their
// message loop. No other thread may touch it; only render_button (render.h)
// may be called from any thread.
//
// The subclass owner comes first so that the callback methods need no
// adjustment of the object address when the generated procedure calls them.
class CandyButton : public subclass::SubclassOwner, public forms::ControlEvents {
 public:
  static constexpr const char* kTypeName = "CandyButton";

  CandyButton(forms::ControlSurface& surface, forms::ControlContainer& container,
              CandyButtonParts parts);
  // Stops the interception, then deletes the inner region.
  ~CandyButton() override;
  CandyButton(const CandyButton&) = delete;
  CandyButton& operator=(const CandyButton&) = delete;

  // Where events go; null raises them to nobody.
  void set_events(CandyButtonEvents* events) { m_events = events; }

  // Public interface, in slot order.
  void DisplayHand(bool newValue);
  bool DisplayHand() const { return m_DisplayHand != 0; }
  void Enabled(bool bEnabled);
  bool Enabled() const { return m_Enabled != 0; }
  void ColorScheme(std::int32_t newValue);
  std::int32_t ColorScheme() const { return m_ColorScheme; }
  void BorderBrightness(std::int32_t newValue);
  std::int32_t BorderBrightness() const { return m_BorderBrightness; }
  bool IconHighLite() const { return m_IconHighLite != 0; }
  void IconHighLite(bool PropVal);
  win::OLE_COLOR IconHighLiteColor() const { return m_IconHighLiteColor; }
  void IconHighLiteColor(win::OLE_COLOR PropVal);
  bool CaptionHighLite() const { return m_CaptionHighLite != 0; }
  void CaptionHighLite(bool PropVal);
  win::OLE_COLOR CaptionHighLiteColor() const { return m_CaptionHighLiteColor; }
  void CaptionHighLiteColor(win::OLE_COLOR PropVal);
  void ColorBright(win::OLE_COLOR newValue);
  win::OLE_COLOR ColorBright() const { return m_ColorBright; }
  void ColorButtonDown(win::OLE_COLOR newValue);
  win::OLE_COLOR ColorButtonDown() const { return m_ColorButtonDown; }
  void ColorButtonUp(win::OLE_COLOR newValue);
  win::OLE_COLOR ColorButtonUp() const { return m_ColorButtonUp; }
  void ColorButtonHover(win::OLE_COLOR newValue);
  win::OLE_COLOR ColorButtonHover() const { return m_ColorButtonHover; }
  void ForeColor(win::OLE_COLOR NewForeColor);
  win::OLE_COLOR ForeColor() const { return m_ForeColor; }
  void Picture(win::PicturePtr Value);
  win::PicturePtr Picture() const { return m_Picture; }
  void Checked(bool Value);
  bool Checked() const { return m_Checked != 0; }
  void Style(std::int32_t eVal);
  std::int32_t Style() const { return m_Style; }
  void PictureAlignment(std::int32_t eVal);
  std::int32_t PictureAlignment() const { return m_PictureAlignment; }
  void Caption(const std::string& New_Caption);
  std::string Caption() const { return m_Caption; }
  void Font(const forms::FontDescription& NewFont);
  forms::FontDescription Font() const;
  void DrawIconWCaption(const std::int32_t& vState);
  win::COLORREF BlendColors(const win::OLE_COLOR& Color1, const win::OLE_COLOR& Color2,
                            std::int32_t& Percentage);
  void GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b, const win::OLE_COLOR& Color);

  // What the container calls: exactly one of the first two, once.
  void InitProperties();
  void ReadProperties(const forms::PropertyBag& PropBag);
  void WriteProperties(forms::PropertyBag& PropBag) const;

  // Platform notifications.
  void OnResize() override;
  void OnShow() override;
  void OnMouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void OnMouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void OnMouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnKeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void OnKeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void OnGotFocus() override;
  void OnLostFocus() override;

  // The methods the generated window procedure can call back, in declaration
  // order: HandleWindowMessage is the last, ordinal 1.
  std::span<const Callback> callback_methods() const override;

 private:
  friend class CandyButtonInspector;
  // candybutton-render repaints a button in a chosen state, as a repaint
  // by the control itself would.
  friend class CandyButtonRenderer;

  void Redraw(std::int32_t& state);
  void Redraw(std::int32_t&& state) { Redraw(state); }
  void UpdateButtonRegion();
  // Each of the four colour setters: store, leave the scheme, notify, repaint.
  void SetSchemeColor(win::OLE_COLOR& member, win::OLE_COLOR value, const char* notification);
  // The face as the painters see it, from the members as they are now.
  ButtonFace face();
  // Finds the tracking function and, when there is one, intercepts the
  // surface's window.
  void StartInterception();
  // Asks for one WM_MOUSELEAVE for the window.
  void RequestMouseLeave(win::HWND hWnd);
  // The subclasser's callback: WM_PAINT before, WM_MOUSEMOVE and
  // WM_MOUSELEAVE after the window's own processing.
  void HandleWindowMessage(win::BOOL IsBefore, win::BOOL& Handled, win::LRESULT& ReturnValue,
                           win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam,
                           win::LONG& UserValue);

  forms::ControlSurface& m_surface;
  forms::ControlContainer& m_container;
  FaceOperations m_faces;
  std::unique_ptr<StateDrawing> m_state_drawing;
  CandyButtonEvents* m_events = nullptr;

  // The message interception state comes first.
  std::unique_ptr<WindowInterception> m_interception;

  std::int16_t m_TrackAvailable = kFalse;
  std::int16_t m_TrackInUser32 = kFalse;
  std::int16_t m_MouseOver = kFalse;
  std::int32_t m_PictureAlignment = 0;
  std::int32_t m_Style = 0;
  std::int16_t m_Checked = kFalse;
  std::int16_t m_HasFocus = kFalse;
  std::string m_Caption;
  win::PicturePtr m_Picture;
  win::OLE_COLOR m_ColorButtonHover = 0;
  win::OLE_COLOR m_ColorButtonUp = 0;
  win::OLE_COLOR m_ColorButtonDown = 0;
  win::OLE_COLOR m_ColorBright = 0;
  win::OLE_COLOR m_ForeColor = 0;
  std::int16_t m_DisplayHand = kFalse;
  std::int32_t m_CornerRadius = 0;
  std::int32_t m_BorderBrightness = 0;
  std::int32_t m_ColorScheme = 0;
  std::int16_t m_IconHighLite = kFalse;
  win::OLE_COLOR m_IconHighLiteColor = 0;
  std::int16_t m_CaptionHighLite = kFalse;
  win::OLE_COLOR m_CaptionHighLiteColor = 0;
  std::int16_t m_Enabled = kFalse;
  std::int16_t m_Ready = kFalse;
  win::HRGN m_Region;
};

}  // namespace candy
