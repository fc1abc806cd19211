// A resource section and the resources in it: the icon group, the version
// block and the icon images. The bytes are also read directly as a group and
// as a version block, so short inputs reach those readers too.
#include <cstddef>
#include <cstdint>

#include "platform/win/gdi/dib.h"
#include "platform/win/gdi/ico.h"
#include "resources/icon_group.h"
#include "resources/resource_section.h"
#include "resources/version_info.h"

namespace {

void read_group(resources::Bytes bytes) {
  try {
    (void)resources::parse_icon_group(bytes);
  } catch (const resources::ResourceError&) {
  }
}

void read_version(resources::Bytes bytes) {
  try {
    (void)resources::parse_version_info(bytes);
  } catch (const resources::ResourceError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const resources::Bytes bytes(data, size);
  read_group(bytes);
  read_version(bytes);
  try {
    for (const resources::ResourceEntry& entry : resources::parse_section(bytes)) {
      if (entry.type == resources::RT_GROUP_ICON) read_group(entry.bytes);
      if (entry.type == resources::RT_VERSION) read_version(entry.bytes);
      if (entry.type == resources::RT_ICON) {
        try {
          (void)win::decode_icon_image(win::ByteSpan(entry.bytes.data(), entry.bytes.size()));
        } catch (const win::ImageFormatError&) {
        }
      }
    }
  } catch (const resources::ResourceError&) {
  }
  return 0;
}
