// The input and output paths beside their peers, in one process with
// interleaved repetitions: presentation through the SDL backend (software
// renderer on the dummy video driver) against pixman's RGB565 to x8r8g8b8
// conversion of the same frame, and LoadObject of the demo game's pictures
// against SDL's BMP loader plus its conversion to RGB565. A closing table
// gives the CPU-time medians and their ratio beside each goal.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/support/null_backend.h"
#include "engine/el.h"
#include "platform/backends.h"
#include "platform/platform.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

std::unique_ptr<platform::Surface> NoiseFrame(uint32_t seed) {
  auto frame =
      std::make_unique<platform::Surface>(kWidth, kHeight, platform::PixelFormat::Rgb565());
  std::mt19937 rng(seed);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) frame->SetPixel(x, y, rng() & 0xFFFF);
  return frame;
}

// Two different frames, presented in turn so that every presentation has
// a changed picture to show.
struct Frames {
  std::unique_ptr<platform::Surface> a = NoiseFrame(1);
  std::unique_ptr<platform::Surface> b = NoiseFrame(2);
};

Frames& TheFrames() {
  static Frames frames;
  return frames;
}

// The SDL backend with its window, kept beside the null backend the engine
// draws with; presentation is called on it directly.
platform::Backend& SdlPresenter() {
  static std::unique_ptr<platform::Backend> backend = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform::DisplayOptions options;
    options.windowed = true;
    auto created = platform::CreateSdlBackend(options);
    if (!created || !created->CreateMainWindow("bench")) {
      std::fprintf(stderr, "bench: no SDL window on the dummy driver\n");
      std::exit(1);
    }
    return created;
  }();
  return *backend;
}

void BM_PresentProject(benchmark::State& state) {
  Frames& frames = TheFrames();
  platform::Backend& backend = SdlPresenter();
  bool odd = false;
  for (auto _ : state) {
    backend.Present(odd ? *frames.b : *frames.a, {0, 0, kWidth, kHeight});
    odd = !odd;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PresentProject)->Name("present/project")->Unit(benchmark::kMicrosecond);

void BM_PresentPixman(benchmark::State& state) {
  Frames& frames = TheFrames();
  std::vector<uint32_t> out(size_t{kWidth} * kHeight);
  pixman_image_t* src[2];
  for (int i = 0; i < 2; ++i) {
    platform::Surface& s = i == 0 ? *frames.a : *frames.b;
    src[i] = pixman_image_create_bits(PIXMAN_r5g6b5, kWidth, kHeight,
                                      reinterpret_cast<uint32_t*>(s.Row(0)), s.PitchBytes());
  }
  pixman_image_t* dst =
      pixman_image_create_bits(PIXMAN_x8r8g8b8, kWidth, kHeight, out.data(), kWidth * 4);
  bool odd = false;
  for (auto _ : state) {
    pixman_image_composite(PIXMAN_OP_SRC, src[odd ? 1 : 0], nullptr, dst, 0, 0, 0, 0, 0, 0, kWidth,
                           kHeight);
    odd = !odd;
    benchmark::ClobberMemory();
  }
  pixman_image_unref(dst);
  for (pixman_image_t* image : src) pixman_image_unref(image);
}
BENCHMARK(BM_PresentPixman)->Name("present/pixman")->Unit(benchmark::kMicrosecond);

// The demo game's pictures, as names relative to its folder.
struct DemoPictures {
  DemoPictures() {
    bench_support::OpenDisplay();
    const std::filesystem::path root = AOAT_DEMO_GAME_DIR;
    platform::SetGameFolder(root.string());
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      std::string ext = it->path().extension().string();
      std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
      if (ext != ".bmp") continue;
      paths.push_back(it->path().string());
      std::string relative = std::filesystem::relative(it->path(), root).string();
      std::replace(relative.begin(), relative.end(), '/', '\\');
      names.push_back(relative);
    }
    if (names.empty()) {
      std::fprintf(stderr, "bench: no BMP files in %s (build the demo-game target)\n",
                   root.c_str());
      std::exit(1);
    }
  }
  std::vector<std::string> paths;
  std::vector<std::string> names;
};

DemoPictures& ThePictures() {
  static DemoPictures pictures;
  return pictures;
}

void BM_LoadObjectProject(benchmark::State& state) {
  DemoPictures& pictures = ThePictures();
  std::vector<int> loaded;
  for (auto _ : state) {
    loaded.clear();
    for (const std::string& name : pictures.names)
      loaded.push_back(elDraw::LoadObject(name.c_str(), 2));
    benchmark::ClobberMemory();
    state.PauseTiming();
    for (int n : loaded) {
      if (n == 0) state.SkipWithError("LoadObject failed");
      elDraw::FreeObject(n);
    }
    state.ResumeTiming();
  }
  state.counters["files"] = static_cast<double>(pictures.names.size());
}
BENCHMARK(BM_LoadObjectProject)->Name("load/project")->Unit(benchmark::kMicrosecond);

void BM_LoadObjectSdl(benchmark::State& state) {
  DemoPictures& pictures = ThePictures();
  std::vector<SDL_Surface*> loaded;
  for (auto _ : state) {
    loaded.clear();
    for (const std::string& path : pictures.paths) {
      SDL_Surface* file = SDL_LoadBMP(path.c_str());
      if (file == nullptr) {
        state.SkipWithError("SDL_LoadBMP failed");
        break;
      }
      loaded.push_back(SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_RGB565, 0));
      SDL_FreeSurface(file);
    }
    benchmark::ClobberMemory();
    state.PauseTiming();
    for (SDL_Surface* s : loaded) SDL_FreeSurface(s);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadObjectSdl)->Name("load/sdl")->Unit(benchmark::kMicrosecond);

// Collects the median CPU time (microseconds) of every benchmark while the console shows
// the runs as usual.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& reports) override {
    for (const Run& run : reports)
      if (run.aggregate_name == "median")
        medians_us[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(reports);
  }
  std::map<std::string, double> medians_us;
};

struct Goal {
  const char* path;
  const char* project;
  const char* peer;
  const char* peer_label;
  double goal_ratio;
};

void PrintTable(const std::map<std::string, double>& medians_us) {
  const Goal goals[] = {
      {"present 640x480 (SDL backend, software renderer)", "present/project", "present/pixman",
       "pixman 565->x8r8g8b8", 1.25},
      {"LoadObject of the demo's BMPs", "load/project", "load/sdl",
       "SDL_LoadBMP + ConvertSurfaceFormat(RGB565)", 1.0},
  };
  std::printf("\n| path | project | peer | ratio | goal |\n|---|---|---|---|---|\n");
  for (const Goal& goal : goals) {
    const auto project = medians_us.find(goal.project);
    const auto peer = medians_us.find(goal.peer);
    if (project == medians_us.end() || peer == medians_us.end()) continue;
    const double ratio = project->second / peer->second;
    std::printf("| %s | %.1f us | %.1f us (%s) | %.2fx | <= %.2fx %s |\n", goal.path,
                project->second, peer->second, goal.peer_label, ratio, goal.goal_ratio,
                ratio <= goal.goal_ratio ? "met" : "NOT met");
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Interleaved repetitions and their medians, unless the command line says
  // otherwise (later flags win).
  std::vector<char*> args{argv[0]};
  std::string repetitions = "--benchmark_repetitions=9";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  args.push_back(repetitions.data());
  args.push_back(interleave.data());
  args.push_back(aggregates.data());
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintTable(reporter.medians_us);
  benchmark::Shutdown();
  return 0;
}
