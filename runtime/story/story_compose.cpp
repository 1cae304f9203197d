// The picture of a story line: the layout's picture slots from the back to
// the front, the line's sound, the page's song, the held items and the
// message text, composed once per line and cached in sprite 0.
#include <algorithm>
#include <iterator>
#include <string>

#include "engine/el.h"
#include "runtime/screens/screens.h"
#include "runtime/story/story.h"
#include "runtime/story/story_internal.h"

namespace {

namespace field = project::field;
namespace slot = project::slot;
using runtime::story::ClampToInt;

constexpr int kBufferSprite = 0;
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr uint32_t kSpeakerColor = 0xFF0000;  // blue
constexpr int kTextRows = 4;

enum class Kind { kOpaque, kKeyed };

int Field(int index) {
  return runtime::CurrentPageField(index);
}

// A loaded picture: sprite 0 is what the loader returns for a picture it
// could not load, and drawing it would lay the cache of an earlier line.
bool IsPicture(int sprite) {
  return sprite > kBufferSprite && sprite < static_cast<int>(std::size(Sprite)) &&
         Sprite[sprite].Object != nullptr;
}

// The sprite of list entry `number` of `table`, or 0 when the number is not
// one of the list's entries.
int ListedSprite(project::AssetList list, const std::array<int, kAssetTableSize>& table,
                 int number) {
  if (!runtime::IsListNumber(list, number)) return 0;
  return table[static_cast<size_t>(number)];
}

// Draws a whole picture at the slot's position: scaled to the slot's size
// when the slot stretches, else unscaled, opaque or with the colour key.
void DrawPicture(const SCREENPRM& at, int sprite, Kind kind) {
  if (!IsPicture(sprite)) return;
  const int width = Sprite[sprite].SizeX;
  const int height = Sprite[sprite].SizeY;
  if (at.stretch != 0) {
    elDraw::StretchLayer(at.x, at.y, sprite, 0, 0, width, height, at.sizex, at.sizey);
  } else if (kind == Kind::kKeyed) {
    elDraw::Layer(at.x, at.y, sprite, 0, 0, width, height);
  } else {
    elDraw::DirectLayer(at.x, at.y, sprite, 0, 0, width, height);
  }
}

void DrawSlot(const ScreenLayout& layout, int index, int sprite, Kind kind) {
  const SCREENPRM& at = layout[static_cast<size_t>(index)];
  if (at.show != 0) DrawPicture(at, sprite, kind);
}

void PlayLineSound(int line) {
  const int number = Field(2 * line + field::kSound0);
  if (!runtime::IsListNumber(project::kSounds, number)) return;
  // A sound that failed to load has no slot; the others play on the next mix
  // in turn.
  const int sound = effectwav[static_cast<size_t>(number)];
  if (sound >= 0) elSound::Play(sound, -1);
}

// The page's song starts once per entry to the page; a page without a song
// (or with a number beyond the list) leaves the music as it is.
void StartPageSong() {
  const int song = Field(field::kSong);
  if (midiflug != 0 || !runtime::IsListNumber(project::kSongs, song)) return;
  savemidi = song;
  runtime::PlaySong(song);
  midiflug = 1;
}

// The held items in a column from the slot's top, stepping by the natural
// height of item picture 1 (also when the items are scaled).
void DrawItems(const SCREENPRM& at) {
  const int first = itembmp[1];
  const bool first_in_table = first >= 0 && first < static_cast<int>(std::size(Sprite));
  const int width = first_in_table ? Sprite[first].SizeX : 0;
  const int height = first_in_table ? Sprite[first].SizeY : 0;
  const int held = std::clamp(itemnownum, 0, kMaxItems);
  for (int i = 0; i < held; ++i) {
    const int sprite = ListedSprite(project::kItems, itembmp, itembox[static_cast<size_t>(i)]);
    if (!IsPicture(sprite)) continue;
    const int y = ClampToInt(int64_t{at.y} + int64_t{height} * i);
    if (at.stretch != 0) {
      elDraw::StretchLayer(at.x, y, sprite, 0, 0, width, height, at.sizex, at.sizey);
    } else {
      elDraw::Layer(at.x, y, sprite, 0, 0, width, height);
    }
  }
}

// The speaker's name in blue, then up to four rows of the line's text one
// row pitch apart below it.
void DrawMessage(const SCREENPRM& at, int line) {
  const int size = at.sizex;
  runtime::story::BeginGothic(size, at.sprite != 0);
  const std::string text(runtime::PageText(sinariono, line));
  elSystem::FMessage(text.c_str());
  const int person = Field(2 * line + field::kPerson0);
  runtime::story::TextColor(kSpeakerColor);
  if (runtime::IsListNumber(project::kPersons, person)) {
    const char* name = hitoname[static_cast<size_t>(person)];
    if (name != nullptr) elFont::Draw(at.x, at.y, name);
  }
  runtime::story::TextColor(selectcolor(at.sizey));
  for (int row = 0; row < kTextRows; ++row) {
    const int y = ClampToInt(int64_t{at.y} + int64_t{size} * (row + 1));
    elFont::Draw(at.x, y, MsgBuffer[row]);
  }
  elFont::Before();
}

}  // namespace

namespace runtime {

void ComposeLine(const ScreenLayout& layout) {
  const int line = gyou;
  DrawSlot(layout, slot::kBackdrop, screenbmp, Kind::kOpaque);
  PlayLineSound(line);
  DrawSlot(layout, slot::kBack, ListedSprite(project::kBacks, backbmp, Field(field::kBackPicture)),
           Kind::kOpaque);
  DrawSlot(layout, slot::kFront,
           ListedSprite(project::kFronts, mainbmp, Field(field::kFrontPicture)), Kind::kKeyed);
  // The person is laid opaque, unlike the front picture.
  DrawSlot(layout, slot::kPerson,
           ListedSprite(project::kPersons, hitobmp, Field(2 * line + field::kPerson0)),
           Kind::kOpaque);
  DrawSlot(layout, slot::kFrame, lyoutbmp, Kind::kKeyed);
  StartPageSong();
  if (layout[slot::kItems].show != 0) DrawItems(layout[slot::kItems]);
  if (layout[slot::kMessage].show != 0) DrawMessage(layout[slot::kMessage], line);
  elDraw::SpriteScreen(kBufferSprite, 0, 0, kScreenWidth, kScreenHeight);
  soundflug = 1;
}

void DrawCachedLine() {
  elDraw::DirectLayer(0, 0, kBufferSprite, 0, 0, kScreenWidth, kScreenHeight);
}

}  // namespace runtime
