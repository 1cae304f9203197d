// The bitmap helpers of the sprite loaders: BMP files and bitmap resources
// onto new surfaces, and colour keys given as colour references.
#include <cstring>

#include "engine/draw/internal/draw.h"
#include "platform/dib.h"
#include "platform/gdi.h"
#include "platform/platform.h"
#include "platform/resources.h"

namespace el::draw {

std::unique_ptr<platform::Dib> LoadResourceBitmap(const char* name) {
  const auto data = platform::FindResource("BITMAP", name);
  return data ? platform::Dib::FromResource(*data) : nullptr;
}

}  // namespace el::draw

std::unique_ptr<platform::Surface> DDLoadBitmap(const char* szBitmap, uint16_t* dx, uint16_t* dy,
                                                int Memory) {
  (void)Memory;  // every surface lives in memory the display can reach
  if (szBitmap == nullptr) return nullptr;
  std::unique_ptr<platform::Dib> bitmap = el::draw::LoadResourceBitmap(szBitmap);
  if (!bitmap) bitmap = ORGLoadBitmap(szBitmap);
  if (!bitmap) return nullptr;
  auto surface = el::draw::CreateSurface(bitmap->Width(), bitmap->Height());
  if (dx) *dx = static_cast<uint16_t>(bitmap->Width());
  if (dy) *dy = static_cast<uint16_t>(bitmap->Height());
  if (!surface) return nullptr;
  DDCopyBitmap(surface.get(), bitmap.get(), 0, 0, 0, 0);
  return surface;
}

long DDCopyBitmap(platform::Surface* pdds, const platform::Dib* hbm, int x, int y, int dx, int dy) {
  if (pdds == nullptr || hbm == nullptr) return el::draw::kGenericFailure;
  pdds->Restore();
  if (dx == 0) dx = hbm->Width();
  if (dy == 0) dy = hbm->Height();
  platform::DrawingContext dc(*pdds);
  if (!dc.Valid()) return el::draw::kGenericFailure;
  dc.StretchDib(pdds->Bounds(), *hbm, {x, y, x + dx, y + dy});
  return 0;
}

uint32_t DDColorMatch(platform::Surface* pdds, uint32_t rgb) {
  if (pdds == nullptr) return 0xFFFFFFFF;
  const bool probe = rgb != 0xFFFFFFFF;
  uint32_t saved = 0;
  if (probe) {
    platform::DrawingContext dc(*pdds);
    saved = dc.GetPixel(0, 0);
    dc.SetPixel(0, 0, rgb);
  }
  uint32_t value = 0xFFFFFFFF;
  if (const uint8_t* pixels = pdds->Lock()) {
    std::memcpy(&value, pixels, sizeof(value));
    const int bits = pdds->Format().bits_per_pixel;
    if (bits < 32) value &= (uint32_t{1} << bits) - 1;
    pdds->Unlock();
  }
  if (probe) {
    platform::DrawingContext dc(*pdds);
    dc.SetPixel(0, 0, saved);
  }
  return value;
}

long DDSetColorKey(platform::Surface* pdds, uint32_t rgb) {
  if (pdds == nullptr) return el::draw::kGenericFailure;
  pdds->SetColorKey(DDColorMatch(pdds, rgb));
  return 0;
}

std::unique_ptr<platform::Dib> ORGLoadBitmap(const char* sWallpaperPath) {
  if (sWallpaperPath == nullptr) return nullptr;
  const auto path = platform::ResolvePath(sWallpaperPath);
  return path ? platform::ReadBmpFile(*path) : nullptr;
}
