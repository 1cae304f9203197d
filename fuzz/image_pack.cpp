// Feeds arbitrary bytes to the image pack reader: looks up a few names,
// including the first one the pack holds, and reads what it finds.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/common/pack_files.h"
#include "engine/draw/internal/image_pack_reader.h"

namespace {

void LookUp(el::common::ByteSource& pack, const std::string& name) {
  const auto entry = el::draw::FindImageEntry(pack, el::common::UpperSjis(name));
  if (!entry) return;
  const auto pixels = el::draw::ReadImagePixels(pack, *entry);
  if (pixels && pixels->size() != size_t{entry->width_px} * entry->height_px) __builtin_trap();
  if (pixels && pixels->size() * 2 > pack.Size()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  el::common::SpanSource pack(std::span<const uint8_t>(data, size));
  std::string first;
  for (size_t i = 4; i < size && data[i] != 0 && first.size() < 200; ++i)
    first.push_back(static_cast<char>(data[i]));
  LookUp(pack, first);
  LookUp(pack, "A.BMP");
  LookUp(pack, std::string(128, 'L'));
  return 0;
}
