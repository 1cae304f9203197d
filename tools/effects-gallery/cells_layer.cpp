// Gallery cells of the blends, tones, shapes and rotated copies.
#include "engine/el.h"
#include "tools/effects-gallery/cells.h"
#include "tools/effects-gallery/test_picture.h"

namespace gallery {

namespace {

constexpr int W = kPictureWidth, H = kPictureHeight;

void AddBlendCells(Cells& cells) {
  cells.push_back({"BlendLayer 50%", [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H); }});
  cells.push_back(
      {"BlendLayer f 0.25", [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 0.25f); }});
  cells.push_back({"BlendLayer f 1/.5/0",
                   [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 1.0f, 0.5f, 0.0f); }});
  cells.push_back(
      {"BlendLayer int 16", [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 16); }});
  cells.push_back({"BlendLayer int 31/16/4",
                   [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 31, 16, 4); }});
  cells.push_back({"BlendLayer f grad cols", [](int p) {
                     elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 0.0f, 0.0f, 0.0f, 0, 20, 4);
                   }});
  cells.push_back({"BlendLayer int grad rows",
                   [](int p) { elDraw::BlendLayer(0, 0, p, 0, 0, W, H, 0, 0, 0, 1, 10, 3); }});
  cells.push_back({"AddBlendLayer", [](int p) { elDraw::AddBlendLayer(0, 0, p, 0, 0, W, H); }});
  cells.push_back(
      {"AddBlendLayer f 0.5", [](int p) { elDraw::AddBlendLayer(0, 0, p, 0, 0, W, H, 0.5f); }});
  cells.push_back({"DelBlendLayer", [](int p) { elDraw::DelBlendLayer(0, 0, p, 0, 0, W, H); }});
  cells.push_back({"EdgeBlendLayer", [](int p) { elDraw::EdgeBlendLayer(0, 0, p, 0, 0, W, H); }});
}

void AddToneCells(Cells& cells) {
  cells.push_back(
      {"PlainLayer R+B", [](int p) { elDraw::PlainLayer(0, 0, p, 0, 0, W, H, 1, 0, 1); }});
  cells.push_back(
      {"BrightLayer f 0.5", [](int p) { elDraw::BrightLayer(0, 0, p, 0, 0, W, H, 0.5f); }});
  cells.push_back({"BrightLayer f 1/.6/.2",
                   [](int p) { elDraw::BrightLayer(0, 0, p, 0, 0, W, H, 1.0f, 0.6f, 0.2f); }});
  cells.push_back(
      {"BrightLayer int 20", [](int p) { elDraw::BrightLayer(0, 0, p, 0, 0, W, H, 20); }});
  cells.push_back({"BrightLayer int 31/10/20",
                   [](int p) { elDraw::BrightLayer(0, 0, p, 0, 0, W, H, 31, 10, 20); }});
  cells.push_back({"ShadeLayer 4", [](int p) { elDraw::ShadeLayer(0, 0, p, 0, 0, W, H, 4); }});
  cells.push_back({"GrayLayer", [](int p) { elDraw::GrayLayer(0, 0, p, 0, 0, W, H); }});
}

void AddShapeCells(Cells& cells) {
  cells.push_back(
      {"MirrorLayer 1 (l-r)", [](int p) { elDraw::MirrorLayer(0, 0, p, 0, 0, W, H, 1); }});
  cells.push_back(
      {"MirrorLayer 3 (both)", [](int p) { elDraw::MirrorLayer(0, 0, p, 0, 0, W, H, 3); }});
  cells.push_back(
      {"PickLayer 0 col 60", [](int p) { elDraw::PickLayer(0, 0, p, 0, 0, W, H, 0, 60); }});
  cells.push_back({"PickLayer 1 col 40 +fill",
                   [](int p) { elDraw::PickLayer(30, 0, p, 0, 0, W - 30, H, 1, 40); }});
  cells.push_back(
      {"PickLayer 2 row 50", [](int p) { elDraw::PickLayer(0, 0, p, 0, 0, W, H, 2, 50); }});
  cells.push_back({"PickLayer 3 row 50 +fill",
                   [](int p) { elDraw::PickLayer(0, 30, p, 0, 0, W, H - 30, 3, 50); }});
  cells.push_back({"ShiftLayer 0.8", [](int p) { elDraw::ShiftLayer(0, 0, p, 0, 0, W, H, 0.8f); }});
}

void AddRotateCells(Cells& cells) {
  cells.push_back(
      {"RotateLayer 30", [](int p) { elDraw::RotateLayer(0, 0, W, H, p, 0, 0, W, H, 30); }});
  cells.push_back({"TileRotateLayer 30",
                   [](int p) { elDraw::TileRotateLayer(0, 0, W, H, p, 0, 0, W, H, 30); }});
  cells.push_back({"ZoomRotateLayer 30 x0.6",
                   [](int p) { elDraw::ZoomRotateLayer(0, 0, W, H, p, 0, 0, W, H, 30, 0.6f); }});
  cells.push_back({"TileZoomRotate 30 x0.5", [](int p) {
                     elDraw::TileZoomRotateLayer(0, 0, W, H, p, 0, 0, W, H, 30, 0.5f);
                   }});
}

}  // namespace

void AddLayerCells(Cells& cells) {
  AddBlendCells(cells);
  AddToneCells(cells);
  AddShapeCells(cells);
  AddRotateCells(cells);
}

}  // namespace gallery
