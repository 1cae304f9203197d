// The three screens that frame the story: the logo at start-up, the title
// that starts a new game on a click, and the ending whose click ends the
// program.

#include "engine/el.h"
#include "platform/platform.h"
#include "runtime/screens/screens.h"
#include "runtime/shell/shell.h"
#include "runtime/story/random.h"
#include "runtime/story/story.h"
#include "runtime/story/story_internal.h"

namespace {

constexpr int kAutoTimer = 1;  // the wait slot of the logo and the auto advance
constexpr int kLogoMs = 2000;
constexpr int kLogoSizePx = 100;
constexpr int kLeftButton = 1;
constexpr int kPressed = 1;
constexpr int kEndingFontPx = 20;
constexpr int kCentred = 1;  // AreaDraw position mode
constexpr uint32_t kWhite = 0xFFFFFF;

bool LeftButtonWentDown() {
  elSystem::GetKey(kLeftButton, &KeyClick);
  return KeyClick == kPressed;
}

// Everything a new game starts from, except the page: the first game begins
// at the project's start page, a restart from the menu at page 0.
void StartNewGame() {
  platform::SetWindowTitle(runtime::TitleText());
  autoflug = 0;
  gyou = 0;
  midiflug = 0;
  soundflug = 0;
  selectflug = 0;
  elMusic::Stop();
  runtime::SeedRandom(static_cast<uint32_t>(platform::CalendarSeconds()));
  throwflug.fill(0);
  itembox.fill(0);
  itemnownum = 0;
}

}  // namespace

void Main1Screen() {
  if (_ChangeScreen == 1) elSystem::SetWait(kAutoTimer, kLogoMs);
  elDraw::Clear();
  elDraw::DirectLayer(270, 190, kovadinebmp, 0, 0, kLogoSizePx, kLogoSizePx);
  elDraw::Refresh();
  if (elSystem::Wait(kAutoTimer) != 0) {
    _ScreenNo = 2;
    _LastScreenNo = 0;
  }
}

void Main3Screen() {
  if (_ChangeScreen == 1) StartNewGame();
  elDraw::Clear();
  elDraw::DirectLayer(0, 0, titlebmp, 0, 0, 640, 480);
  runtime::DrawPointer();
  elDraw::Refresh();
  // The click that left the story's menu still reads held here, so a new
  // game needs a new press.
  if (!LeftButtonWentDown()) return;
  if (runtime::PageField(0, project::field::kAutoPage) != 0) autospeedfunc();
  _ScreenNo = 4;
  _LastScreenNo = 0;
}

void MainEndScreen() {
  elDraw::Clear();
  elDraw::DirectLayer(270, 100, kovadine2bmp, 0, 0, kLogoSizePx, kLogoSizePx);
  runtime::story::BeginGothic(kEndingFontPx, true);
  runtime::story::TextColor(kWhite);
  elFont::AreaDraw(0, 230, 640, 480, kEndingLine, kCentred);
  elFont::Before();
  runtime::DrawPointer();
  elDraw::Refresh();
  if (LeftButtonWentDown()) elDraw::Exit();
}
