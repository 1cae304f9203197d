// The software layer effects that move, tunnel, light and project, each on a
// full 640 x 480 frame, printed at the end beside the 50 % blend of the same
// frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/goal_table.h"
#include "bench/support/null_backend.h"
#include "engine/el.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr float kFrameSeconds = 1.0f / 60;
const char* const kBaseline = "BM_BlendLayer50";

// Noise with 40 % black (skipped, and the key of the row-built members).
int Picture(int width, int height) {
  elDraw::SetSpriteColor(0);
  const int n = elDraw::CreateObject(width, height, 2);
  std::mt19937 rng(3);
  platform::Surface& s = *Sprite[n].Object;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      s.SetPixel(x, y, rng() % 100 < 40 ? 0 : static_cast<uint16_t>(rng() | 1));
  return n;
}

struct Frame {
  Frame() {
    bench_support::OpenDisplay();
    picture = Picture(kWidth, kHeight);
    texture = Picture(256, 256);
    FrameTime = kFrameSeconds;
    elDraw::CreateTunnel(256, 256, kWidth, kHeight, -1, -1, 8, 0, 0, 0);
  }
  int picture, texture;
};

Frame& TheFrame() {
  static Frame frame;
  return frame;
}

// One benchmark per effect call: `draw(picture, frame number)`.
template <typename Draw>
void Run(benchmark::State& state, Draw draw) {
  const Frame& frame = TheFrame();
  int i = 0;
  for (auto _ : state) {
    draw(frame, i++);
    benchmark::ClobberMemory();
  }
}

void BM_BlendLayer50(benchmark::State& state) {
  Run(state,
      [](const Frame& f, int) { elDraw::BlendLayer(0, 0, f.picture, 0, 0, kWidth, kHeight); });
}
void BM_MysteryLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int i) {
    elDraw::MysteryLayer(0, 0, kWidth, kHeight, f.picture, 0, 0, kWidth, kHeight, i % 360, 0.8f,
                         0.001f, 0.8f, 0.001f, 1.0f, 0.9f, 0.8f);
  });
}
void BM_MeshLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::MeshLayer(0, 0, f.picture, 0, 0, kWidth, kHeight, 40.0f, 12.0f, 1, 0.8f, 0.2f);
  });
}
void BM_CreateTunnel(benchmark::State& state) {
  Run(state, [](const Frame&, int) {
    elDraw::CreateTunnel(256, 256, kWidth, kHeight, -1, -1, 8, 0, 0, 0);
  });
}
void BM_TunnelLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int i) { elDraw::TunnelLayer(0, 0, i, 3 * i, f.texture); });
}
void BM_LightLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::LightLayer(0, 0, f.picture, 0, 0, kWidth, kHeight, 2, 2, 2, 0xFF, 1);
  });
}
void BM_WaveLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::WaveLayer(0, 0, 16, 0, 90.0f, f.picture, 0, 0, kWidth, kHeight, 1);
  });
}
void BM_RollWaveLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::RollWaveLayer(0, 0, 16, 4, 90.0f, 60.0f, f.picture, 0, 0, kWidth, kHeight);
  });
}
void BM_TileRollWaveLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::TileRollWaveLayer(0, kHeight, 16, 4, 90.0f, 60.0f, f.picture, 0, 0, kWidth, kHeight);
  });
}
void BM_TileLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::TileLayer(30.0f, 20.0f, f.picture, 0, 0, kWidth, kHeight);
  });
}
void BM_MosaicLayer(benchmark::State& state) {
  Run(state,
      [](const Frame& f, int) { elDraw::MosaicLayer(0, 0, 8, f.picture, 0, 0, kWidth, kHeight); });
}
void BM_LineLayerEvery2nd(benchmark::State& state) {
  Run(state,
      [](const Frame& f, int) { elDraw::LineLayer(0, 0, 2, f.picture, 0, 0, kWidth, kHeight); });
}
void BM_LineLayerRandomGaps(benchmark::State& state) {
  Run(state,
      [](const Frame& f, int) { elDraw::LineLayer(0, 0, -3, f.picture, 0, 0, kWidth, kHeight); });
}
void BM_RandomLayer(benchmark::State& state) {
  Run(state,
      [](const Frame& f, int) { elDraw::RandomLayer(0, 0, 4, f.picture, 0, 0, kWidth, kHeight); });
}
void BM_WaterfallLayer(benchmark::State& state) {
  Run(state, [](const Frame& f, int) {
    elDraw::WaterfallLayer(0, 0, 0, 60.0f, f.picture, 0, 0, kWidth, kHeight);
  });
}

BENCHMARK(BM_BlendLayer50);
BENCHMARK(BM_MysteryLayer);
BENCHMARK(BM_MeshLayer);
BENCHMARK(BM_CreateTunnel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TunnelLayer);
BENCHMARK(BM_LightLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WaveLayer);
BENCHMARK(BM_RollWaveLayer);
BENCHMARK(BM_TileRollWaveLayer);
BENCHMARK(BM_TileLayer);
BENCHMARK(BM_MosaicLayer);
BENCHMARK(BM_LineLayerEvery2nd);
BENCHMARK(BM_LineLayerRandomGaps);
BENCHMARK(BM_RandomLayer);
BENCHMARK(BM_WaterfallLayer);

// The console report, and the time of each run kept for the closing table.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        times_.emplace_back(run.benchmark_name(),
                            run.GetAdjustedCPUTime() * bench_goals::ToMicroseconds(run.time_unit));
  }
  void PrintTable() const {
    double baseline_us = 0;
    for (const auto& [name, us] : times_)
      if (name == kBaseline) baseline_us = us;
    std::printf("\n%-26s | %12s | %s\n", "640 x 480 frame", "CPU us", "x 50 % BlendLayer");
    std::printf("%s\n", std::string(60, '-').c_str());
    for (const auto& [name, us] : times_)
      std::printf("%-26s | %12.1f | %8.2f\n", name.substr(3).c_str(), us,
                  baseline_us > 0 ? us / baseline_us : 0.0);
  }

 private:
  std::vector<std::pair<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTable();
  benchmark::Shutdown();
  return 0;
}
