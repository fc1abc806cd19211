// Maps a stored type name to what a stored layout must hold for that kind
// and to the factory that creates the control. The form builder checks a
// whole layout against the registry before it creates anything.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/layout.h"

namespace forms {

struct FieldSpec {
  std::string key;
  ValueType type;
  bool required = true;
  // When set, the only values this platform supports for the key.
  std::vector<std::int32_t> allowed = {};
};

using ControlFactory =
    std::function<std::unique_ptr<Control>(Form& form, const LayoutBlock& block, const PictureSource& pictures)>;

struct ControlKind {
  std::vector<FieldSpec> fields;
  bool has_bag = false;  // the block must carry the control's property bag
  ControlFactory create;
};

class ControlRegistry {
 public:
  // Timer, Label, Image, and a placeholder for
  // "brindlecovemediacenter.CandyButton" until the button registers itself.
  static ControlRegistry with_standard_controls();

  // Adds a kind, or replaces the one of that name (matched without case).
  void add(std::string_view type_name, ControlKind kind);
  const ControlKind* find(std::string_view type_name) const;

 private:
  std::vector<std::pair<std::string, ControlKind>> m_kinds;
};

// The fields every positioned control stores: Left, Top, Width, Height,
// Visible, TabIndex.
std::vector<FieldSpec> placed_control_fields(bool with_tab_index = true);

inline constexpr std::string_view kCandyButtonType = "brindlecovemediacenter.CandyButton";

}  // namespace forms
