// Feeds arbitrary bytes to the BMP reader as a file and as a resource, and
// draws whatever it accepts onto a small surface, stretched and unstretched.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/dib.h"

namespace {

void Exercise(const platform::Dib& dib) {
  platform::Surface surface(16, 16, platform::PixelFormat::Rgb565());
  platform::DrawDib(surface, surface.Bounds(), dib, {0, 0, dib.Width(), dib.Height()});
  platform::DrawDib(surface, {-3, -3, 5, 40}, dib, {1, 1, dib.Width() + 5, dib.Height()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (const auto dib = platform::Dib::FromFile(bytes)) Exercise(*dib);
  if (const auto dib = platform::Dib::FromResource(bytes)) Exercise(*dib);
  return 0;
}
