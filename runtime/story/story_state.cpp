// The state the player's screens share, and the few steps every screen uses.
#include <cstring>

#include "engine/el.h"
#include "platform/trace.h"
#include "runtime/screens/screens.h"
#include "runtime/story/story.h"

int mousebmp = 0;
int titlebmp = 0;
int screenbmp = 0;
int lyoutbmp = 0;
std::array<int, kAssetTableSize> hitobmp{};
std::array<int, kAssetTableSize> mainbmp{};
std::array<int, kAssetTableSize> backbmp{};
std::array<int, kAssetTableSize> itembmp{};
std::array<int, kAssetTableSize> effectwav{};
std::array<const char*, kAssetTableSize> hitoname{};
int KeyClick = 0;
int KeyClickR = 0;

namespace runtime {
namespace {

// The pointer picture is a strip; only its top-left corner is the pointer.
constexpr int kPointerWidth = 13;
constexpr int kPointerHeight = 21;

struct TracedStory {
  int page = -1;
  int line = -1;
  int choices = -1;
};
TracedStory g_traced;

}  // namespace

void GoToPage(int target) {
  if (!IsPage(target)) return;
  sinariono = target;
  gyou = 0;
  midiflug = 0;
  soundflug = 0;
  selectflug = 0;
}

const ScreenLayout& CurrentLayout() {
  return PageLayout(sinariono);
}

void DrawPointer() {
  // A pointer picture that failed to load is sprite 0, the story's cached
  // picture: draw nothing rather than a corner of it.
  if (mousebmp == 0) return;
  elDraw::Layer(MousePX, MousePY, mousebmp, 0, 0, kPointerWidth, kPointerHeight);
}

void PlaySong(int number) {
  if (number != 0 && !IsListNumber(project::kSongs, number)) return;
  // Entry 0 never receives the folder prefix; handing it over stops the song.
  const project::TextRecord& entry = picname.names[project::kSongs][static_cast<size_t>(number)];
  const std::string path(entry.data(), strnlen(entry.data(), entry.size()));
  elMusic::Play(path.c_str(), 1);
}

void TraceStoryState() {
  if (sinariono != g_traced.page || gyou != g_traced.line) {
    g_traced.page = sinariono;
    g_traced.line = gyou;
    platform::TraceEvent("page").Int("page", sinariono).Int("line", gyou);
  }
  if (selectflug != g_traced.choices) {
    const bool first = g_traced.choices < 0;
    g_traced.choices = selectflug;
    if (!first || selectflug != 0) platform::TraceEvent("select").Int("on", selectflug);
  }
}

}  // namespace runtime
