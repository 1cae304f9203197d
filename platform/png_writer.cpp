#include "platform/png_writer.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "platform/file_writing.h"

namespace platform {
namespace {

// The simplified writer reports errors in the image record instead of
// jumping out of our stack frames. It is asked for the size first.
bool EncodePng(png_uint_32 format, int width_px, int height_px, const uint8_t* pixels,
               int row_bytes, std::vector<uint8_t>* png, std::string* error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width_px);
  image.height = static_cast<png_uint_32>(height_px);
  image.format = format;
  png_alloc_size_t size = 0;
  bool ok = png_image_write_to_memory(&image, nullptr, &size, 0, pixels, row_bytes, nullptr) != 0;
  if (ok) {
    png->resize(size);
    ok = png_image_write_to_memory(&image, png->data(), &size, 0, pixels, row_bytes, nullptr) != 0;
    png->resize(ok ? size : 0);
  }
  if (!ok) *error = image.message;
  png_image_free(&image);
  return ok;
}

}  // namespace

bool EncodeSurfacePng(const Surface& surface, std::vector<uint8_t>* png, std::string* error) {
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
  return EncodePng(PNG_FORMAT_RGB, width, height, rgb.data(), width * 3, png, error);
}

bool EncodeRgbaPng(int width_px, int height_px, std::span<const uint8_t> rgba,
                   std::vector<uint8_t>* png, std::string* error) {
  if (width_px <= 0 || height_px <= 0 ||
      rgba.size() != static_cast<size_t>(width_px) * static_cast<size_t>(height_px) * 4) {
    *error = "the pixels do not fill the picture";
    return false;
  }
  return EncodePng(PNG_FORMAT_RGBA, width_px, height_px, rgba.data(), width_px * 4, png, error);
}

bool WriteSurfacePng(const std::string& path, const Surface& surface, std::string* error) {
  std::vector<uint8_t> png;
  if (!EncodeSurfacePng(surface, &png, error)) return false;
  return WriteWholeFile(path, png, IfExists::kReplace, error) == WriteResult::kWritten;
}

}  // namespace platform
