#include "include/candybutton/window.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "api/access.h"
#include "platform/display/select.h"
#include "platform/forms/form.h"
#include "platform/forms/twips.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace candy {

// The presenter, installed for the Application's life, and the count of
// shown windows that closing the last one brings to 0.
struct Application::Impl {
  std::unique_ptr<win::Presenter> presenter;
  int shown_windows = 0;
};

Application::Application() {
  if (win::current_presenter())
    throw std::logic_error(
        "candy::Application: another Application (or presenter) is already running");
  m_impl = std::make_unique<Impl>();
  m_impl->presenter = display::make_presenter();
  win::set_presenter(m_impl->presenter.get());
}

Application::~Application() {
  if (win::current_presenter() == m_impl->presenter.get()) win::set_presenter(nullptr);
}

int Application::run() { return win::run_message_loop(); }
void Application::quit(int status) { win::PostQuitMessage(status); }

struct Window::Impl {
  Application::Impl& application;
  forms::Form form;
  bool shown = false;
  std::function<void()> on_close;
  int buttons = 0;
  std::vector<std::unique_ptr<Button>> button_list;
  std::vector<std::unique_ptr<Label>> label_list;

  Impl(Application::Impl& app, const std::string& caption)
      : application(app), form("candyWindow", caption) {}

  void close() {
    if (!shown) return;
    shown = false;
    win::ShowWindow(form.hWnd(), win::SW_HIDE);
    if (--application.shown_windows == 0) win::PostQuitMessage(0);
  }
};

Window::Window(Application& application, const std::string& caption, std::int32_t width,
               std::int32_t height) {
  if (width < 1 || height < 1)
    throw std::invalid_argument("candy::Window: size " + std::to_string(width) + " x " +
                                std::to_string(height) + " is not at least 1 x 1");
  m_impl = std::make_unique<Impl>(*application.m_impl, caption);
  forms::Form& form = m_impl->form;
  form.set_Width(float(width) * forms::kTwipsPerPixel);
  form.set_Height(float(height) * forms::kTwipsPerPixel);
  form.set_start_up_position(forms::StartUpPosition::CenterScreen);
  Impl* impl = m_impl.get();
  form.on_close([impl] {
    if (impl->on_close) {
      impl->on_close();
    } else {
      impl->close();
    }
  });
}

Window::~Window() {
  m_impl->button_list.clear();
  if (m_impl->shown) --m_impl->application.shown_windows;
}

Button& Window::add_button(const std::string& name, std::int32_t x, std::int32_t y,
                           std::int32_t width, std::int32_t height) {
  auto& hosted = static_cast<HostedCandyButton&>(
      m_impl->form.add(std::make_unique<HostedCandyButton>(m_impl->form, name, m_impl->buttons++)));
  m_impl->button_list.push_back(detail::ButtonAccess::make(hosted));
  Button& button = *m_impl->button_list.back();
  button.move(x, y, width, height);
  return button;
}

Label& Window::add_label(const std::string& name, const std::string& caption, std::int32_t x,
                         std::int32_t y, std::int32_t width, std::int32_t height) {
  auto& label = static_cast<forms::Label&>(
      m_impl->form.add(std::make_unique<forms::Label>(m_impl->form, name, caption)));
  m_impl->label_list.push_back(detail::LabelAccess::make(label));
  Label& added = *m_impl->label_list.back();
  added.move(x, y, width, height);
  return added;
}

void Window::Caption(const std::string& value) { m_impl->form.set_Caption(value); }
std::string Window::Caption() const { return m_impl->form.Caption(); }
void Window::BackColor(std::uint32_t value) { m_impl->form.set_BackColor(value); }
std::uint32_t Window::BackColor() const { return m_impl->form.BackColor(); }
void Window::Picture(const candy::Picture& value) {
  m_impl->form.set_Picture(detail::PictureAccess::platform(value));
}

void Window::show() {
  if (m_impl->shown) return;
  m_impl->form.Show();
  m_impl->shown = true;
  ++m_impl->application.shown_windows;
}

void Window::close() { m_impl->close(); }
bool Window::shown() const { return m_impl->shown; }
void Window::on_close(std::function<void()> handler) { m_impl->on_close = std::move(handler); }

}  // namespace candy
