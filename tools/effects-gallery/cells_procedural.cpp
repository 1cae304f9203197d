// Gallery cells of the procedural pixel effects, which rework the picture
// once it is on the back surface, and the helper for animated cells.
#include <cstdio>

#include "engine/el.h"
#include "tools/effects-gallery/cells.h"
#include "tools/effects-gallery/test_picture.h"

namespace gallery {

namespace {

constexpr int W = kPictureWidth, H = kPictureHeight;

// The picture laid on the cell, then `steps` calls of the effect.
void AddStepped(Cells& cells, const char* name, int steps, const std::function<void()>& step) {
  char label[40];
  std::snprintf(label, sizeof label, "%s x%d", name, steps);
  cells.push_back({label, [steps, step](int p) {
                     elDraw::Layer(0, 0, p, 0, 0, W, H);
                     for (int i = 0; i < steps; ++i) step();
                   }});
}

}  // namespace

void AddAnimated(Cells& cells, const std::string& label, const std::function<void(int)>& draw) {
  for (int frame = 0; frame < 3; ++frame) {
    char time[24];
    std::snprintf(time, sizeof time, " t=%.2fs", frame * kFrameSeconds);
    cells.push_back({label + time, draw});
  }
}

void AddProceduralCells(Cells& cells) {
  // The fire reads one row below its rectangle: it stops a row short.
  for (const int steps : {1, 8, 24})
    AddStepped(cells, "Fire", steps, [] { elEffect::Fire(0, 0, W, H - 1); });
  AddStepped(cells, "Fire cool R", 16, [] { elEffect::Fire(1, 0, 0, 0, 0, W, H - 1); });
  AddStepped(cells, "Shade", 8, [] { elEffect::Shade(0, 0, W, H); });
  AddStepped(cells, "Shade cool G+B", 8, [] { elEffect::Shade(0, 1, 1, 0, 0, W, H); });
  AddStepped(cells, "Noise force 2", 1, [] { elEffect::Noise(2, 0, 0, W, H); });
  AddStepped(cells, "Noise R force 3", 1, [] { elEffect::Noise(1, 0, 0, 3, 0, 0, W, H); });
  AddStepped(cells, "Zoom2 of 80x60", 1, [] { elEffect::Zoom2(0, 0, W / 2, H / 2, 0); });
  AddStepped(cells, "Zoom4 mesh of 40x30", 1, [] { elEffect::Zoom4(0, 0, W / 4, H / 4, 1); });
  AddStepped(cells, "Mosaic r50 size 8", 1, [] { elEffect::Mosaic(W / 2, H / 2, 50, 8); });
}

}  // namespace gallery
