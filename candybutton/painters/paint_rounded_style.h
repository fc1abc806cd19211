// Styles 2, 3, 4, 5 and 7: a face in the state's colour with an elliptical
// glow toward ColorBright, a border lightened or darkened by BorderBrightness
// on the pixels outside the inner region, and a white-to-face gloss band near
// the top, drawn one line per row.
#pragma once

#include <cstdint>

#include "candybutton/painters/face_params.h"
#include "candybutton/painters/button_face.h"
#include "platform/win/kernel/types.h"

namespace candy {

// state: 0 and 2 paint the up colour, 3 the hover colour, 1 and 4 the down
// colour; any other state paints nothing.
void PaintRoundedStyle(ButtonFace& button, const std::int32_t& state);

// Paints the face of size W x H (the window region's pixels span 1 .. W - 1).
// Raises m_CornerRadius to 1 when below; lowers m_BorderBrightness to 100 when
// above. A disabled button uses the face (192, 192, 176) and a white glow.
void PaintRoundedFace(ButtonFace& button, const std::int32_t& W, const std::int32_t& H,
                      win::OLE_COLOR face, const FaceParams& P);

}  // namespace candy
