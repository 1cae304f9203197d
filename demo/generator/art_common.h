// Pieces several pictures share.
#pragma once

#include "demo/generator/canvas.h"
#include "demo/generator/image.h"

namespace demo {

// Stars over the region above `horizon_y`, thinning towards it.
void PaintStars(Image& image, float horizon_y, int count, uint32_t seed);
// A moon with a soft halo.
void PaintMoon(Image& image, float cx, float cy, float r);
// A shrine gate standing on `ground_y`, centred on `cx`, `width` between its
// posts; `lit` mixes in the colour for its lit side.
void PaintGate(Image& image, float cx, float ground_y, float width, float height, Rgb colour,
               Rgb lit);
// A bevelled panel: the rectangle looks pressed into the surface.
void PaintRecess(Image& image, int x, int y, int w, int h, Rgb fill);
// The portrait card's background and border.
void PaintCardBackground(Image& image, Rgb top, Rgb bottom, uint32_t seed);
void PaintCardBorder(Image& image);
// A paper lantern's soft light with a bright core.
void PaintLanternLight(Image& image, float cx, float cy, float radius, Rgb colour);

}  // namespace demo
