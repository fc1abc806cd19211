#include "platform/forms/form_builder.h"

#include <map>

#include "platform/forms/names.h"
#include "platform/forms/user_control.h"
#include "platform/forms/value_conversion.h"
#include "platform/win/gdi/bitmap.h"

namespace forms {

namespace {

const std::vector<FieldSpec>& form_fields() {
  static const std::vector<FieldSpec> fields = {
      {"Caption", ValueType::Text},
      {"BorderStyle", ValueType::Long, true, {0}},  // borderless is the only frame offered
      {"BackColor", ValueType::Long},
      {"Picture", ValueType::Picture},
      {"ClientWidth", ValueType::Long, true, {}, {0, kMaxSideTwips}},
      {"ClientHeight", ValueType::Long, true, {}, {0, kMaxSideTwips}},
      {"StartUpPosition", ValueType::Long, true, {0, 2}},
      {"ScaleMode", ValueType::Long, true, {1}},  // twips
  };
  return fields;
}

std::string allowed_text(const std::vector<std::int32_t>& allowed) {
  std::string out;
  for (std::size_t i = 0; i < allowed.size(); ++i) {
    if (i) out += i + 1 == allowed.size() ? " or " : ", ";
    out += std::to_string(allowed[i]);
  }
  return out;
}

using PictureCache = std::map<std::string, win::PicturePtr>;

void load_picture(int line, std::string_view key, const Value& value, const PictureSource& pictures,
                  PictureCache& cache) {
  const PictureRef& ref = std::get<PictureRef>(value);
  if (ref.empty() || cache.count(ref.name)) return;
  try {
    cache[ref.name] = pictures(ref.name);
  } catch (const std::exception& e) {
    throw LayoutError(line, key,
                      "expected a picture that exists and loads, found " + to_literal(value) +
                          ": " + std::string(e.what()));
  }
}

void check_fields(const LayoutBlock& block, const std::vector<FieldSpec>& fields,
                  const PictureSource& pictures, PictureCache& cache) {
  for (const auto& property : block.properties) {
    bool known = false;
    for (const auto& field : fields) known = known || same_name(field.key, property.key);
    if (!known) throw LayoutError(property.line, property.key, "unknown property of " + block.kind);
  }
  for (const auto& field : fields) {
    const auto value = field.required ? std::optional(block.require(field.key, field.type))
                                      : block.optional(field.key, field.type);
    if (!value) continue;
    const LayoutProperty& property = *block.find(field.key);
    if (!field.allowed.empty()) {
      const std::int32_t number = to_long(field.key, *value);
      bool ok = false;
      for (std::int32_t allowed : field.allowed) ok = ok || allowed == number;
      if (!ok)
        throw LayoutError(
            property.line, property.key,
            "expected " + allowed_text(field.allowed) + ", found " + to_literal(property.value));
    }
    if (field.type == ValueType::Long) {
      const std::int32_t number = to_long(field.key, *value);
      if (number < field.range.min || number > field.range.max)
        throw LayoutError(property.line, property.key,
                          "expected a whole number from " + std::to_string(field.range.min) +
                              " to " + std::to_string(field.range.max) + ", found " +
                              to_literal(property.value));
    }
    if (field.type == ValueType::Picture)
      load_picture(property.line, property.key, property.value, pictures, cache);
  }
}

// Every picture a control's bag names is loaded before anything is created,
// as the block's own pictures are: the control reads them from the cache.
void check_bag_pictures(const LayoutBlock& block, const PictureSource& pictures,
                        PictureCache& cache) {
  if (!block.bag) return;
  for (const auto& [key, value] : block.bag->entries()) {
    if (type_of(value) == ValueType::Picture)
      load_picture(block.bag_line_of(key), key, value, pictures, cache);
  }
}

void check_control(const LayoutBlock& block, const ControlRegistry& registry,
                   const PictureSource& pictures, PictureCache& cache) {
  const ControlKind* kind = registry.find(block.kind);
  if (!kind) throw LayoutError(block.line, block.kind, "unknown control type of " + block.name);
  if (!block.children.empty())
    throw LayoutError(block.children.front().line, block.children.front().name,
                      "expected no block inside control " + block.name);
  if (kind->has_bag && !block.bag)
    throw LayoutError(block.end_line, block.name,
                      "missing BeginBag: expected the property bag of " + block.kind);
  if (!kind->has_bag && block.bag)
    throw LayoutError(block.line, block.name, "expected no property bag for " + block.kind);
  check_fields(block, kind->fields, pictures, cache);
  check_bag_pictures(block, pictures, cache);
}

}  // namespace

std::unique_ptr<Form> build_form(const LayoutBlock& layout, const ControlRegistry& registry,
                                 const PictureSource& pictures) {
  if (layout.kind != "Form")
    throw LayoutError(layout.line, layout.kind, "expected the form's block: Begin Form <name>");
  if (layout.bag)
    throw LayoutError(layout.line, layout.name, "expected no property bag for the form");
  PictureCache cache;
  check_fields(layout, form_fields(), pictures, cache);
  for (std::size_t i = 0; i < layout.children.size(); ++i) {
    check_control(layout.children[i], registry, pictures, cache);
    for (std::size_t j = 0; j < i; ++j) {
      if (same_name(layout.children[j].name, layout.children[i].name))
        throw LayoutError(layout.children[i].line, layout.children[i].name,
                          "expected each control name once");
    }
  }
  const PictureSource cached = [&cache](const std::string& name) {
    const auto found = cache.find(name);
    if (found == cache.end())
      throw std::runtime_error("the stored layout names no picture \"" + name + "\"");
    return found->second;
  };

  auto form = std::make_unique<Form>(
      layout.name, std::get<std::string>(layout.require("Caption", ValueType::Text)));
  form->set_BackColor(static_cast<win::OLE_COLOR>(
      std::get<std::int32_t>(layout.require("BackColor", ValueType::Long))));
  const auto picture = std::get<PictureRef>(layout.require("Picture", ValueType::Picture));
  if (!picture.empty()) form->set_Picture(cache.at(picture.name));
  form->set_Width(
      static_cast<float>(std::get<std::int32_t>(layout.require("ClientWidth", ValueType::Long))));
  form->set_Height(
      static_cast<float>(std::get<std::int32_t>(layout.require("ClientHeight", ValueType::Long))));
  form->set_start_up_position(static_cast<StartUpPosition>(
      std::get<std::int32_t>(layout.require("StartUpPosition", ValueType::Long))));
  for (const auto& block : layout.children) {
    try {
      form->add(registry.find(block.kind)->create(*form, block, cached));
    } catch (const PropertyTypeError& e) {
      throw LayoutError(block.bag_line_of(e.key()), e.key(),
                        std::string(e.what()) + " (in " + block.name + ")");
    } catch (const ImageTooLarge& e) {
      const LayoutProperty* width = block.find("Width");
      throw LayoutError(width ? width->line : block.line, "Width",
                        "expected Width x Height within the " +
                            std::to_string(win::kMaxBitmapPixels) +
                            " pixels of a control image, found " + std::to_string(e.width()) +
                            " x " + std::to_string(e.height()) + " pixels (in " + block.name + ")");
    }
  }
  return form;
}

}  // namespace forms
