#include "runtime/comforts/navigation.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/el.h"
#include "runtime/comforts/story_watch.h"
#include "runtime/project/project_model.h"
#include "runtime/story/story.h"

namespace comforts {
namespace {

constexpr int kMenuEntries = 5;
constexpr int kEntryWidthInSizes = 5;
constexpr int kWidthPx = 640;
constexpr int kHeightPx = 480;

bool OnScreen(int64_t x, int64_t y) {
  return x >= 0 && x < kWidthPx && y >= 0 && y < kHeightPx;
}

// A candidate point is kept only when the story's hit test agrees.
template <typename HitTest>
void AddStop(std::vector<Stop>* stops, int64_t x, int64_t y, Point pointer, HitTest hits) {
  if (!OnScreen(x, y) || !hits(static_cast<int>(x), static_cast<int>(y))) return;
  stops->push_back({{static_cast<int>(x), static_cast<int>(y)}, hits(pointer.x, pointer.y)});
}

std::vector<Stop> MenuStops(Point pointer) {
  std::vector<Stop> stops;
  const SCREENPRM& slot = runtime::CurrentLayout()[project::slot::kMenu];
  if (slot.show == 0) return stops;
  const int64_t size = slot.sizex;
  for (int entry = 0; entry < kMenuEntries; ++entry) {
    AddStop(&stops, slot.x + kEntryWidthInSizes * size / 2, slot.y + entry * size + size / 2,
            pointer, [&](int x, int y) { return runtime::PointInMenuEntry(slot, entry, x, y); });
  }
  return stops;
}

bool HitsMenuOrChoice(Point p) {
  const ScreenLayout& layout = runtime::CurrentLayout();
  for (int entry = 0; entry < kMenuEntries; ++entry)
    if (runtime::PointInMenuEntry(layout[project::slot::kMenu], entry, p.x, p.y)) return true;
  if (selectflug != 1) return false;
  for (int row = 0; row < project::kChoices; ++row)
    if (runtime::PointInChoiceRow(layout[project::slot::kChoiceBox], row, p.x, p.y)) return true;
  return false;
}

}  // namespace

std::optional<Point> StepFrom(const std::vector<Stop>& stops, int direction) {
  if (stops.empty()) return std::nullopt;
  const auto pointed =
      std::find_if(stops.begin(), stops.end(), [](const Stop& s) { return s.pointed; });
  const int count = static_cast<int>(stops.size());
  int index = 0;
  if (pointed == stops.end()) {
    index = direction > 0 ? 0 : count - 1;
  } else {
    index = (static_cast<int>(pointed - stops.begin()) + (direction > 0 ? 1 : count - 1)) % count;
  }
  return stops[static_cast<size_t>(index)].point;
}

std::vector<Stop> ChoiceStops(Point pointer) {
  std::vector<Stop> stops;
  if (!OnStoryScreen() || selectflug != 1) return stops;
  const SCREENPRM& box = runtime::CurrentLayout()[project::slot::kChoiceBox];
  const int64_t size = box.sizex;
  for (int row = 0; row < project::kChoices; ++row) {
    if (runtime::PageText(sinariono, project::kMessageLines + row).empty()) continue;
    // Near the row's left end, where its text begins.
    AddStop(&stops, box.x + std::min<int64_t>(size, 16), box.y + (row + 1) * size + size / 2,
            pointer, [&](int x, int y) { return runtime::PointInChoiceRow(box, row, x, y); });
  }
  return stops;
}

std::vector<Stop> CurrentStops(Point pointer) {
  if (!OnStoryScreen()) return {};
  if (selectflug == 1) return ChoiceStops(pointer);
  return MenuStops(pointer);
}

Point AwayFromMenu(Point pointer) {
  if (!OnStoryScreen() || !HitsMenuOrChoice(pointer)) return pointer;
  static constexpr std::array<Point, 6> kCandidates{
      {{320, 240}, {8, 8}, {8, 470}, {630, 8}, {630, 470}, {320, 8}}};
  for (const Point& candidate : kCandidates)
    if (!HitsMenuOrChoice(candidate)) return candidate;
  return pointer;
}

}  // namespace comforts
