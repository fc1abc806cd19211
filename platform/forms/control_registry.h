// Maps a stored type name to what a stored layout must hold for that kind
// and to the factory that creates the control. The form builder checks a
// whole layout against the registry before it creates anything.
#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/layout.h"

namespace forms {

// The whole numbers a numeric key accepts, both ends included.
struct FieldRange {
  std::int32_t min = std::numeric_limits<std::int32_t>::min();
  std::int32_t max = std::numeric_limits<std::int32_t>::max();
};

// The largest window side in twips: 8192 pixels, the size of the largest
// image a window or control surface can have.
inline constexpr std::int32_t kMaxSideTwips = 8192 * 15;

struct FieldSpec {
  std::string key;
  ValueType type;
  bool required = true;
  // When set, the only values this platform supports for the key.
  std::vector<std::int32_t> allowed = {};
  FieldRange range = {};
};

using ControlFactory = std::function<std::unique_ptr<Control>(Form& form, const LayoutBlock& block,
                                                              const PictureSource& pictures)>;

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
