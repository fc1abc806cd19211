// A form's picture drawn at the screen's scale: at whole factors every
// picture pixel becomes a k × k block (nearest neighbour, so edges stay
// sharp), at other factors the image is resampled smoothly (bilinear, from
// pixel centres). The scaled image is kept until the picture or the scale
// changes, so a splash that repaints every tick scales once.
#pragma once

#include <climits>

#include "platform/win/gdi/surface.h"
#include "platform/win/ole/picture.h"

namespace forms {

// The image at `scale`: nearbyint(width × scale) × nearbyint(height × scale).
win::Surface scale_surface(const win::Surface& source, double scale);

class ScaledPicture {
 public:
  // Draws the picture at (x, y), at most width × height pixels of it from its
  // top-left corner, scaled by the screen's scale. At scale 1 this is
  // draw_picture.
  void draw(win::HDC dc, const win::PicturePtr& picture, int x, int y, int width = INT_MAX,
            int height = INT_MAX);

 private:
  win::PicturePtr m_source;
  double m_scale = 1;
  win::Surface m_image;
};

}  // namespace forms
