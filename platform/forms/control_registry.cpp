#include "platform/forms/control_registry.h"

#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/names.h"
#include "platform/forms/timer.h"
#include "platform/forms/windowed_control.h"

namespace forms {

namespace {

std::vector<FieldSpec> with(std::vector<FieldSpec> fields, std::vector<FieldSpec> more) {
  fields.insert(fields.end(), more.begin(), more.end());
  return fields;
}

}  // namespace

std::vector<FieldSpec> placed_control_fields(bool with_tab_index) {
  constexpr FieldRange position{-kMaxSideTwips, kMaxSideTwips};
  constexpr FieldRange side{0, kMaxSideTwips};
  std::vector<FieldSpec> fields = {{"Left", ValueType::Long, true, {}, position},
                                   {"Top", ValueType::Long, true, {}, position},
                                   {"Width", ValueType::Long, true, {}, side},
                                   {"Height", ValueType::Long, true, {}, side},
                                   {"Visible", ValueType::Flag}};
  if (with_tab_index) fields.push_back({"TabIndex", ValueType::Long, true, {}, {0, 32767}});
  return fields;
}

ControlRegistry ControlRegistry::with_standard_controls() {
  ControlRegistry registry;
  registry.add(
      "Timer",
      {{{"Interval", ValueType::Long, true, {}, {0, 65535}}, {"Enabled", ValueType::Flag}},
       false,
       [](Form& form, const LayoutBlock& block, const PictureSource&) -> std::unique_ptr<Control> {
         return std::make_unique<Timer>(form, block);
       }});
  registry.add("Label", {with(placed_control_fields(),
                              {{"Caption", ValueType::Text},
                               {"Font", ValueType::Font},
                               {"ForeColor", ValueType::Long},
                               {"BackColor", ValueType::Long, false},
                               {"BackStyle", ValueType::Long, true, {0, 1}},
                               {"Alignment", ValueType::Long, true, {0, 1, 2}},
                               // Wrapping and sizing to the text are not offered by this platform.
                               {"WordWrap", ValueType::Flag, true, {0}},
                               {"AutoSize", ValueType::Flag, true, {0}}}),
                         false,
                         [](Form& form, const LayoutBlock& block,
                            const PictureSource&) -> std::unique_ptr<Control> {
                           return std::make_unique<Label>(form, block);
                         }});
  registry.add(
      "Image",
      {with(placed_control_fields(false),
            {{"Picture", ValueType::Picture}, {"Stretch", ValueType::Flag, true, {0}}}),
       false,
       [](Form& form, const LayoutBlock& block,
          const PictureSource& pictures) -> std::unique_ptr<Control> {
         const auto ref = std::get<PictureRef>(block.require("Picture", ValueType::Picture));
         return std::make_unique<Image>(form, block, ref.empty() ? nullptr : pictures(ref.name));
       }});
  registry.add(kCandyButtonType, {placed_control_fields(), true,
                                  [](Form& form, const LayoutBlock& block,
                                     const PictureSource&) -> std::unique_ptr<Control> {
                                    return std::make_unique<Placeholder>(form, block);
                                  }});
  return registry;
}

void ControlRegistry::add(std::string_view type_name, ControlKind kind) {
  for (auto& [name, existing] : m_kinds) {
    if (same_name(name, type_name)) {
      existing = std::move(kind);
      return;
    }
  }
  m_kinds.emplace_back(std::string(type_name), std::move(kind));
}

const ControlKind* ControlRegistry::find(std::string_view type_name) const {
  for (const auto& [name, kind] : m_kinds) {
    if (same_name(name, type_name)) return &kind;
  }
  return nullptr;
}

}  // namespace forms
