// One frame of the story screen: the picture, the overlays, the pointer, then
// the input of the frame and what it does to the story, and at the end the
// visited flag and the item of the page that is current after all that.
#include "engine/el.h"
#include "runtime/screens/screens.h"
#include "runtime/story/story.h"
#include "runtime/story/story_internal.h"

namespace {

namespace field = project::field;

// The left button's polling code, and the right one's.
constexpr unsigned kLeftButton = 1;
constexpr unsigned kRightButton = 2;

void DrawStoryFrame() {
  elDraw::Clear();
  const ScreenLayout& layout = runtime::CurrentLayout();
  if (soundflug == 0) {
    runtime::ComposeLine(layout);
  } else {
    runtime::DrawCachedLine();
  }
  if (selectflug == 1) runtime::DrawChoices(layout);
  if (layout[project::slot::kMenu].show != 0) runtime::DrawSystemMenu(layout);
  runtime::DrawPointer();
  elDraw::Refresh();
}

// The advance rules: the auto timer moves the story in the automatic modes
// and on auto pages; otherwise a left click does. While the timer of an
// automatic mode still runs, clicks outside the menu are ignored.
void Advance() {
  const bool elapsed = elSystem::Wait(1) != 0;
  const bool automatic = autoflug != 0;
  const bool auto_page = runtime::CurrentPageField(field::kAutoPage) != 0;
  if (elapsed && (automatic || auto_page)) {
    if (selectflug == 0) {
      selectfunc0();
      autospeedfunc();
    } else if (selectflug == 1 && KeyClick == 1) {
      selectfunc1();
      autospeedfunc();
    }
    return;
  }
  if (automatic || auto_page) return;
  if (KeyClick == 1) {
    if (selectflug == 0) {
      selectfunc0();
    } else if (selectflug == 1) {
      selectfunc1();
    }
  }
  // The click may have led to an auto page: its delay starts now.
  if (runtime::CurrentPageField(field::kAutoPage) != 0) autospeedfunc();
}

// The page that is current at the end of the frame gives its item the first
// time it is seen, and is marked visited. At most kMaxItems are held; a
// further item is not added.
void GiveItemAndMarkVisited() {
  if (runtime::CurrentPageField(field::kGivesItem) != 0 && !runtime::PageVisited(sinariono) &&
      itemnownum >= 0 && itemnownum < kMaxItems) {
    itembox[static_cast<size_t>(itemnownum)] = runtime::CurrentPageField(field::kGivenItem);
    ++itemnownum;
  }
  runtime::MarkPageVisited(sinariono);
}

// Reads the buttons and acts on them; the menu sees a left click first, and a
// right click only changes the advance mode.
void HandleInput() {
  elSystem::GetKey(kLeftButton, &KeyClick);
  elSystem::GetKey(kRightButton, &KeyClickR);
  if (KeyClick == 1 && sysfunc() != 0) return;
  if (KeyClickR == 1) {
    autoflug = runtime::story::NextAdvanceMode(autoflug);
    return;
  }
  Advance();
  GiveItemAndMarkVisited();
}

}  // namespace

void Main4Screen() {
  DrawStoryFrame();
  HandleInput();
  // The menu's restart sets the page to 0 but leaves the line to the title's
  // new game: that state is never shown, so it is not traced as a page.
  constexpr int kTitleScreen = 3;
  if (_ScreenNo != kTitleScreen) runtime::TraceStoryState();
}
