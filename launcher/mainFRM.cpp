#include "launcher/mainFRM.h"

#include <cstdio>
#include <cstdlib>

#include "launcher/brindlecovemodule.h"
#include "platform/forms/form_builder.h"
#include "platform/forms/layout_parser.h"

namespace launcher {

void end_process_now() {
  std::fflush(nullptr);  // what was printed stays printed; nothing else runs
  std::_Exit(0);
}

mainFRM::mainFRM(std::string_view layout, const forms::ControlRegistry& registry,
                 const forms::PictureSource& pictures, std::function<void()> end_process)
    : m_form(forms::build_form(forms::parse_layout(layout), registry, pictures)),
      m_end_process(std::move(end_process)),
      boxIMG(m_form->control_as<forms::Image>("boxIMG")),
      logoIMG(m_form->control_as<forms::Image>("logoIMG")),
      splashinTIMER(m_form->control_as<forms::Timer>("splashinTIMER")),
      splashoutTIMER(m_form->control_as<forms::Timer>("splashoutTIMER")),
      closeCMD(m_form->control_as<forms::Label>("closeCMD")) {
  closeCMD.on_click([this] { closeCMD_Click(); });
  // The window is the program's only one: closing it from the desktop ends
  // the program as the close mark does, in the splash as after it.
  m_form->on_close([this] { m_end_process(); });
  splashinTIMER.on_tick([this] { splashinTIMER_Timer(); });
  splashoutTIMER.on_tick([this] { splashoutTIMER_Timer(); });
  Form_Load();
}

void mainFRM::Form_Load() {
  // The pictures start just outside the window: the box touching its left
  // edge, the logo 120 twips beyond its right edge.
  boxIMG.set_Left(-990);
  boxIMG.set_Top(960);
  logoIMG.set_Left(6120);
  logoIMG.set_Top(960);
  m_form->set_Height(3600);
  m_form->set_Width(6000);
  m_form->Show();
}

void mainFRM::closeCMD_Click() { m_end_process(); }

void mainFRM::splashinTIMER_Timer() {
  // The steps shrink as the box nears its resting place; the last test that
  // holds decides them.
  int box_step = 150;
  int logo_step = 425;
  if (boxIMG.Left() > 80) {
    box_step = 25;
    logo_step = 100;
  }
  if (boxIMG.Left() > 180) {
    box_step = 15;
    logo_step = 50;
  }
  if (boxIMG.Left() > 380) {
    box_step = 5;
    logo_step = 25;
  }
  if (boxIMG.Left() > 480) {
    splashinTIMER.set_Enabled(false);
    brindlecovemodule::WaitSeconds(1);
    splashoutTIMER.set_Enabled(true);
  }
  boxIMG.set_Left(boxIMG.Left() + static_cast<float>(box_step));
  logoIMG.set_Left(logoIMG.Left() - static_cast<float>(logo_step));
}

void mainFRM::splashoutTIMER_Timer() {
  const int box_step = 150;
  const int logo_step = 450;
  boxIMG.set_Left(boxIMG.Left() - static_cast<float>(box_step));
  logoIMG.set_Left(logoIMG.Left() + static_cast<float>(logo_step));
  if (boxIMG.Left() < -990) {
    for (const char* name : {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD"})
      m_form->control(name).set_Visible(true);
    closeCMD.set_Visible(true);
    splashoutTIMER.set_Enabled(false);
  }
}

}  // namespace launcher
