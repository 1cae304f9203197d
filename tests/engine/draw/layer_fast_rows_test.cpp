// The fast rows of the per-pixel layer effects and of the wash against their
// plain reference loops: random pictures with holes, odd widths, rectangles
// clipped by the sprite, the virtual screen and the back surface.
#include <functional>
#include <random>
#include <vector>

#include "engine/draw/internal/layer_frame.h"
#include "tests/engine/draw_layer_fixture.h"

namespace {

using Effect = std::function<int(int sprite, int px, int py, int x1, int y1, int x2, int y2)>;

struct Named {
  const char* name;
  Effect draw;
};

std::vector<Named> Effects() {
  return {
      {"50 %", [](int n, int px, int py, int x1, int y1, int x2,
                  int y2) { return elDraw::BlendLayer(px, py, n, x1, y1, x2, y2); }},
      {"float",
       [](int n, int px, int py, int x1, int y1, int x2, int y2) {
         return elDraw::BlendLayer(px, py, n, x1, y1, x2, y2, 0.3f, 0.6f, 0.9f);
       }},
      {"table", [](int n, int px, int py, int x1, int y1, int x2,
                   int y2) { return elDraw::BlendLayer(px, py, n, x1, y1, x2, y2, 5, 12, 30); }},
      {"graded float",
       [](int n, int px, int py, int x1, int y1, int x2, int y2) {
         return elDraw::BlendLayer(px, py, n, x1, y1, x2, y2, 0.5f, 0.5f, 0.5f, 0, 3, 2);
       }},
      {"graded table",
       [](int n, int px, int py, int x1, int y1, int x2, int y2) {
         return elDraw::BlendLayer(px, py, n, x1, y1, x2, y2, 20, 20, 20, 1, 2, 1);
       }},
      {"add", [](int n, int px, int py, int x1, int y1, int x2,
                 int y2) { return elDraw::AddBlendLayer(px, py, n, x1, y1, x2, y2, 0.5f); }},
      {"del", [](int n, int px, int py, int x1, int y1, int x2,
                 int y2) { return elDraw::DelBlendLayer(px, py, n, x1, y1, x2, y2); }},
      {"gray", [](int n, int px, int py, int x1, int y1, int x2,
                  int y2) { return elDraw::GrayLayer(px, py, n, x1, y1, x2, y2); }},
      {"wash",
       [](int, int px, int py, int x1, int y1, int x2, int y2) {
         return elDraw::ColorBlend(px + x1, py + y1, px + x2, py + y2, 0x9A5B);
       }},
  };
}

class LayerFastRows : public test_support::LayerEffectTest {
 protected:
  // A sprite of noise with `hole_percent` % black (skipped) pixels.
  static int Noise(std::mt19937& rng, int w, int h, int hole_percent) {
    test_support::Rows rows(h, std::vector<uint16_t>(w));
    for (auto& row : rows)
      for (auto& p : row)
        p = static_cast<int>(rng() % 100) < hole_percent ? 0 : static_cast<uint16_t>(rng());
    return Make(rows);
  }
  static void Scribble(std::mt19937& rng) {
    platform::Surface& back = *DDBack;
    for (int y = 0; y < back.Height(); ++y)
      for (int x = 0; x < back.Width(); ++x) back.SetPixel(x, y, rng() & 0xFFFF);
  }
  static void Restore(const std::vector<uint16_t>& pixels) {
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) DDBack->SetPixel(x, y, pixels[y * 640 + x]);
  }
  // The effect drawn by the fast rows and by the reference loop from the same
  // back surface: both results and return codes.
  static void Compare(const Named& effect, int n, int px, int py, int x1, int y1, int x2, int y2,
                      int round) {
    const std::vector<uint16_t> before = Screen();
    const int fast = effect.draw(n, px, py, x1, y1, x2, y2);
    const std::vector<uint16_t> fast_pixels = Screen();
    Restore(before);
    el::draw::g_reference_layer_loops = true;
    const int reference = effect.draw(n, px, py, x1, y1, x2, y2);
    el::draw::g_reference_layer_loops = false;
    ASSERT_EQ(fast, reference) << effect.name << " round " << round;
    ASSERT_TRUE(fast_pixels == Screen()) << effect.name << " round " << round << " at " << px << ","
                                         << py << " " << x1 << "," << y1 << "-" << x2 << "," << y2;
  }
  void TearDown() override {
    el::draw::g_reference_layer_loops = false;
    elDraw::VirtualScreen(0, 0, 640, 480);
    test_support::LayerEffectTest::TearDown();
  }
};

TEST_F(LayerFastRows, EveryRuleMatchesItsReferenceLoopOnRandomPicturesAndClips) {
  std::mt19937 rng(11);
  Scribble(rng);
  for (int round = 0; round < 40; ++round) {
    const int w = 1 + static_cast<int>(rng() % 45), h = 1 + static_cast<int>(rng() % 9);
    const int n = Noise(rng, w, h, static_cast<int>(rng() % 3) * 40);
    // Rectangles inside, reaching outside the sprite, and points off the
    // screen's edges.
    const int x1 = static_cast<int>(rng() % (w + 4)) - 2,
              y1 = static_cast<int>(rng() % (h + 2)) - 1;
    const int x2 = x1 + static_cast<int>(rng() % (w + 6)),
              y2 = y1 + static_cast<int>(rng() % (h + 3));
    const int px = static_cast<int>(rng() % 700) - 30, py = static_cast<int>(rng() % 520) - 20;
    if (round % 4 == 1) elDraw::VirtualScreen(13, 7, 601, 466);
    if (round % 4 == 3) elDraw::VirtualScreen(0, 0, 640, 480);
    for (const Named& effect : Effects()) Compare(effect, n, px, py, x1, y1, x2, y2, round);
    elDraw::FreeObject(n);
  }
}

TEST_F(LayerFastRows, WideRowsOfHolesAndOfOpaquePixelsMatchToo) {
  std::mt19937 rng(5);
  Scribble(rng);
  for (int hole_percent : {0, 50, 100}) {
    const int n = Noise(rng, 640, 3, hole_percent);
    for (const Named& effect : Effects()) {
      Compare(effect, n, 0, 0, 0, 0, 640, 3, hole_percent);
      Compare(effect, n, 3, 100, 1, 0, 638, 3, hole_percent);
    }
    elDraw::FreeObject(n);
  }
}

}  // namespace
