// 16-bit pixel helpers of the software effects: channel decoding through the
// display's masks and tables, encoding at the channels' positions, and a
// lock that is held for the whole of one effect call.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/el.h"
#include "platform/surface.h"

namespace pixel16 {

struct Channels {
  int r, g, b;
};

// The three 5-bit channels of a raw pixel.
inline Channels Five(uint16_t p) {
  const elDraw::_getrgb& c = elDraw::GetRGB[p];
  return {c.r, c.g, c.b};
}
// Three 5-bit values placed at the channels' top five bits.
inline uint16_t PackFive(int r, int g, int b) {
  return static_cast<uint16_t>((r << elDraw::ShiftR2) | (g << elDraw::ShiftG2) |
                               (b << elDraw::ShiftB2));
}
inline uint16_t PackFive(const Channels& c) {
  return PackFive(c.r, c.g, c.b);
}

// The full-width channels of a raw pixel.
inline Channels Full(uint16_t p) {
  return {static_cast<int>((p >> elDraw::ShiftR) & elDraw::BitR),
          static_cast<int>((p >> elDraw::ShiftG) & elDraw::BitG),
          static_cast<int>((p >> elDraw::ShiftB) & elDraw::BitB)};
}
// Full-width channels placed at their shifts, each held to its range so that
// a value out of range cannot spill into its neighbour.
inline uint16_t PackFull(int r, int g, int b) {
  r = std::clamp(r, 0, static_cast<int>(elDraw::BitR));
  g = std::clamp(g, 0, static_cast<int>(elDraw::BitG));
  b = std::clamp(b, 0, static_cast<int>(elDraw::BitB));
  return static_cast<uint16_t>((r << elDraw::ShiftR) | (g << elDraw::ShiftG) |
                               (b << elDraw::ShiftB));
}

// Index of a three-level table (BlendList, AddBlendList) and of DelBlendList.
inline int Blend3(int c, int level, int i, int j) {
  return c * 32768 + level * 1024 + i * 32 + j;
}
inline int Del2(int c, int i, int j) {
  return c * 1024 + i * 32 + j;
}
inline int Level(int v) {
  return std::clamp(v, 0, 31);
}

// Holds a surface locked; not Ok() when there is no surface, it is lost or
// it does not hold 16-bit pixels (the effects' tables are 16-bit only).
class Lock {
 public:
  explicit Lock(platform::Surface* surface) {
    if (surface == nullptr || surface->Format().bits_per_pixel != 16) return;
    if (surface->Lock() != nullptr) surface_ = surface;
  }
  ~Lock() {
    if (surface_) surface_->Unlock();
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  bool Ok() const { return surface_ != nullptr; }
  int Width() const { return surface_->Width(); }
  int Height() const { return surface_->Height(); }
  uint16_t* Row(int y) { return reinterpret_cast<uint16_t*>(surface_->Row(y)); }
  uint16_t& At(int x, int y) { return Row(y)[x]; }

 private:
  platform::Surface* surface_ = nullptr;
};

}  // namespace pixel16
