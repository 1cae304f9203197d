// Text drawing against the 16.7 ms of a 60 Hz frame: the story's message
// (a name and four rows of about 80 double-byte characters) with the plain
// Draw, the five menu labels with AreaDraw, and the same message with the
// positioned and the anti-aliased drawing. Fonts and glyphs are warm after
// the first iteration, as they are from the second frame of a game on;
// one case shows the cost of a font whose glyphs are not cached yet.
//
// `bench_text --showcase FILE.png` draws a sample screen of the text
// drawing instead and writes it as a PNG.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/support/scenes.h"
#include "engine/draw/internal/draw.h"
#include "engine/el.h"
#include "platform/backends.h"
#include "platform/encoding.h"
#include "platform/platform.h"
#include "platform/png_writer.h"

namespace {

std::string Sjis(const char* utf8) {
  return platform::Utf8ToCp932(utf8).value_or("");
}

using Message = bench_support::StoryMessage;

const Message& TheMessage() {
  return bench_support::TheStoryMessage();
}

void OpenDisplay() {
  static const bool opened = [] {
    platform::InstallBackend(platform::CreateHeadlessBackend({}));
    _FullScreen = 0;
    if (el::draw::OpenDisplay(640, 480, 1, [] { return 16; })) {
      std::fprintf(stderr, "the display did not open\n");
      std::exit(1);
    }
    elFont::Init();
    return true;
  }();
  (void)opened;
}

constexpr int kSize = 20;

void DrawMessage(const Message& m) {
  elFont::Color(0xFF0000, 0, 1);
  elFont::Draw(40, 340, m.name.c_str());
  elFont::Color(0xFFFFFF, 0, 1);
  for (int r = 0; r < 4; ++r) elFont::Draw(40, 340 + kSize * (r + 1), m.rows[r].c_str());
}

void BM_MessagePlainDraw(benchmark::State& state) {
  OpenDisplay();
  const Message& m = TheMessage();
  for (auto _ : state) {
    elFont::Begin(1, kSize, 0, 0, 0, 0);
    DrawMessage(m);
    elFont::Before();
  }
  state.SetItemsProcessed(state.iterations() * 5);  // draws
}
BENCHMARK(BM_MessagePlainDraw)->Unit(benchmark::kMicrosecond);

void BM_MessageWithAFreshFont(benchmark::State& state) {
  OpenDisplay();
  const Message& m = TheMessage();
  int size = 0;
  for (auto _ : state) {
    // More sizes than the fonts kept alive: every font rasterises anew.
    elFont::Begin(1, 14 + size, 0, 0, 0, 0);
    size = (size + 1) % 24;
    DrawMessage(m);
    elFont::Before();
  }
}
BENCHMARK(BM_MessageWithAFreshFont)->Unit(benchmark::kMicrosecond);

void BM_MenuAreaDraw(benchmark::State& state) {
  OpenDisplay();
  const std::array<std::string, 5> labels = {Sjis("最初から"), Sjis("終了"), Sjis("セーブ"),
                                             Sjis("ロード"), Sjis("オート")};
  for (auto _ : state) {
    elFont::Begin(1, kSize, 0, 1, 0, 0);
    elFont::Color(0xFFFFFF, 0, 1);
    for (int i = 0; i < 5; ++i)
      elFont::AreaDraw(520, 20 + i * kSize, 520 + 5 * kSize, 20 + (i + 1) * kSize,
                       labels[i].c_str(), 1);
    elFont::Before();
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_MenuAreaDraw)->Unit(benchmark::kMicrosecond);

void BM_MessagePositionedDraw(benchmark::State& state) {
  OpenDisplay();
  const Message& m = TheMessage();
  for (auto _ : state) {
    elFont::Begin(1, kSize, 0, 0, 0, 0);
    elFont::Color(0xFFFFFF, 0x404040, 1);
    elFont::Draw(40, 360, 600, 470, m.joined.c_str(), 0x0100);
    elFont::Before();
  }
}
BENCHMARK(BM_MessagePositionedDraw)->Unit(benchmark::kMicrosecond);

void BM_MessageAntialiasedDraw(benchmark::State& state) {
  OpenDisplay();
  const Message& m = TheMessage();
  for (auto _ : state) {
    elFont::BeginAA(1, kSize);
    elFont::Color(0xFFFFFF, 0, 1);
    elFont::DrawAA(40, 360, 600, 470, m.joined.c_str(), 0);
    elFont::BeforeAA();
  }
}
BENCHMARK(BM_MessageAntialiasedDraw)->Unit(benchmark::kMicrosecond);

void BM_RevealFrame(benchmark::State& state) {
  OpenDisplay();
  const Message& m = TheMessage();
  elFont::BeginAA(1, kSize);
  elFont::HideDrawAA(40, 360, 600, 470, m.joined.c_str(), 0);
  elFont::BeforeAA();
  FrameTime = 1.0f / 60.0f;
  for (auto _ : state) {
    elFont::ShowCount = elFont::FontCount;  // every cell copied, the worst frame
    benchmark::DoNotOptimize(elFont::Show(0.05f));
  }
}
BENCHMARK(BM_RevealFrame)->Unit(benchmark::kMicrosecond);

// Both faces at three sizes, regular and bold.
void ShowFaces() {
  const int sizes[] = {12, 24, 48};
  int y = 8;
  for (int face = 0; face < 2; ++face) {
    for (int size : sizes) {
      for (int bold = 0; bold < 2; ++bold) {
        char label[64];
        std::snprintf(label, sizeof label, "%d%s永", size, face == 0 ? "明朝" : "ゴシック");
        elFont::Begin(face, size, 0, bold, 0, 0);
        elFont::Color(bold ? 0x80FFFF : 0xFFFFFF, 0, 1);
        elFont::Draw(10 + bold * 320, y, Sjis(label).c_str());
        elFont::Before();
      }
      y += size + 2;
    }
  }
}

// A centred rectangle layout and a positioned drawing whose full stop hangs
// beyond the right edge (marked in red).
void ShowLayouts() {
  elDraw::Box(10, 230, 310, 300, 0x503020, 0xC0C0C0, 1);
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0xFFFFFF, 0, 1);
  elFont::AreaDraw(10, 234, 310, 300,
                   Sjis("中央揃えの AreaDraw は、空白と全角文字の間で折り返します。").c_str(), 1);
  elFont::Before();
  elDraw::Box(330, 230, 630, 300, 0x203050, 0xC0C0C0, 1);
  elDraw::Line(570, 232, 570, 298, 0x0000FF, 1);
  elFont::Begin(1, 16, 0, 0, 0, 0);
  elFont::Color(0x80FF80, 0x004000, 1);
  // Fourteen cells of 17 pixels (16 and the shadow's one) fill the 240 pixels.
  elFont::Draw(330, 234, 570, 300,
               Sjis("一二三四五六七八九十壱弐弍参。句点は右端を越えてぶら下がります").c_str(),
               0x0100);
  elFont::Before();
}

// The anti-aliased line over a gradient, above the same text drawn aliased.
void ShowAntialiased() {
  for (int x = 0; x < 640; x += 4)
    elDraw::Box(x, 320, x + 4, 470, static_cast<uint32_t>((x / 5) << 16 | 0x2000 | (x / 8)),
                static_cast<uint32_t>((x / 5) << 16 | 0x2000 | (x / 8)), 1);
  const std::string line = Sjis("滑らかな文字：アンチエイリアスは背景に溶け込みます。");
  elFont::BeginAA(1, 24);
  elFont::Color(0xFFFFFF, 0, 1);
  elFont::DrawAA(10, 330, 630, 400, line.c_str(), 0);
  elFont::BeforeAA();
  elFont::Begin(1, 24, 0, 0, 0, 0);
  elFont::Color(0xFFFFFF, 0, 1);
  elFont::Draw(10, 370, line.c_str());
  elFont::Before();
  elDraw::ShowString(10, 440, Sjis("ShowString: 12 ピクセルのデバッグ文字").c_str());
}

int WriteShowcase(const char* path) {
  OpenDisplay();
  elDraw::ColorFill(0, 0, 640, 480,
                    static_cast<uint16_t>(platform::ColorRefToPixel(DDBack->Format(), 0x402020)));
  ShowFaces();
  ShowLayouts();
  ShowAntialiased();
  std::string error;
  if (!platform::WriteSurfacePng(path, *DDBack, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--showcase") return WriteShowcase(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
