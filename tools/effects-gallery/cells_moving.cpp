// Gallery cells of the effects that move, tunnel, light and project, and of
// those built from layer rows.
#include <cstdio>

#include "engine/el.h"
#include "tools/effects-gallery/cells.h"
#include "tools/effects-gallery/test_picture.h"

namespace gallery {

namespace {

constexpr int W = kPictureWidth, H = kPictureHeight;

void AddProjectionCells(Cells& cells) {
  cells.push_back({"MysteryLayer zoom/row", [](int p) {
                     elDraw::MysteryLayer(0, 0, W, H, p, 0, 0, W, H, 20, 0.5f, 0.006f, 0.5f, 0.004f,
                                          1.0f, 0.8f, 1.2f);
                   }});
  cells.push_back({"MeshLayer step 1", [](int p) {
                     elDraw::MeshLayer(10, -6, p, 0, 0, W, H, 24.0f, 14.0f, 1, 0.8f, 0.25f);
                   }});
  cells.push_back({"LightLayer rays only",
                   [](int p) { elDraw::LightLayer(0, 0, p, 0, 0, W, H, 2, 2, 2, 0xFF, 0); }});
  cells.push_back({"LightLayer diagonals", [](int p) {
                     elDraw::LightLayer(45, 25, p, 45, 25, 115, 95, 2, 2, 2,
                                        0x01 | 0x04 | 0x20 | 0x80, 1);
                   }});
}

void AddTunnelCells(Cells& cells) {
  for (const int step : {0, 1, 2}) {
    char label[40];
    std::snprintf(label, sizeof label, "TunnelLayer r%d d%d", 20 * step, 30 * step);
    cells.push_back({label, [step](int p) {
                       if (step == 0) elDraw::CreateTunnel(W, H, W, H, -1, -1, 8, 0, 0, 0);
                       elDraw::TunnelLayer(0, 0, 20 * step, 30 * step, p);
                     }});
  }
  cells.push_back({"Tunnel Type 1 Line 3", [](int p) {
                     elDraw::CreateTunnel(W, H, W, H, -1, -1, 6, 0, 1, 3);
                     elDraw::TunnelLayer(0, 0, 0, 0, p);
                   }});
  cells.push_back({"Tunnel Center 1 Type 2", [](int p) {
                     elDraw::CreateTunnel(W, H, W, H, -1, -1, 8, 1, 2, 0);
                     elDraw::TunnelLayer(0, 0, 0, 0, p);
                   }});
}

void AddWaveCells(Cells& cells) {
  AddAnimated(cells, "WaveLayer",
              [](int p) { elDraw::WaveLayer(12, 0, 12, 0, 120.0f, p, 0, 0, W, H, 0); });
  cells.push_back(
      {"WaveLayer mode 1", [](int p) { elDraw::WaveLayer(12, 0, 6, 2, 0.0f, p, 0, 0, W, H, 1); }});
  AddAnimated(cells, "RollWaveLayer",
              [](int p) { elDraw::RollWaveLayer(8, 0, 8, 2, 90.0f, 40.0f, p, 0, 0, W, H); });
  AddAnimated(cells, "TileRollWaveLayer", [](int p) {
    elDraw::TileRollWaveLayer(0, H, 10, 0, 90.0f, 40.0f, p, 40, 30, 120, 90);
  });
  AddAnimated(cells, "WaterfallLayer",
              [](int p) { elDraw::WaterfallLayer(0, 0, 0, 100.0f, p, 0, 0, W, H); });
}

void AddRowCells(Cells& cells) {
  AddAnimated(cells, "TileLayer",
              [](int p) { elDraw::TileLayer(60.0f, 40.0f, p, 50, 40, 110, 80); });
  cells.push_back({"MosaicLayer 6", [](int p) { elDraw::MosaicLayer(0, 0, 6, p, 0, 0, W, H); }});
  cells.push_back({"LineLayer 3", [](int p) { elDraw::LineLayer(0, 0, 3, p, 0, 0, W, H); }});
  cells.push_back(
      {"LineLayer -4 (random)", [](int p) { elDraw::LineLayer(0, 0, -4, p, 0, 0, W, H); }});
  cells.push_back({"RandomLayer 4", [](int p) { elDraw::RandomLayer(0, 0, 4, p, 0, 0, W, H); }});
}

}  // namespace

void AddMovingCells(Cells& cells) {
  AddProjectionCells(cells);
  AddTunnelCells(cells);
  AddWaveCells(cells);
  AddRowCells(cells);
}

}  // namespace gallery
