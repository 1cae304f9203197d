// The story's advance: the next line of a page, or the end of the page by its
// end type; and the auto timer that moves the story on by itself.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "engine/el.h"
#include "runtime/story/random.h"
#include "runtime/story/story.h"

namespace {

namespace field = project::field;
namespace end_type = project::end_type;

constexpr int kLastLine = project::kMessageLines - 1;
constexpr int kAutoDelayUnitMs = 100;

// Delays of the automatic modes, by `autoflug` (0, manual, arms nothing).
constexpr int kSlowMs = 4000;
constexpr int kNormalMs = 2000;
constexpr int kFastMs = 500;

int Field(int index) {
  return runtime::CurrentPageField(index);
}

bool HoldsItem(int item) {
  const int held = std::clamp(itemnownum, 0, kMaxItems);
  return std::find(itembox.begin(), itembox.begin() + held, item) != itembox.begin() + held;
}

// A random page from lo to hi, both included. A range that is inside out or
// reaches outside the pages leaves the page where it is, without a draw.
void GoToRandomPage(int lo, int hi) {
  if (hi < lo || !runtime::IsPage(lo) || !runtime::IsPage(hi)) return;
  const int span = hi - lo + 1;
  runtime::GoToPage(lo + runtime::Random() % span);
}

// The last line has been read: the page ends as its end type says. An end
// type the runtime does not know keeps the page on its last line.
void EndPage() {
  switch (Field(field::kEndType)) {
    case end_type::kNext:
      runtime::GoToPage(Field(field::kNextPage));
      break;
    case end_type::kChoice:
      selectflug = 1;
      break;
    case end_type::kRandom:
      GoToRandomPage(Field(field::kRandomLow), Field(field::kRandomHigh));
      break;
    case end_type::kVisited:
      runtime::GoToPage(runtime::PageVisited(Field(field::kVisitedPage))
                            ? Field(field::kVisitedTarget)
                            : Field(field::kNotVisitedTarget));
      break;
    case end_type::kItem:
      runtime::GoToPage(HoldsItem(Field(field::kTestedItem)) ? Field(field::kHeldTarget)
                                                             : Field(field::kNotHeldTarget));
      break;
    default:
      break;
  }
}

}  // namespace

void selectfunc0() {
  // A page's lines run up to its first empty record; line 9 is always the
  // last, whatever the choice texts after it hold.
  if (gyou >= 0 && gyou < kLastLine && !runtime::PageText(sinariono, gyou + 1).empty()) {
    soundflug = 0;
    ++gyou;
    return;
  }
  EndPage();
}

void autospeedfunc() {
  if (Field(field::kAutoPage) != 0) {
    // The page's own delay; a negative one counts as none, a huge one is
    // kept within the timer's range.
    const int64_t delay_ms = int64_t{Field(field::kAutoDelay)} * kAutoDelayUnitMs;
    elSystem::SetWait(1, static_cast<int>(std::clamp<int64_t>(delay_ms, 0, INT_MAX)));
    return;
  }
  switch (autoflug) {
    case 1:
      elSystem::SetWait(1, kSlowMs);
      break;
    case 2:
      elSystem::SetWait(1, kNormalMs);
      break;
    case 3:
      elSystem::SetWait(1, kFastMs);
      break;
    default:
      break;
  }
}
