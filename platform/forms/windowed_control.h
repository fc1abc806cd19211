// A control with a child window of the form: the window follows the
// control's pixel rectangle and visibility. Hosted controls build on it.
#pragma once

#include "platform/forms/control.h"
#include "platform/forms/property_bag.h"

namespace forms {

class WindowedControl : public Control {
 public:
  // Creates the child window of the class at the control's place, shown
  // when the control is visible.
  WindowedControl(Form& form, const LayoutBlock& block, const char* window_class);
  ~WindowedControl() override;

  win::HWND hWnd() const override { return m_hwnd; }

 private:
  win::HWND m_hwnd;
};

// Stands in for a control kind that is not built yet: a hidden-until-shown
// child window of the right size at the right place, drawing nothing of its
// own, with the stored bag kept as it was.
class Placeholder : public WindowedControl {
 public:
  Placeholder(Form& form, const LayoutBlock& block);
  const PropertyBag& bag() const { return m_bag; }

 private:
  PropertyBag m_bag;
};

}  // namespace forms
