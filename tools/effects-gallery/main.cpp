// effects-gallery OUTPUT.png: draws every software layer effect and every
// procedural pixel effect of the engine on one generated test picture,
// through the headless backend, and writes a labelled contact sheet.
#include <cstdio>
#include <string>

#include "engine/el.h"
#include "platform/backends.h"
#include "platform/platform.h"
#include "tools/effects-gallery/cells.h"
#include "tools/effects-gallery/contact_sheet.h"
#include "tools/effects-gallery/test_picture.h"

namespace {

constexpr int kColumns = 8;

bool OpenHeadlessDisplay() {
  auto backend = platform::CreateHeadlessBackend({});
  if (!backend) return false;
  platform::InstallBackend(std::move(backend));
  if (!platform::CreateMainWindow("")) return false;
  _FullScreen = 1;  // the 16-bit display mode, so that the effects' tables exist
  return elDraw::Screen(640, 480, 1) == 1;
}

// A clear back surface, the chequered background in the cell area, and the
// virtual screen held to the cell, so that every effect stays inside it.
void PrepareCell() {
  elDraw::VirtualScreen(0, 0, elDraw::Width, elDraw::Height);
  elDraw::Clear();
  gallery::DrawCellBackground();
  elDraw::VirtualScreen(0, 0, gallery::kPictureWidth, gallery::kPictureHeight);
  FrameTime = gallery::kFrameSeconds;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "effects-gallery: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: effects-gallery OUTPUT.png\n", stderr);
    return 2;
  }
  if (!OpenHeadlessDisplay()) return Fail("cannot open the headless display");
  const int picture = gallery::CreateTestPicture();
  if (picture == 0) return Fail("cannot create the test picture");
  gallery::Cells cells;
  gallery::AddLayerCells(cells);
  gallery::AddMovingCells(cells);
  gallery::AddProceduralCells(cells);
  gallery::ContactSheet sheet(static_cast<int>(cells.size()), kColumns);
  for (const gallery::Cell& cell : cells) {
    PrepareCell();
    cell.draw(picture);
    sheet.Add(cell.label);
  }
  std::string error;
  const bool written = sheet.Write(argv[1], &error);
  elDraw::Exit();
  platform::ResetBackend();
  if (!written) return Fail(error);
  std::printf("effects-gallery: %zu cells written to %s\n", cells.size(), argv[1]);
  return 0;
}
