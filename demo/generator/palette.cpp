#include "demo/generator/palette.h"

#include <array>
#include <cmath>
#include <map>

namespace demo {
namespace {

constexpr int kRedLevels = 6;
constexpr int kGreenLevels = 7;
constexpr int kBlueLevels = 6;

// 4 x 4 Bayer thresholds, spread over -0.5 .. 0.5 of one cube step.
constexpr std::array<std::array<int, 4>, 4> kBayer = {{
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
}};

uint8_t Level(int index, int levels) {
  return static_cast<uint8_t>(std::lround(index * 255.0 / (levels - 1)));
}

int Quantise(uint8_t value, int levels, float threshold) {
  const float scaled = value * static_cast<float>(levels - 1) / 255.0f + threshold;
  return std::clamp(static_cast<int>(std::floor(scaled + 0.5f)), 0, levels - 1);
}

}  // namespace

std::optional<PalettedImage> ExactPalette(const Image& image, size_t max_colours) {
  PalettedImage out{image.Width(), image.Height(), {}, {}};
  std::map<uint32_t, uint8_t> index_of;
  out.indices.reserve(image.Pixels().size());
  for (const Rgb c : image.Pixels()) {
    const uint32_t key = (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b;
    auto it = index_of.find(key);
    if (it == index_of.end()) {
      if (out.palette.size() >= max_colours || out.palette.size() >= 256) return std::nullopt;
      it = index_of.emplace(key, static_cast<uint8_t>(out.palette.size())).first;
      out.palette.push_back(c);
    }
    out.indices.push_back(it->second);
  }
  return out;
}

PalettedImage DitherToCube(const Image& image) {
  PalettedImage out{image.Width(), image.Height(), {}, {}};
  for (int r = 0; r < kRedLevels; ++r) {
    for (int g = 0; g < kGreenLevels; ++g) {
      for (int b = 0; b < kBlueLevels; ++b) {
        out.palette.push_back(
            {Level(r, kRedLevels), Level(g, kGreenLevels), Level(b, kBlueLevels)});
      }
    }
  }
  out.indices.reserve(image.Pixels().size());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const float threshold = (kBayer[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
      const Rgb c = image.Get(x, y);
      const int r = Quantise(c.r, kRedLevels, threshold);
      const int g = Quantise(c.g, kGreenLevels, threshold);
      const int b = Quantise(c.b, kBlueLevels, threshold);
      out.indices.push_back(static_cast<uint8_t>((r * kGreenLevels + g) * kBlueLevels + b));
    }
  }
  return out;
}

}  // namespace demo
