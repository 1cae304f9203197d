// The channel masks read from the display's pixel format, and the look-up
// tables of the 16-bit software effects built from them.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/draw/internal/draw.h"

namespace el::draw {
namespace {

struct Channel {
  uint32_t bits;
  uint16_t shift;
};

// The mask shifted down until its lowest bit is set, and how far.
Channel SplitMask(uint32_t mask) {
  Channel c{mask, 0};
  while ((c.bits & 1) == 0) {
    c.bits >>= 1;
    ++c.shift;
  }
  return c;
}

// Where the top five bits of a channel sit.
uint16_t TopFiveShift(const Channel& c) {
  return static_cast<uint16_t>(c.shift + (c.bits == 63 ? 1 : 0));
}

uint16_t TopShift(int channel) {
  const uint16_t shifts[3] = {elDraw::ShiftR2, elDraw::ShiftG2, elDraw::ShiftB2};
  return shifts[channel];
}

void FillGetRgb() {
  const int red_drop = elDraw::ShiftR2 - elDraw::ShiftR;
  const int green_drop = elDraw::ShiftG2 - elDraw::ShiftG;
  const int blue_drop = elDraw::ShiftB2 - elDraw::ShiftB;
  for (uint32_t r = 0; r <= elDraw::BitR; ++r) {
    for (uint32_t g = 0; g <= elDraw::BitG; ++g) {
      for (uint32_t b = 0; b <= elDraw::BitB; ++b) {
        const uint64_t index =
            (uint64_t{r} << elDraw::ShiftR) + (uint64_t{g} << elDraw::ShiftG) + b;
        if (index >= std::size(elDraw::GetRGB)) continue;
        elDraw::GetRGB[index] = {static_cast<uint8_t>(r >> red_drop),
                                 static_cast<uint8_t>(g >> green_drop),
                                 static_cast<uint8_t>(b >> blue_drop)};
      }
    }
  }
}

void FillBlendLists() {
  for (int c = 0; c < 3; ++c) {
    const uint16_t s = TopShift(c);
    for (int b = 0; b < 32; ++b) {
      for (int i = 0; i < 32; ++i) {
        for (int j = 0; j < 32; ++j) {
          const int index = c * 32768 + b * 1024 + i * 32 + j;
          const int cross = std::max(0, i - b) + std::max(0, j - (31 - b));
          const int added = std::min(31, std::max(0, i - b) + j);
          elDraw::BlendList[index] = static_cast<uint16_t>(cross << s);
          elDraw::AddBlendList[index] = static_cast<uint16_t>(added << s);
        }
      }
    }
    for (int i = 0; i < 32; ++i)
      for (int j = 0; j < 32; ++j)
        elDraw::DelBlendList[c * 1024 + i * 32 + j] =
            static_cast<uint16_t>(std::max(0, i - j) << s);
  }
}

}  // namespace

bool ReadPixelFormat(const platform::PixelFormat& format) {
  if (format.r_mask == 0 || format.g_mask == 0 || format.b_mask == 0) return false;
  const Channel red = SplitMask(format.r_mask);
  const Channel green = SplitMask(format.g_mask);
  const Channel blue = SplitMask(format.b_mask);
  elDraw::BitR = red.bits, elDraw::ShiftR = red.shift;
  elDraw::BitG = green.bits, elDraw::ShiftG = green.shift;
  elDraw::BitB = blue.bits, elDraw::ShiftB = blue.shift;
  elDraw::ShiftR2 = TopFiveShift(red);
  elDraw::ShiftG2 = TopFiveShift(green);
  elDraw::ShiftB2 = TopFiveShift(blue);
  elDraw::MaskRGB = ((red.bits >> 1) << red.shift) | ((green.bits >> 1) << green.shift) |
                    ((blue.bits >> 1) << blue.shift);
  elDraw::MaskRGB2 = (elDraw::MaskRGB << 16) | elDraw::MaskRGB;
  elDraw::MaskR = format.r_mask;
  elDraw::MaskG = format.g_mask;
  elDraw::MaskB = format.b_mask;
  elDraw::WhiteRGB =
      (red.bits << red.shift) | (green.bits << green.shift) | (blue.bits << blue.shift);
  return true;
}

void FillRotateData() {
  // The angle is formed in extended precision and handed to the sine as a
  // double; the sine and the product keep extended precision. The truncated
  // results depend on exactly this (entry 30 is 179, entry 330 is -180).
  for (int i = 0; i < 450; ++i) {
    const auto angle = static_cast<double>(static_cast<long double>(PAI2) * i / 360);
    elDraw::RotateData[i] = static_cast<int>(std::sin(static_cast<long double>(angle)) * 360.0L);
  }
}

void FillSixteenBitTables() {
  FillGetRgb();
  FillBlendLists();
  for (int s = 0; s < 96; ++s) elDraw::GrayList[s] = static_cast<uint16_t>(s < 94 ? s / 3 : 0);
  for (char& value : elEffect::FireRandomList) value = static_cast<char>(std::rand() % 3);
}

}  // namespace el::draw
