// The story screen's menu: five text entries in a column (restart, end,
// save, load, advance mode), drawn over the story picture every frame and the
// first to answer a left click.
#include <array>
#include <cstdint>

#include "engine/el.h"
#include "runtime/save/save_game.h"
#include "runtime/story/story.h"
#include "runtime/story/story_internal.h"

namespace {

constexpr int kMenuEntries = 5;
constexpr int kEntryWidthInHeights = 5;  // an entry is 5 font heights wide
constexpr int kCentred = 1;              // AreaDraw position mode
constexpr int kLastMode = 3;

enum Entry { kRestart = 0, kEnd, kSave, kLoad, kMode };

// Labels, and the form shown while the pointer lies on the entry.
struct Label {
  const char* plain;
  const char* pointed;
};
constexpr std::array<Label, 4> kFixedLabels{{
    {"開始", "〆開始"},
    {"終了", "〆終了"},
    {"セーブ", "〆セーブ"},
    {"ロード", "〆ロード"},
}};
// The mode entry by advance mode: manual, slow, normal, fast.
constexpr std::array<Label, 4> kModeLabels{{
    {"手動", "〆手動"},
    {"遅自動", "〆遅自動"},
    {"普自動", "〆普自動"},
    {"速自動", "〆速自動"},
}};

const Label& EntryLabel(int entry) {
  if (entry < kMode) return kFixedLabels[static_cast<size_t>(entry)];
  const int mode = autoflug >= 0 && autoflug <= kLastMode ? autoflug : 0;
  return kModeLabels[static_cast<size_t>(mode)];
}

// Entry `entry`'s rectangle, left and top included. The slot comes from the
// project file: wide arithmetic keeps any value it holds from overflowing.
struct EntryRect {
  int64_t left, top, right, bottom;
};
EntryRect MenuEntryRect(const SCREENPRM& slot, int entry) {
  const int64_t s = slot.sizex;
  const int64_t top = slot.y + entry * s;
  return {slot.x, top, slot.x + kEntryWidthInHeights * s, top + s};
}

const SCREENPRM& MenuSlot() {
  return runtime::CurrentLayout()[project::slot::kMenu];
}

void SaveFromMenu() {
  if (runtime::SaveGame()) {
    elSystem::Message("セーブ完了");
  } else {
    elSystem::Message("セーブに失敗しました");
  }
}

// Loading resumes at the saved line with the saved song; when there is no
// usable save the current line and song start again.
void LoadFromMenu() {
  runtime::LoadGame();
  runtime::PlaySong(savemidi);
  midiflug = 1;
  soundflug = 0;
  selectflug = 0;
  _ScreenNo = 4;
  _LastScreenNo = 0;
}

void Act(int entry) {
  switch (entry) {
    case kRestart:
      // The title screen starts the new game; a restart always begins at
      // page 0, whatever the project's start page.
      sinariono = 0;
      _ScreenNo = 3;
      _LastScreenNo = 0;
      break;
    case kEnd:
      _ScreenNo = 0;
      _LastScreenNo = 0;
      break;
    case kSave:
      SaveFromMenu();
      break;
    case kLoad:
      LoadFromMenu();
      break;
    default:
      autoflug = runtime::story::NextAdvanceMode(autoflug);
      break;
  }
}

}  // namespace

namespace runtime {

bool PointInMenuEntry(const SCREENPRM& slot, int entry, int x, int y) {
  const EntryRect r = MenuEntryRect(slot, entry);
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void DrawSystemMenu(const ScreenLayout& layout) {
  const SCREENPRM& slot = layout[project::slot::kMenu];
  if (slot.show == 0) return;
  runtime::story::BeginGothic(slot.sizex, slot.sprite != 0);
  runtime::story::TextColor(selectcolor(slot.sizey));
  for (int entry = 0; entry < kMenuEntries; ++entry) {
    const Label& label = EntryLabel(entry);
    const bool pointed = PointInMenuEntry(slot, entry, MousePX, MousePY);
    const EntryRect r = MenuEntryRect(slot, entry);
    elFont::AreaDraw(runtime::story::ClampToInt(r.left), runtime::story::ClampToInt(r.top),
                     runtime::story::ClampToInt(r.right), runtime::story::ClampToInt(r.bottom),
                     pointed ? label.pointed : label.plain, kCentred);
  }
  elFont::Before();
}

}  // namespace runtime

uint8_t sysfunc() {
  const SCREENPRM& slot = MenuSlot();
  // A hidden menu still takes every left click: in manual mode the story then
  // moves on only through the automatic modes of the right button.
  if (slot.show == 0) return 1;
  for (int entry = 0; entry < kMenuEntries; ++entry) {
    if (runtime::PointInMenuEntry(slot, entry, MousePX, MousePY)) {
      Act(entry);
      return 1;
    }
  }
  return 0;
}
