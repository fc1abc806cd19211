// A control on a form: a name, a kind (its stored type name), a position and
// size in twips, a visibility and a tab index. Windowless controls (pictures,
// labels) are drawn by the form's paint; windowed ones own a child window
// that follows their position and visibility.
#pragma once

#include <string>

#include "platform/win/kernel/types.h"

namespace forms {

class Form;
struct LayoutBlock;

class Control {
 public:
  // Takes the name, the kind and whichever of Left, Top, Width, Height,
  // Visible and TabIndex the block holds (validated by the form builder).
  Control(Form& form, const LayoutBlock& block);
  Control(Form& form, std::string name, std::string kind);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return m_name; }
  const std::string& kind() const { return m_kind; }
  Form& form() const { return m_form; }

  float Left() const { return m_left; }
  float Top() const { return m_top; }
  float Width() const { return m_width; }
  float Height() const { return m_height; }
  void set_Left(float twips);
  void set_Top(float twips);
  void set_Width(float twips);
  void set_Height(float twips);
  void Move(float left, float top, float width, float height);
  bool Visible() const { return m_visible; }
  void set_Visible(bool visible);
  int TabIndex() const { return m_tab_index; }
  void set_TabIndex(int index) { m_tab_index = index; }

  // The control's rectangle in the form's client pixels.
  win::RECT pixel_rect() const;

  // Windowless controls draw themselves on the form's paint.
  virtual void paint(win::HDC) {}
  // The child window of a windowed control, else 0.
  virtual win::HWND hWnd() const { return {}; }
  // Whether a click at this client pixel belongs to the control.
  virtual bool hit_test(win::POINT) const { return false; }
  virtual void click() {}

 protected:
  // Called after a change of the pixel rectangle or of the visibility. The
  // default moves and shows or hides a windowed control's window; for a
  // windowless one it repaints the form where the control was and is now.
  virtual void placement_changed(const win::RECT& old_rect, bool was_visible);

 private:
  void place(float left, float top, float width, float height);

  Form& m_form;
  std::string m_name;
  std::string m_kind;
  float m_left = 0;
  float m_top = 0;
  float m_width = 0;
  float m_height = 0;
  bool m_visible = true;
  int m_tab_index = 0;
};

}  // namespace forms
