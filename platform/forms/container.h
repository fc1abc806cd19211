// What a hosted control asks of the container it sits on: the property-changed
// notification, the ambient properties, the extender's name, the container's
// own BackColor and the pictures a property bag names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/property_bag.h"
#include "platform/win/ole/picture.h"
#include "platform/win/kernel/types.h"

namespace forms {

class ControlContainer {
 public:
  virtual ~ControlContainer() = default;

  // Tells the container that the named property changed; may throw.
  virtual void PropertyChanged(std::string_view name) = 0;

  // True when the control runs in a program, false in a designer.
  virtual bool AmbientUserMode() const = 0;
  virtual FontDescription AmbientFont() const = 0;

  // The instance's name as the container knows it.
  virtual std::string ExtenderName() const = 0;

  // The container's BackColor, or nothing when it cannot be read.
  virtual std::optional<win::OLE_COLOR> BackColor() const = 0;

  // The picture a stored reference names (null for an empty reference), and
  // the reference under which a picture is stored (empty for null).
  virtual win::PicturePtr LoadPictureRef(const PictureRef& ref) = 0;
  virtual PictureRef PictureRefOf(const win::PicturePtr& picture) const = 0;
};

}  // namespace forms
