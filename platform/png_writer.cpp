#include "platform/png_writer.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace platform {

bool WriteSurfacePng(const std::string& path, const Surface& surface, std::string* error) {
  const int width = surface.Width();
  const int height = surface.Height();
  if (width <= 0 || height <= 0) {
    *error = "empty picture";
    return false;
  }
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  size_t at = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t ref = PixelToColorRef(surface.Format(), surface.GetPixel(x, y));
      rgb[at++] = static_cast<uint8_t>(ref & 0xFF);
      rgb[at++] = static_cast<uint8_t>((ref >> 8) & 0xFF);
      rgb[at++] = static_cast<uint8_t>((ref >> 16) & 0xFF);
    }
  }
  // The simplified writer reports errors in the image record instead of
  // jumping out of our stack frames.
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr);
  if (ok == 0) *error = image.message;
  png_image_free(&image);
  return ok != 0;
}

}  // namespace platform
