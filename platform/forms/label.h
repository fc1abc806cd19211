// A label: windowless text in the control's rectangle, with a font, a text
// colour (an OLE colour), a transparent or opaque background and an
// alignment. A click inside its rectangle (cut to the form) is its Click.
#pragma once

#include <functional>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/property_bag.h"

namespace forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };
enum class BackStyle { Transparent = 0, Opaque = 1 };

class Label : public Control {
 public:
  Label(Form& form, const LayoutBlock& block);
  // A label made in code: the caption in MS Sans Serif 8 pt, left aligned,
  // in the system's button colours; place it with Move.
  Label(Form& form, std::string name, std::string caption);
  ~Label() override;

  const std::string& Caption() const { return m_caption; }
  void set_Caption(std::string caption);
  const FontDescription& Font() const { return m_font; }
  void set_Font(const FontDescription& font);
  win::OLE_COLOR ForeColor() const { return m_fore_color; }
  void set_ForeColor(win::OLE_COLOR color);
  win::OLE_COLOR BackColor() const { return m_back_color; }
  forms::BackStyle BackStyle() const { return m_back_style; }
  forms::Alignment Alignment() const { return m_alignment; }

  void on_click(std::function<void()> handler) { m_on_click = std::move(handler); }

  void paint(win::HDC dc) override;
  bool hit_test(win::POINT point) const override;
  void click() override;

 private:
  void repaint();

  std::string m_caption;
  FontDescription m_font;
  win::HFONT m_hfont;
  win::OLE_COLOR m_fore_color = 0x80000012;
  win::OLE_COLOR m_back_color = 0x8000000F;
  forms::BackStyle m_back_style = forms::BackStyle::Opaque;
  forms::Alignment m_alignment = forms::Alignment::Left;
  std::function<void()> m_on_click;
};

}  // namespace forms
