// Fast paths of the surface blits for the pixel sizes the display uses (16
// and 32 bits). Each returns false when it does not apply, and the caller then
// runs the reference loop; where it applies it draws exactly the same pixels.
#pragma once

#include "platform/surface.h"

namespace platform::fast {

bool Copy(Surface& dst, int dst_x, int dst_y, const Surface& src, const Rect& src_rect, bool keyed);
bool Stretch(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
             bool keyed);
bool Fill(Surface& dst, const Rect& clipped_rect, uint32_t raw);

}  // namespace platform::fast
