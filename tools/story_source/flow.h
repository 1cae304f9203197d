// The page graph as play walks it: how each page can end, and which pages
// play can reach. Lint and graph share it.
#pragma once

#include <array>
#include <vector>

#include "runtime/project/project_file.h"

namespace story_source {

enum class EdgeKind { kNext, kChoice, kRandom, kVisited, kNotVisited, kHeld, kNotHeld };

struct Edge {
  int from = 0;
  int to = 0;
  EdgeKind kind = EdgeKind::kNext;
  int choice = -1;  // 0-3 for choice edges
};

// The ways a page can be left, as the player takes them: only targets inside
// 0..999, only choices with a text, random ranges page by page. With
// `keep_outside`, targets outside 0..999 (which the player refuses) are kept
// too, so that a graph can show where the data points nowhere.
std::vector<Edge> PageEdges(const project::ProjectData& data, int page, bool keep_outside = false);

// The layout the player uses for a page: its own or the default one.
const std::array<project::ScreenParam, project::kSlots>& LayoutOf(const project::ProjectData& data,
                                                                  int page);

// True when the page holds anything: a text, a non-zero field or its own layout.
bool PageHasContent(const project::ProjectData& data, int page);

// True when the page's end type is not one of the five: it stays on its last line.
bool EndsNever(const project::ProjectData& data, int page);

// Pages play can reach from the start page. Page 0 counts as reached once a
// reached page shows the menu, whose restart entry begins at page 0.
std::vector<bool> ReachablePages(const project::ProjectData& data);

// Number of message lines the player shows: lines up to the first empty one,
// and always line 0.
int ShownLines(const project::ProjectData& data, int page);

}  // namespace story_source
