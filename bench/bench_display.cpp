// The display's per-frame work against plain memory copies and SDL's own
// software blitter on the same RGB565 data.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "bench/support/null_backend.h"
#include "bench/support/scenes.h"
#include "engine/el.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kScreenBytes = size_t{kWidth} * kHeight * 2;
constexpr uint16_t kKey = 0xFFFF;

// A sprite of `width` x `height` with noise and `key_percent` % key pixels
// scattered at random, keyed by white.
int NoisySprite(int width, int height, int key_percent) {
  elDraw::SetSpriteColor(0xFFFFFF);
  const int n = elDraw::CreateObject(width, height, 2);
  std::mt19937 rng(1);
  platform::Surface& s = *Sprite[n].Object;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      s.SetPixel(x, y, static_cast<int>(rng() % 100) < key_percent ? kKey : rng() & 0xFFFE);
  return n;
}

struct Display {
  Display() {
    bench_support::OpenDisplay();
    picture = NoisySprite(kWidth, kHeight, 40);
    opaque = NoisySprite(kWidth, kHeight, 0);
    half = NoisySprite(kWidth / 2, kHeight / 2, 10);
    label = NoisySprite(96, 24, 30);
    pointer = NoisySprite(32, 32, 50);
  }
  int picture, opaque, half, label, pointer;
};

Display& TheDisplay() {
  static Display display;
  return display;
}

void BM_MemcpyFullScreen(benchmark::State& state) {
  std::vector<uint8_t> from(kScreenBytes, 1), to(kScreenBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kScreenBytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kScreenBytes));
}
BENCHMARK(BM_MemcpyFullScreen);

void BM_DirectLayerFullScreen(benchmark::State& state) {
  const int n = TheDisplay().opaque;
  for (auto _ : state) {
    elDraw::DirectLayer(0, 0, n, 0, 0, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kScreenBytes));
}
BENCHMARK(BM_DirectLayerFullScreen);

void BM_LayerKeyed40Percent(benchmark::State& state) {
  const int n = TheDisplay().picture;
  for (auto _ : state) {
    elDraw::Layer(0, 0, n, 0, 0, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LayerKeyed40Percent);

// SDL surfaces over the same pixels as the engine's picture and back surface.
struct SdlPair {
  SdlPair(platform::Surface& from, platform::Surface& to) {
    src = SDL_CreateRGBSurfaceWithFormatFrom(from.Bytes().data(), from.Width(), from.Height(), 16,
                                             from.PitchBytes(), SDL_PIXELFORMAT_RGB565);
    dst = SDL_CreateRGBSurfaceWithFormatFrom(to.Bytes().data(), to.Width(), to.Height(), 16,
                                             to.PitchBytes(), SDL_PIXELFORMAT_RGB565);
  }
  ~SdlPair() {
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
  }
  SDL_Surface* src;
  SDL_Surface* dst;
};

void BM_SdlBlitSurfaceKeyed40Percent(benchmark::State& state) {
  SdlPair pair(*Sprite[TheDisplay().picture].Object, *DDBack);
  SDL_SetColorKey(pair.src, SDL_TRUE, kKey);
  for (auto _ : state) {
    SDL_BlitSurface(pair.src, nullptr, pair.dst, nullptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SdlBlitSurfaceKeyed40Percent);

void BM_Clear(benchmark::State& state) {
  TheDisplay();
  for (auto _ : state) {
    elDraw::Clear();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Clear);

void BM_SdlFillRect(benchmark::State& state) {
  SdlPair pair(*Sprite[TheDisplay().picture].Object, *DDBack);
  for (auto _ : state) {
    SDL_FillRect(pair.dst, nullptr, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SdlFillRect);

void BM_ColorBlendFullScreen(benchmark::State& state) {
  TheDisplay();
  for (auto _ : state) {
    elDraw::ColorBlend(0, 0, kWidth, kHeight, 0x1234);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ColorBlendFullScreen);

void BM_StretchLayer320To640(benchmark::State& state) {
  const int n = TheDisplay().half;
  for (auto _ : state) {
    elDraw::StretchLayer(0, 0, n, 0, 0, kWidth / 2, kHeight / 2, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchLayer320To640);

void BM_BoxChoiceFrame(benchmark::State& state) {
  TheDisplay();
  for (auto _ : state) {
    elDraw::Box(120, 300, 520, 420, 0x402000, 0xFFFFFF, 2);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BoxChoiceFrame);

// One frame of the story screen (bench/support/scenes.h).
void BM_StoryFrame(benchmark::State& state) {
  Display& d = TheDisplay();
  elDraw::SpriteScreen(0, 0, 0, kWidth, kHeight);
  for (auto _ : state) {
    bench_support::DrawStoryFrame(d.label, d.pointer);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StoryFrame);

}  // namespace

BENCHMARK_MAIN();
