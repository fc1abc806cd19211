// Picture bytes as LoadPicture and the icon reader see them: BMP files, ICO
// files and bare icon images (a DIB with its AND mask).
#include <cstddef>
#include <cstdint>

#include "platform/win/gdi/dib.h"
#include "platform/win/gdi/ico.h"
#include "platform/win/ole/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const win::ByteSpan bytes(data, size);
  try {
    (void)win::load_picture(bytes, "fuzz");
  } catch (const win::ImageFormatError&) {
  }
  try {
    (void)win::decode_icon_image(bytes);
  } catch (const win::ImageFormatError&) {
  }
  return 0;
}
