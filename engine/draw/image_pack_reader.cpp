#include "engine/draw/internal/image_pack_reader.h"

#include <algorithm>
#include <string>

#include "engine/common/pack_files.h"

namespace el::draw {

std::optional<ImagePackEntry> FindImageEntry(el::common::ByteSource& pack, std::string_view name) {
  uint64_t at = 0;
  std::string stored;
  while (true) {
    uint16_t width = 0;
    uint16_t height = 0;
    if (!pack.ReadU16(at, &width) || !pack.ReadU16(at + 2, &height)) return std::nullopt;
    const std::optional<uint64_t> after_name = el::common::ReadPackName(pack, at + 4, &stored);
    if (!after_name) return std::nullopt;
    const ImagePackEntry entry{width, height, *after_name};
    if (name.size() <= el::common::kMaxPackNameLength && stored == name) return entry;
    at = entry.pixel_offset + entry.PixelBytes();
    if (at > pack.Size()) return std::nullopt;
  }
}

std::optional<std::vector<uint16_t>> ReadImagePixels(el::common::ByteSource& pack,
                                                     const ImagePackEntry& entry) {
  if (entry.PixelBytes() > pack.Size() || entry.pixel_offset > pack.Size()) return std::nullopt;
  const size_t count = static_cast<size_t>(entry.width_px) * entry.height_px;
  const uint64_t present_bytes = std::min(entry.PixelBytes(), pack.Size() - entry.pixel_offset);
  std::vector<uint8_t> raw(static_cast<size_t>(present_bytes / 2 * 2));
  if (!pack.ReadAt(entry.pixel_offset, raw.data(), raw.size())) return std::nullopt;
  std::vector<uint16_t> pixels(count);
  uint16_t last = 0;
  for (size_t i = 0; i < count; ++i) {
    if (2 * i + 1 < raw.size()) last = static_cast<uint16_t>(raw[2 * i] | raw[2 * i + 1] << 8);
    pixels[i] = last;
  }
  return pixels;
}

uint16_t PackPixel(uint32_t color_ref) {
  if ((color_ref & 0xFFFFFF) == 0) return 0;
  const uint32_t r = (color_ref & 0xFF) >> 3;
  uint32_t g = (color_ref >> 8 & 0xFF) >> 3;
  uint32_t b = (color_ref >> 16 & 0xFF) >> 3;
  if (r == 0 && g == 0 && b == 0) b = 1;
  return static_cast<uint16_t>(r << 10 | g << 5 | b);
}

}  // namespace el::draw
