// The reader of image packs: entries laid one after another from the start of
// the file, each the width and height (u16 each), the entry name with its
// zero byte and 2 x width x height bytes of 15-bit pixels, top row first.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/common/byte_source.h"

namespace el::draw {

struct ImagePackEntry {
  uint16_t width_px;
  uint16_t height_px;
  uint64_t pixel_offset;
  uint64_t PixelBytes() const { return uint64_t{2} * width_px * height_px; }
};

// The first entry named `name` (compared byte for byte; pass it upper-cased
// as the converter writes names). nullopt when the entries end first.
std::optional<ImagePackEntry> FindImageEntry(el::common::ByteSource& pack, std::string_view name);

// The entry's pixels, top row first. When the file ends inside them, every
// missing pixel repeats the last one read (0 before the first). nullopt when
// the entry claims more pixel bytes than the whole pack holds, so that no
// lying size makes a picture larger than the file could ever have filled.
std::optional<std::vector<uint16_t>> ReadImagePixels(el::common::ByteSource& pack,
                                                     const ImagePackEntry& entry);

// A source colour (0x00BBGGRR) as the converter stores it: 5 bits a channel,
// red highest; pure black stays 0 and other colours never become 0.
uint16_t PackPixel(uint32_t color_ref);

}  // namespace el::draw
