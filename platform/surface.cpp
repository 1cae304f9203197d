// The surface's storage, pixel access, loss state and the checks every blit
// makes before it draws. Which loop draws is chosen here, in one place: the
// fast path of platform/surface_fast.cpp where it applies, else the reference
// loop of platform/surface_reference.cpp.
#include "platform/surface.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <new>

#include "platform/surface_fast.h"

namespace platform {
namespace {

std::atomic<uint64_t> g_loss_generation{0};
std::atomic<uint64_t> g_surfaces_made{0};

int LowestBit(uint32_t mask) {
  return mask == 0 ? 0 : std::countr_zero(mask);
}
int MaskWidth(uint32_t mask) {
  return std::popcount(mask);
}

// One 8-bit channel into a mask, keeping the channel's top bits.
uint32_t PackChannel(uint32_t value8, uint32_t mask) {
  const int width = MaskWidth(mask);
  if (width == 0) return 0;
  const uint32_t reduced = width >= 8 ? value8 << (width - 8) : value8 >> (8 - width);
  return (reduced << LowestBit(mask)) & mask;
}

uint32_t UnpackChannel(uint32_t pixel, uint32_t mask) {
  const int width = MaskWidth(mask);
  if (width == 0) return 0;
  const uint32_t value = (pixel & mask) >> LowestBit(mask);
  return width >= 8 ? value >> (width - 8) : value << (8 - width);
}

}  // namespace

uint32_t ColorRefToPixel(const PixelFormat& format, uint32_t color_ref) {
  return PackChannel(color_ref & 0xFF, format.r_mask) |
         PackChannel((color_ref >> 8) & 0xFF, format.g_mask) |
         PackChannel((color_ref >> 16) & 0xFF, format.b_mask);
}

uint32_t PixelToColorRef(const PixelFormat& format, uint32_t pixel) {
  return UnpackChannel(pixel, format.r_mask) | (UnpackChannel(pixel, format.g_mask) << 8) |
         (UnpackChannel(pixel, format.b_mask) << 16);
}

void MarkAllSurfacesLost() {
  g_loss_generation.fetch_add(1);
}
uint64_t SurfaceLossGeneration() {
  return g_loss_generation.load();
}

Surface::Surface(int width_px, int height_px, PixelFormat format)
    : width_px_(std::max(width_px, 0)),
      height_px_(std::max(height_px, 0)),
      pitch_bytes_(((width_px_ * format.BytesPerPixel()) + 3) & ~3),
      format_(format),
      pixels_(static_cast<size_t>(pitch_bytes_) * height_px_),
      identity_(g_surfaces_made.fetch_add(1) + 1),
      restored_generation_(SurfaceLossGeneration()) {}

Surface::~Surface() = default;

std::unique_ptr<Surface> Surface::Create(int width_px, int height_px, PixelFormat format) {
  if (width_px < 1 || height_px < 1 || width_px > kMaxSidePx || height_px > kMaxSidePx)
    return nullptr;
  try {
    return std::make_unique<Surface>(width_px, height_px, format);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

uint8_t* Surface::Lock() {
  if (IsLost()) return nullptr;
  ++lock_count_;
  ++write_count_;
  return pixels_.data();
}

void Surface::Unlock() {
  if (lock_count_ > 0) --lock_count_;
  ++write_count_;
}

bool Surface::IsLost() const {
  return restored_generation_ != SurfaceLossGeneration();
}

void Surface::Restore() {
  restored_generation_ = SurfaceLossGeneration();
}

uint32_t Surface::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_px_ || y >= height_px_) return 0;
  const uint8_t* p = Row(y) + static_cast<size_t>(x) * format_.BytesPerPixel();
  switch (format_.BytesPerPixel()) {
    case 2: {
      uint16_t v;
      std::memcpy(&v, p, 2);
      return v;
    }
    case 3:
      return p[0] | (p[1] << 8) | (p[2] << 16);
    case 4: {
      uint32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
    default:
      return p[0];
  }
}

void Surface::SetPixel(int x, int y, uint32_t raw) {
  if (x < 0 || y < 0 || x >= width_px_ || y >= height_px_) return;
  uint8_t* p = Row(y) + static_cast<size_t>(x) * format_.BytesPerPixel();
  switch (format_.BytesPerPixel()) {
    case 2: {
      const uint16_t v = static_cast<uint16_t>(raw);
      std::memcpy(p, &v, 2);
      break;
    }
    case 3:
      p[0] = raw & 0xFF;
      p[1] = (raw >> 8) & 0xFF;
      p[2] = (raw >> 16) & 0xFF;
      break;
    case 4:
      std::memcpy(p, &raw, 4);
      break;
    default:
      p[0] = static_cast<uint8_t>(raw);
  }
}

BltResult Surface::BltFast(int dst_x, int dst_y, const Surface& src, const Rect& src_rect,
                           bool keyed) {
  if (IsLost() || src.IsLost()) return BltResult::kSurfaceLost;
  const Rect dst_rect{dst_x, dst_y, dst_x + src_rect.Width(), dst_y + src_rect.Height()};
  if (src_rect.Empty()) return BltResult::kOk;
  if (!Inside(src_rect, src.Bounds()) || !Inside(dst_rect, Bounds()))
    return BltResult::kInvalidRect;
  if (!(src.format_ == format_)) return BltResult::kInvalidRect;
  if (!fast::Copy(*this, dst_x, dst_y, src, src_rect, keyed))
    reference::Copy(*this, dst_x, dst_y, src, src_rect, keyed);
  return BltResult::kOk;
}

BltResult Surface::BltStretch(const Rect& dst_rect, const Surface& src, const Rect& src_rect,
                              bool keyed) {
  if (IsLost() || src.IsLost()) return BltResult::kSurfaceLost;
  if (src_rect.Empty() || dst_rect.Empty()) return BltResult::kOk;
  if (!Inside(src_rect, src.Bounds()) || !Inside(dst_rect, Bounds()))
    return BltResult::kInvalidRect;
  if (!(src.format_ == format_)) return BltResult::kInvalidRect;
  if (!fast::Stretch(*this, dst_rect, src, src_rect, keyed))
    reference::Stretch(*this, dst_rect, src, src_rect, keyed);
  return BltResult::kOk;
}

BltResult Surface::Fill(const Rect& rect, uint32_t raw) {
  if (IsLost()) return BltResult::kSurfaceLost;
  const Rect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_px_),
               std::min(rect.bottom, height_px_)};
  if (r.Empty()) return BltResult::kOk;
  if (!fast::Fill(*this, r, raw)) reference::Fill(*this, r, raw);
  return BltResult::kOk;
}

}  // namespace platform
