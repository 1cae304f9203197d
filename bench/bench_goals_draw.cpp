// The drawing paths a game runs every frame beside their peers, on the same
// 640 x 480 RGB565 pictures in one process: the keyed Layer beside SDL's RLE
// colour-key blit, the layer blends and the wash beside plain loops of the
// same formulas compiled here the same way, the 2x stretches beside pixman's
// nearest-neighbour scale (and the drawing context's fallback stretch beside
// the blitter's and its own reference loop), the anti-aliased message beside
// its plain Draw and the story frame beside a memcpy of the frame. Ends with
// the goal table.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/goal_table.h"
#include "bench/support/null_backend.h"
#include "bench/support/scenes.h"
#include "engine/draw/internal/pixel16.h"
#include "engine/el.h"
#include "platform/gdi.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kPixels = size_t{kWidth} * kHeight;
constexpr uint16_t kWhite = 0xFFFF;

// Noise with `key_percent` % of `key` scattered at random; the sprite is
// keyed by `key_ref` (the colour reference of `key`).
int NoisySprite(int width, int height, int key_percent, uint16_t key, uint32_t key_ref) {
  elDraw::SetSpriteColor(key_ref);
  const int n = elDraw::CreateObject(width, height, 2);
  std::mt19937 rng(static_cast<unsigned>(width + key));
  platform::Surface& s = *Sprite[n].Object;
  s.Lock();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool keyed = static_cast<int>(rng() % 100) < key_percent;
      s.SetPixel(x, y, keyed ? key : static_cast<uint16_t>((rng() & 0xFFFE) | 0x20));
    }
  s.Unlock();
  return n;
}

struct Pictures {
  Pictures() {
    bench_support::OpenDisplay();
    elFont::Init();
    keyed = NoisySprite(kWidth, kHeight, 40, kWhite, 0xFFFFFF);
    blended = NoisySprite(kWidth, kHeight, 40, 0, 0);
    half_keyed = NoisySprite(kWidth / 2, kHeight / 2, 40, kWhite, 0xFFFFFF);
    half_opaque = NoisySprite(kWidth / 2, kHeight / 2, 0, kWhite, 0xFFFFFF);
    label = NoisySprite(96, 24, 30, kWhite, 0xFFFFFF);
    pointer = NoisySprite(32, 32, 50, kWhite, 0xFFFFFF);
    elDraw::DirectLayer(0, 0, blended, 0, 0, kWidth, kHeight);
  }
  int keyed, blended, half_keyed, half_opaque, label, pointer;
  const bench_support::StoryMessage& message = bench_support::TheStoryMessage();
};

Pictures& ThePictures() {
  static Pictures pictures;
  return pictures;
}

const uint16_t* PixelsOf(int sprite) {
  return reinterpret_cast<const uint16_t*>(Sprite[sprite].Object->Bytes().data());
}

template <typename Draw>
void Run(benchmark::State& state, Draw draw) {
  Pictures& p = ThePictures();
  for (auto _ : state) {
    draw(p);
    benchmark::ClobberMemory();
  }
}

// A plain loop of a layer rule over the whole frame: every non-zero source
// pixel replaces its destination by rule(s, d), chosen by a mask rather than
// a branch (a branch on noise mispredicts at every other pixel).
template <typename Rule>
void PlainLayer(benchmark::State& state, Rule rule) {
  const uint16_t* src = PixelsOf(ThePictures().blended);
  std::vector<uint16_t> back(src, src + kPixels);
  uint16_t* dst = back.data();
  for (auto _ : state) {
    for (size_t i = 0; i < kPixels; ++i) {
      const uint16_t s = src[i], d = dst[i];
      const auto take = static_cast<uint16_t>(-static_cast<int>(s != 0));
      dst[i] = static_cast<uint16_t>((rule(s, d) & take) | (d & ~take));
    }
    benchmark::ClobberMemory();
  }
}

// --- keyed Layer ----------------------------------------------------------

void BM_LayerKeyed40(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::Layer(0, 0, p.keyed, 0, 0, kWidth, kHeight); });
}

void BM_SdlRleKeyed40(benchmark::State& state) {
  platform::Surface& from = *Sprite[ThePictures().keyed].Object;
  SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
  SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < kHeight; ++y)
    std::memcpy(static_cast<uint8_t*>(src->pixels) + y * src->pitch, from.Row(y), kWidth * 2);
  SDL_SetColorKey(src, SDL_TRUE, kWhite);
  SDL_SetSurfaceRLE(src, 1);
  for (auto _ : state) {
    SDL_BlitSurface(src, nullptr, dst, nullptr);
    benchmark::ClobberMemory();
  }
  SDL_FreeSurface(src);
  SDL_FreeSurface(dst);
}

// --- blends ---------------------------------------------------------------

void BM_BlendLayer50(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::BlendLayer(0, 0, p.blended, 0, 0, kWidth, kHeight); });
}

void BM_PlainBlend50(benchmark::State& state) {
  const auto mask = static_cast<uint16_t>(elDraw::MaskRGB);
  PlainLayer(state, [mask](uint16_t s, uint16_t d) {
    return static_cast<uint16_t>(((s >> 1) & mask) + ((d >> 1) & mask));
  });
}

uint16_t Table(const uint16_t* table, uint16_t s, uint16_t d, int lr, int lg, int lb) {
  const pixel16::Channels a = pixel16::Five(s), b = pixel16::Five(d);
  return static_cast<uint16_t>(table[pixel16::Blend3(0, lr, a.r, b.r)] |
                               table[pixel16::Blend3(1, lg, a.g, b.g)] |
                               table[pixel16::Blend3(2, lb, a.b, b.b)]);
}

void BM_BlendLayerTable(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::BlendLayer(0, 0, p.blended, 0, 0, kWidth, kHeight, 12); });
}

void BM_PlainTable(benchmark::State& state) {
  const int level = pixel16::Level(31 - 12);
  PlainLayer(state, [level](uint16_t s, uint16_t d) {
    return Table(elDraw::BlendList, s, d, level, level, level);
  });
}

void BM_AddBlendLayer(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::AddBlendLayer(0, 0, p.blended, 0, 0, kWidth, kHeight); });
}

void BM_PlainAdd(benchmark::State& state) {
  PlainLayer(state,
             [](uint16_t s, uint16_t d) { return Table(elDraw::AddBlendList, s, d, 0, 0, 0); });
}

void BM_DelBlendLayer(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::DelBlendLayer(0, 0, p.blended, 0, 0, kWidth, kHeight); });
}

void BM_PlainDel(benchmark::State& state) {
  PlainLayer(state, [](uint16_t s, uint16_t d) {
    const int v = elDraw::GetRGB[s].r;
    const pixel16::Channels b = pixel16::Five(d);
    return static_cast<uint16_t>(elDraw::DelBlendList[pixel16::Del2(0, b.r, v)] |
                                 elDraw::DelBlendList[pixel16::Del2(1, b.g, v)] |
                                 elDraw::DelBlendList[pixel16::Del2(2, b.b, v)]);
  });
}

int Mix(int source, int dest, float weight) {
  const float source_weight = std::min(1.0f, weight);
  const float dest_weight = std::max(0.0f, 1.0f - weight);
  return static_cast<int>(static_cast<float>(source) * source_weight +
                          static_cast<float>(dest) * dest_weight);
}

void BM_BlendLayerFloat(benchmark::State& state) {
  Run(state, [](Pictures& p) { elDraw::BlendLayer(0, 0, p.blended, 0, 0, kWidth, kHeight, 0.3f); });
}

void BM_PlainFloat(benchmark::State& state) {
  PlainLayer(state, [](uint16_t s, uint16_t d) {
    const pixel16::Channels a = pixel16::Full(s), b = pixel16::Full(d);
    return pixel16::PackFull(Mix(a.r, b.r, 0.3f), Mix(a.g, b.g, 0.3f), Mix(a.b, b.b, 0.3f));
  });
}

void BM_ColorBlend(benchmark::State& state) {
  Run(state, [](Pictures&) { elDraw::ColorBlend(0, 0, kWidth, kHeight, 0x1234); });
}

void BM_PlainColorBlend(benchmark::State& state) {
  std::vector<uint16_t> back(PixelsOf(ThePictures().blended),
                             PixelsOf(ThePictures().blended) + kPixels);
  const auto mask = static_cast<uint16_t>(elDraw::MaskRGB);
  const auto half = static_cast<uint16_t>((0x1234 >> 1) & mask);
  for (auto _ : state) {
    for (uint16_t& d : back) d = static_cast<uint16_t>(((d >> 1) & mask) + half);
    benchmark::ClobberMemory();
  }
}

// --- 2x stretches ---------------------------------------------------------

void BM_StretchLayerKeyed2x(benchmark::State& state) {
  Run(state, [](Pictures& p) {
    elDraw::StretchLayer(0, 0, p.half_keyed, 0, 0, kWidth / 2, kHeight / 2, kWidth, kHeight);
  });
}

void BM_StretchLayerOpaque2x(benchmark::State& state) {
  Run(state, [](Pictures& p) {
    elDraw::DirectStretchLayer(0, 0, p.half_opaque, 0, 0, kWidth / 2, kHeight / 2, kWidth, kHeight);
  });
}

// Without a stretching blitter, the drawing context stretches into the
// Buffer sprite, which is then laid (the fallback of StretchLayer).
void BM_StretchLayerOpaque2xByContext(benchmark::State& state) {
  const int stretch = elDraw::UseStretch;
  elDraw::UseStretch = 0;
  Run(state, [](Pictures& p) {
    elDraw::DirectStretchLayer(0, 0, p.half_opaque, 0, 0, kWidth / 2, kHeight / 2, kWidth, kHeight);
  });
  elDraw::UseStretch = stretch;
}

// The same fallback through the context's plain loop, pixel by pixel.
void BM_StretchLayerOpaque2xByReferenceLoop(benchmark::State& state) {
  Run(state, [](Pictures& p) {
    platform::reference::StretchBlt(*Sprite[0].Object, {0, 0, kWidth, kHeight},
                                    *Sprite[p.half_opaque].Object, {0, 0, kWidth / 2, kHeight / 2});
    elDraw::DirectLayer(0, 0, 0, 0, 0, kWidth, kHeight);
  });
}

void BM_PixmanNearest2x(benchmark::State& state) {
  platform::Surface& from = *Sprite[ThePictures().half_opaque].Object;
  std::vector<uint16_t> to(kPixels);
  pixman_image_t* src =
      pixman_image_create_bits(PIXMAN_r5g6b5, from.Width(), from.Height(),
                               reinterpret_cast<uint32_t*>(from.Bytes().data()), from.PitchBytes());
  pixman_image_t* dst = pixman_image_create_bits(
      PIXMAN_r5g6b5, kWidth, kHeight, reinterpret_cast<uint32_t*>(to.data()), kWidth * 2);
  pixman_transform_t scale;
  pixman_transform_init_scale(&scale, pixman_double_to_fixed(0.5), pixman_double_to_fixed(0.5));
  pixman_image_set_transform(src, &scale);
  pixman_image_set_filter(src, PIXMAN_FILTER_NEAREST, nullptr, 0);
  for (auto _ : state) {
    pixman_image_composite(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(src);
  pixman_image_unref(dst);
}

// --- text -----------------------------------------------------------------

constexpr int kFontSize = 20;

void BM_DrawAAMessage(benchmark::State& state) {
  Run(state, [](Pictures& p) {
    elFont::BeginAA(1, kFontSize);
    elFont::Color(0xFFFFFF, 0, 1);
    elFont::DrawAA(40, 360, 600, 470, p.message.joined.c_str(), 0);
    elFont::BeforeAA();
  });
}

void BM_PlainDrawMessage(benchmark::State& state) {
  Run(state, [](Pictures& p) {
    elFont::Begin(1, kFontSize, 0, 0, 0, 0);
    elFont::Color(0xFFFFFF, 0, 1);
    for (int r = 0; r < 4; ++r) elFont::Draw(40, 360 + kFontSize * r, p.message.rows[r].c_str());
    elFont::Before();
  });
}

// --- the story frame ------------------------------------------------------

// One frame of the story screen (bench/support/scenes.h).
void BM_StoryFrame(benchmark::State& state) {
  Pictures& p = ThePictures();
  elDraw::SpriteScreen(0, 0, 0, kWidth, kHeight);
  for (auto _ : state) {
    bench_support::DrawStoryFrame(p.label, p.pointer);
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<uint16_t> from(kPixels, 1), to(kPixels);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kPixels * 2);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_LayerKeyed40);
BENCHMARK(BM_SdlRleKeyed40);
BENCHMARK(BM_BlendLayer50);
BENCHMARK(BM_PlainBlend50);
BENCHMARK(BM_BlendLayerTable);
BENCHMARK(BM_PlainTable);
BENCHMARK(BM_AddBlendLayer);
BENCHMARK(BM_PlainAdd);
BENCHMARK(BM_DelBlendLayer);
BENCHMARK(BM_PlainDel);
BENCHMARK(BM_BlendLayerFloat);
BENCHMARK(BM_PlainFloat);
BENCHMARK(BM_ColorBlend);
BENCHMARK(BM_PlainColorBlend);
BENCHMARK(BM_StretchLayerKeyed2x);
BENCHMARK(BM_StretchLayerOpaque2x);
BENCHMARK(BM_StretchLayerOpaque2xByContext);
BENCHMARK(BM_StretchLayerOpaque2xByReferenceLoop);
BENCHMARK(BM_PixmanNearest2x);
BENCHMARK(BM_DrawAAMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainDrawMessage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoryFrame);
BENCHMARK(BM_MemcpyFrame);

}  // namespace

int main(int argc, char** argv) {
  return bench_goals::RunGoals(
      argc, argv,
      {
          {"keyed Layer, 40 % key", "BM_LayerKeyed40", "BM_SdlRleKeyed40", 1.25, 0},
          {"BlendLayer 50 %", "BM_BlendLayer50", "BM_PlainBlend50", 1.5, 0},
          {"BlendLayer table (level 12)", "BM_BlendLayerTable", "BM_PlainTable", 1.5, 0},
          {"BlendLayer float (0.3)", "BM_BlendLayerFloat", "BM_PlainFloat", 1.5, 0},
          {"AddBlendLayer", "BM_AddBlendLayer", "BM_PlainAdd", 1.5, 0},
          {"DelBlendLayer", "BM_DelBlendLayer", "BM_PlainDel", 1.5, 0},
          {"ColorBlend", "BM_ColorBlend", "BM_PlainColorBlend", 1.5, 0},
          {"keyed StretchLayer 2x", "BM_StretchLayerKeyed2x", "BM_PixmanNearest2x", 1.0, 0},
          {"opaque StretchLayer 2x", "BM_StretchLayerOpaque2x", "BM_PixmanNearest2x", 1.0, 0},
          // The context's stretch and a copy of the frame, beside the blitter's stretch.
          {"opaque StretchLayer 2x without a stretching blitter (peer: with one)",
           "BM_StretchLayerOpaque2xByContext", "BM_StretchLayerOpaque2x", 2.0, 0},
          {"the same, fast path (peer: the context's reference loop)",
           "BM_StretchLayerOpaque2xByContext", "BM_StretchLayerOpaque2xByReferenceLoop", 0.1, 0},
          {"DrawAA, four rows", "BM_DrawAAMessage", "BM_PlainDrawMessage", 8.0, 0},
          // 25 us where the memcpy of a frame takes 8 us.
          {"story frame (peer: memcpy of a frame)", "BM_StoryFrame", "BM_MemcpyFrame", 25.0 / 8, 0},
      });
}
