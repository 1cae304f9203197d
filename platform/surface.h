// The one software surface type shared by both backends: pixels in memory with
// a pitch, a pixel format given by its channel masks, an optional source colour
// key, a lost flag, and the blits and fills the display driver offered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool operator==(const Rect&) const = default;
};

// Whether `r` lies wholly within `bounds`.
constexpr bool Inside(const Rect& r, const Rect& bounds) {
  return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right &&
         r.bottom <= bounds.bottom;
}

// The part both hold (empty when they do not meet).
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
          a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b.Empty() ? Rect{} : b;
  if (b.Empty()) return a;
  return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
          a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

struct PixelFormat {
  int bits_per_pixel = 16;
  uint32_t r_mask = 0xF800;
  uint32_t g_mask = 0x07E0;
  uint32_t b_mask = 0x001F;

  static constexpr PixelFormat Rgb565() { return {16, 0xF800, 0x07E0, 0x001F}; }
  static constexpr PixelFormat Rgb555() { return {16, 0x7C00, 0x03E0, 0x001F}; }
  static constexpr PixelFormat Xrgb8888() { return {32, 0xFF0000, 0x00FF00, 0x0000FF}; }
  int BytesPerPixel() const { return (bits_per_pixel + 7) / 8; }
  constexpr bool operator==(const PixelFormat&) const = default;
};

// A colour reference (0x00BBGGRR) converted to a raw pixel value the way the
// platform's drawing converts it: each channel keeps its top bits.
uint32_t ColorRefToPixel(const PixelFormat& format, uint32_t color_ref);
// A raw pixel value back to a colour reference; the dropped low bits read 0.
uint32_t PixelToColorRef(const PixelFormat& format, uint32_t pixel);

enum class BltResult {
  kOk,
  kSurfaceLost,  // a surface involved must be restored first
  kInvalidRect,  // a rectangle reaches outside its surface: nothing drawn
  kLockFailed,
};

class Surface {
 public:
  // The largest side a surface may have (the display driver's limit).
  static constexpr int kMaxSidePx = 16384;

  Surface(int width_px, int height_px, PixelFormat format);
  // A surface of a size the driver accepts (1..kMaxSidePx each side), or null
  // when the size is refused or the memory is not there.
  static std::unique_ptr<Surface> Create(int width_px, int height_px, PixelFormat format);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface();

  int Width() const { return width_px_; }
  int Height() const { return height_px_; }
  int PitchBytes() const { return pitch_bytes_; }
  const PixelFormat& Format() const { return format_; }
  Rect Bounds() const { return {0, 0, width_px_, height_px_}; }

  // Direct pixel access; Lock fails (nullptr) while the surface is lost.
  uint8_t* Lock();
  void Unlock();
  bool Locked() const { return lock_count_ > 0; }
  int LockCount() const { return lock_count_; }
  std::span<uint8_t> Bytes() {
    ++write_count_;
    return pixels_;
  }
  std::span<const uint8_t> Bytes() const { return pixels_; }
  uint8_t* Row(int y) {
    ++write_count_;
    return pixels_.data() + static_cast<size_t>(y) * pitch_bytes_;
  }
  const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * pitch_bytes_; }
  uint32_t GetPixel(int x, int y) const;      // raw value; 0 outside
  void SetPixel(int x, int y, uint32_t raw);  // ignored outside

  // Whether the pixels are still as a caller last saw them. The write count
  // moves with every way in to write them (Lock and Unlock, since writes
  // through a lock come between the two; the writable Row and Bytes, and so
  // every blit, fill and SetPixel); the identity tells surfaces apart, also
  // one made where a deleted one was.
  uint64_t WriteCount() const { return write_count_; }
  uint64_t Identity() const { return identity_; }

  // Source colour key (low and high value equal), in the raw encoding.
  void SetColorKey(std::optional<uint32_t> raw_key) { color_key_ = raw_key; }
  std::optional<uint32_t> ColorKey() const { return color_key_; }

  // Loss: the display can declare every surface lost at once (the renderer
  // lost its textures); blits then answer kSurfaceLost until Restore.
  bool IsLost() const;
  void Restore();

  // Unscaled copy of `src_rect` of `src` to (dst_x, dst_y); both rectangles
  // must lie inside their surfaces and the formats must match, else nothing is
  // drawn. Source and destination may be the same surface.
  BltResult BltFast(int dst_x, int dst_y, const Surface& src, const Rect& src_rect, bool keyed);
  // Scaled copy of `src_rect` onto `dst_rect` (nearest sample); the same
  // conditions as BltFast.
  BltResult BltStretch(const Rect& dst_rect, const Surface& src, const Rect& src_rect, bool keyed);
  // Fill with a raw pixel value; the rectangle is clipped to the surface.
  BltResult Fill(const Rect& rect, uint32_t raw);

 private:
  int width_px_;
  int height_px_;
  int pitch_bytes_;
  PixelFormat format_;
  std::vector<uint8_t> pixels_;
  std::optional<uint32_t> color_key_;
  int lock_count_ = 0;
  uint64_t write_count_ = 0;
  uint64_t identity_;
  uint64_t restored_generation_;
};

// The plain loops that define each blit, pixel by pixel. The blits above run a
// faster path where one exists; it must give the same pixels. Arguments are
// already checked (inside both surfaces, same format, nothing lost).
namespace reference {
void Copy(Surface& dst, int dst_x, int dst_y, const Surface& src, const Rect& src_rect, bool keyed);
void Stretch(Surface& dst, const Rect& dst_rect, const Surface& src, const Rect& src_rect,
             bool keyed);
void Fill(Surface& dst, const Rect& clipped_rect, uint32_t raw);
// Source x (or y) of destination offset `i` of a stretched copy.
inline int StretchSample(int src_start, int src_size, int dst_size, int i) {
  return src_start + static_cast<int>(static_cast<int64_t>(i) * src_size / dst_size);
}
}  // namespace reference

// Declares every surface lost (what a display switch does to video memory).
void MarkAllSurfacesLost();
// Number of times surfaces were declared lost so far.
uint64_t SurfaceLossGeneration();

}  // namespace platform
