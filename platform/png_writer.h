// Screenshots: a surface written as an 8-bit RGB PNG file.
#pragma once

#include <string>

#include "platform/surface.h"

namespace platform {

// Writes `surface` (any of the surface pixel formats) to `path`; on failure
// returns false with the reason in `error`.
bool WriteSurfacePng(const std::string& path, const Surface& surface, std::string* error);

}  // namespace platform
