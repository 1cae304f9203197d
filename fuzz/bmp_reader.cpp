// Feeds arbitrary bytes to the BMP reader as a file and as a resource, and
// draws whatever it accepts onto a small surface, stretched and unstretched.
// The file is also read the way the player reads one from disk, head first
// and then only the pixel range the head declares, which must give the same
// bitmap.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "platform/dib.h"

namespace {

void Exercise(const platform::Dib& dib) {
  platform::Surface surface(16, 16, platform::PixelFormat::Rgb565());
  platform::DrawDib(surface, surface.Bounds(), dib, {0, 0, dib.Width(), dib.Height()});
  platform::DrawDib(surface, {-3, -3, 5, 40}, dib, {1, 1, dib.Width() + 5, dib.Height()});
}

// The bounded read of a file: the same acceptance, the same pixels.
void CompareBoundedRead(std::span<const uint8_t> file) {
  const auto whole = platform::Dib::FromFile(file);
  const auto head = file.first(std::min(file.size(), platform::Dib::kHeadBytes));
  const auto range = platform::Dib::PixelRange(head, file.size());
  std::unique_ptr<platform::Dib> parts;
  if (range) {
    if (range->offset > file.size() || range->bytes > file.size() - range->offset) std::abort();
    parts =
        platform::Dib::FromFileParts(head, file.subspan(range->offset, range->bytes), file.size());
  }
  if ((whole == nullptr) != (parts == nullptr)) std::abort();
  if (whole == nullptr) return;
  if (whole->Width() != parts->Width() || whole->Height() != parts->Height()) std::abort();
  for (int y = 0; y < whole->Height(); ++y)
    for (int x = 0; x < whole->Width(); ++x)
      if (whole->ColorRefAt(x, y) != parts->ColorRefAt(x, y)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (const auto dib = platform::Dib::FromFile(bytes)) Exercise(*dib);
  CompareBoundedRead(bytes);
  if (const auto dib = platform::Dib::FromResource(bytes)) Exercise(*dib);
  return 0;
}
