#include <utility>

#include "api/access.h"
#include "platform/forms/twips.h"

namespace candy {

struct Label::Impl {
  forms::Label& label;
};

std::unique_ptr<Label> detail::LabelAccess::make(forms::Label& label) {
  return std::unique_ptr<Label>(new Label(std::unique_ptr<Label::Impl>(new Label::Impl{label})));
}

Label::Label(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Label::~Label() = default;

std::string Label::name() const { return m_impl->label.Name(); }
void Label::move(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  const float t = forms::kTwipsPerPixel;
  m_impl->label.Move(float(x) * t, float(y) * t, float(width) * t, float(height) * t);
}
void Label::Caption(const std::string& value) { m_impl->label.set_Caption(value); }
std::string Label::Caption() const { return m_impl->label.Caption(); }
void Label::ForeColor(std::uint32_t value) { m_impl->label.set_ForeColor(value); }
std::uint32_t Label::ForeColor() const { return m_impl->label.ForeColor(); }
void Label::Font(const candy::Font& value) { m_impl->label.set_Font(to_description(value)); }
candy::Font Label::Font() const { return to_font(m_impl->label.Font()); }
void Label::on_click(std::function<void()> handler) { m_impl->label.on_click(std::move(handler)); }

}  // namespace candy
