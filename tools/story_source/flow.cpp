#include "tools/story_source/flow.h"

#include <algorithm>
#include <deque>

namespace story_source {
namespace {

namespace field = project::field;

bool IsPage(int32_t value) {
  return value >= 0 && value < project::kPages;
}

struct EdgeList {
  std::vector<Edge> edges;
  bool keep_outside = false;
  void Add(int from, int32_t to, EdgeKind kind, int choice = -1) {
    if (keep_outside || IsPage(to)) edges.push_back({from, to, kind, choice});
  }
};

bool RecordEmpty(const project::ProjectData& data, int page, int line) {
  return data.str[project::RecordIndex(page, line)][0] == '\0';
}

}  // namespace

std::vector<Edge> PageEdges(const project::ProjectData& data, int page, bool keep_outside) {
  const auto& f = data.str2[page];
  EdgeList list{{}, keep_outside};
  switch (f[field::kEndType]) {
    case project::end_type::kNext:
      list.Add(page, f[field::kNextPage], EdgeKind::kNext);
      break;
    case project::end_type::kChoice:
      for (int k = 0; k < project::kChoices; ++k)
        if (!RecordEmpty(data, page, project::kMessageLines + k))
          list.Add(page, f[field::kChoiceTarget0 + k], EdgeKind::kChoice, k);
      break;
    case project::end_type::kRandom:
      if (IsPage(f[field::kRandomLow]) && IsPage(f[field::kRandomHigh]))
        for (int32_t to = f[field::kRandomLow]; to <= f[field::kRandomHigh]; ++to)
          list.Add(page, to, EdgeKind::kRandom);
      break;
    case project::end_type::kVisited:
      list.Add(page, f[field::kVisitedTarget], EdgeKind::kVisited);
      list.Add(page, f[field::kNotVisitedTarget], EdgeKind::kNotVisited);
      break;
    case project::end_type::kItem:
      list.Add(page, f[field::kHeldTarget], EdgeKind::kHeld);
      list.Add(page, f[field::kNotHeldTarget], EdgeKind::kNotHeld);
      break;
    default:
      break;
  }
  return list.edges;
}

const std::array<project::ScreenParam, project::kSlots>& LayoutOf(const project::ProjectData& data,
                                                                  int page) {
  return data.pagescrused[page] != 0 ? data.pagescrinf[page] : data.str6;
}

bool PageHasContent(const project::ProjectData& data, int page) {
  for (int line = 0; line < project::kRecordsPerPage; ++line)
    if (!RecordEmpty(data, page, line)) return true;
  const auto& f = data.str2[page];
  return data.pagescrused[page] != 0 || std::any_of(f.begin(), f.begin() + field::kAutoDelay + 1,
                                                    [](int32_t v) { return v != 0; });
}

bool EndsNever(const project::ProjectData& data, int page) {
  const int32_t type = data.str2[page][field::kEndType];
  return type < project::end_type::kNext || type > project::end_type::kItem;
}

std::vector<bool> ReachablePages(const project::ProjectData& data) {
  std::vector<bool> reached(project::kPages, false);
  std::deque<int> queue;
  const auto reach = [&](int page) {
    if (IsPage(page) && !reached[page]) {
      reached[page] = true;
      queue.push_back(page);
    }
  };
  reach(data.sinariono);
  bool menu_seen = false;
  while (!queue.empty()) {
    const int page = queue.front();
    queue.pop_front();
    for (const Edge& edge : PageEdges(data, page)) reach(edge.to);
    if (!menu_seen && LayoutOf(data, page)[project::slot::kMenu].show != 0) {
      menu_seen = true;
      reach(0);
    }
  }
  return reached;
}

int ShownLines(const project::ProjectData& data, int page) {
  int lines = 1;
  while (lines < project::kMessageLines && !RecordEmpty(data, page, lines)) ++lines;
  return lines;
}

}  // namespace story_source
