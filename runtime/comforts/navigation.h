// Where the pointer goes when the keys or the gamepad step through the
// choices or the menu, and where a click lands that must not hit the menu.
// The places come from the story's own layout and are checked with the
// story's own hit tests, so a step always lands where a click is understood.
#pragma once

#include <optional>
#include <vector>

namespace comforts {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A place the pointer can step to, and whether the pointer lies on it now.
struct Stop {
  Point point;
  bool pointed = false;
};

// The stop after the pointed one (`direction` +1) or before it (-1), going
// round; without a pointed stop, the first (or the last). Nullopt when there
// is no stop.
std::optional<Point> StepFrom(const std::vector<Stop>& stops, int direction);

// The story screen's stops now: the choice rows with a text while the
// choices show, else the menu's entries when the menu shows; none elsewhere.
std::vector<Stop> CurrentStops(Point pointer);
// The choice rows with a text, while the choices show.
std::vector<Stop> ChoiceStops(Point pointer);

// `pointer` when a click there does not reach the menu or a choice row,
// else a point of the screen where it would not.
Point AwayFromMenu(Point pointer);

}  // namespace comforts
