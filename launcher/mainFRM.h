// The launcher window: created from its stored layout, it slides the logo
// and the box emblem in and out (the splash), then shows the six category
// buttons and the close mark. A click on the close mark ends the process, and
// so does a close request from the desktop.
#pragma once

#include <functional>
#include <memory>

#include "platform/forms/control_registry.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/timer.h"

namespace launcher {

// Ends the process at once with exit status 0: no unload handler and no
// control teardown runs.
void end_process_now();

class mainFRM {
 public:
  // Builds the window from the layout text (throws forms::LayoutError for a
  // layout that does not load) and runs the load handler, which shows it.
  // `end_process` is what a click on the close mark or a close request from
  // the desktop does.
  mainFRM(std::string_view layout, const forms::ControlRegistry& registry,
          const forms::PictureSource& pictures,
          std::function<void()> end_process = end_process_now);

  forms::Form& form() const { return *m_form; }

  void Form_Load();
  void closeCMD_Click();
  void splashinTIMER_Timer();
  void splashoutTIMER_Timer();

 private:
  std::unique_ptr<forms::Form> m_form;
  std::function<void()> m_end_process;
  forms::Image& boxIMG;
  forms::Image& logoIMG;
  forms::Timer& splashinTIMER;
  forms::Timer& splashoutTIMER;
  forms::Label& closeCMD;
};

}  // namespace launcher
