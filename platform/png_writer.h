// Screenshots and icons: pictures written as 8-bit PNG files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

// `surface` (any of the surface pixel formats) as RGB PNG bytes; on failure
// returns false with the reason in `error`.
bool EncodeSurfacePng(const Surface& surface, std::vector<uint8_t>* png, std::string* error);
// `rgba` (red, green, blue and alpha bytes a pixel, rows from the top) as
// RGBA PNG bytes.
bool EncodeRgbaPng(int width_px, int height_px, std::span<const uint8_t> rgba,
                   std::vector<uint8_t>* png, std::string* error);

// Writes `surface` to `path`, replacing what is there without ever writing
// through a symbolic link.
bool WriteSurfacePng(const std::string& path, const Surface& surface, std::string* error);

}  // namespace platform
