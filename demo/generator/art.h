// The demo game's pictures and the program's own artwork. Every painter is a
// pure function: the same picture on every build.
#pragma once

#include <vector>

#include "demo/generator/image.h"

namespace demo {

// Sizes the pictures are drawn for; the story's layout places them (see
// demo/README.md for the positions).
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kLogoSize = 100;
inline constexpr int kSceneWidth = 448;
inline constexpr int kSceneHeight = 336;
inline constexpr int kPersonWidth = 152;
inline constexpr int kPersonHeight = 240;
inline constexpr int kFrameWidth = 608;
inline constexpr int kFrameHeight = 100;
inline constexpr int kFrontSize = 160;
inline constexpr int kItemSize = 32;
inline constexpr int kPointerWidth = 13;
inline constexpr int kPointerHeight = 21;
inline constexpr int kIconSize = 64;

// Where the backdrop's recessed panels lie (the layout's picture slots).
struct PanelRect {
  int x, y, w, h;
};
inline constexpr PanelRect kScenePanel{16, 16, kSceneWidth, kSceneHeight};
inline constexpr PanelRect kPersonPanel{472, 16, kPersonWidth, kPersonHeight};
inline constexpr PanelRect kItemPanel{472, 266, 44, 100};
inline constexpr PanelRect kMenuPanel{526, 266, 98, 100};

// Layout pictures ("lyout" folder).
Image PaintStartLogo();    // mark.bmp: black is its transparent colour
Image PaintTitle();        // title.bmp
Image PaintBackdrop();     // bback.bmp
Image PaintWindowFrame();  // fback.bmp: white corners transparent
Image PaintPointer();      // mouse.bmp: white transparent

// Persons: opaque portrait cards.
Image PaintAkari();
Image PaintKuro();
Image PaintKitsune();

// Back pictures: opaque scenes.
Image PaintRoom();
Image PaintStreet();
Image PaintForest();
Image PaintShrine();
Image PaintRiver();

// Front pictures: white transparent.
Image PaintLantern();
Image PaintBox();
Image PaintMask();  // flat colours only, for an exact 8-bit palette

// Items: white transparent, at most 16 colours each for 4-bit files.
Image PaintKeyItem();
Image PaintBellItem();
Image PaintCharmItem();

// The program's resources.
Image PaintClosingLogo();
struct IconPicture {
  Image colour;
  std::vector<uint8_t> alpha;  // one byte a pixel, rows from the top
};
// The program icon, `size_px` square: the window icon at kIconSize, the
// desktop's icons at their sizes.
IconPicture PaintProgramIcon(int size_px = kIconSize);

}  // namespace demo
