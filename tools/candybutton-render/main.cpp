// candybutton-render: draws one button to a PNG or PPM file. Exit status 0 on
// success, 2 with a message on stderr when the command line or a file is bad.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "include/candybutton/render.h"
#include "platform/win/gdi/surface.h"
#include "tools/candybutton-render/image_files.h"
#include "tools/candybutton-render/look.h"
#include "tools/candybutton-render/options.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(render::usage(), stdout);
    return 0;
  }
  try {
    const render::RenderOptions options = render::parse_options(args);
    const candy::ButtonLook look = render::look_of(options);
    if (const auto warning = render::large_render_warning(look))
      std::fprintf(stderr, "candybutton-render: %s\n", warning->c_str());
    win::Surface image(look.width, look.height);
    const std::vector<std::uint8_t> mask = candy::render_button(look, image.pixels);
    render::write_image(image, options.output);
    if (options.mask) render::write_pbm(mask, image.width, image.height, *options.mask);
  } catch (const render::OptionError& e) {
    std::fprintf(stderr, "candybutton-render: %s\n%s", e.what(), render::usage());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "candybutton-render: %s\n", e.what());
    return 2;
  }
  return 0;
}
