// Text drawing against the 16.7 ms of a 60 Hz frame: the story's message
// (a name and four rows of about 80 double-byte characters) with the plain
// Draw, the five menu labels with AreaDraw, and the same message with the
// positioned and the anti-aliased drawing. Fonts and glyphs are warm after
// the first iteration, as they are from the second frame of a game on;
// one case shows the cost of a font whose glyphs are not cached yet.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/draw/draw_internal.h"
#include "engine/el.h"
#include "platform/backends.h"
#include "platform/encoding.h"
#include "platform/platform.h"

namespace {

std::string Sjis(const char* utf8) {
  return platform::Utf8ToCp932(utf8).value_or("");
}

struct Message {
  std::string name = Sjis("語り手");
  std::array<std::string, 4> rows = {
      Sjis("春の夜の夢のごとく、灯りの落ちた廊下を歩いて"),
      Sjis("いくと、突き当たりの窓から月明かりが差し込ん"),
      Sjis("でいた。誰もいないはずの部屋から、かすかに歌"),
      Sjis("声が聞こえる。私は足を止め、耳を澄ませた。"),
  };
  std::string joined = rows[0] + rows[1] + rows[2] + rows[3];
};

const Message& TheMessage() {
  static const Message message;
  return message;
}

void OpenDisplay() {
  static const bool opened = [] {
    platform::InstallBackend(platform::CreateHeadlessBackend({}));
    _FullScreen = 0;
    if (draw_internal::OpenDisplay(640, 480, 1, [] { return 16; })) {
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

}  // namespace

BENCHMARK_MAIN();
