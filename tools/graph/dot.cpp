#include <algorithm>
#include <set>
#include <sstream>

#include "platform/encoding.h"
#include "tools/graph/graph.h"
#include "tools/story_source/flow.h"

namespace graph {
namespace {

namespace field = project::field;
using story_source::Edge;
using story_source::EdgeKind;

constexpr size_t kLabelChars = 24;

// A DOT string literal.
std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out + "\"";
}

// A stored text in UTF-8, cut after `max_chars` characters.
std::string Short(std::string_view sjis, size_t max_chars = kLabelChars) {
  const std::string utf8 = platform::Cp932ToUtf8(sjis);
  size_t chars = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (chars++ == max_chars) return utf8.substr(0, i) + "…";
  }
  return utf8;
}

std::string NodeId(int page) {
  return "p" + std::to_string(page);
}

// An item by its file name when it is listed, else by its number.
std::string ItemName(const project::ProjectData& data, int32_t item) {
  const int32_t count = data.picname.counts[project::kItems];
  if (item >= 1 && item <= count && count <= project::kMaxListCount) {
    const std::string_view name = project::FieldText(data.picname.names[project::kItems][item]);
    if (!name.empty()) return Short(name);
  }
  return std::to_string(item);
}

std::string EdgeLabel(const project::ProjectData& data, const Edge& edge) {
  const auto& f = data.str2[edge.from];
  switch (edge.kind) {
    case EdgeKind::kNext:
      return "next";
    case EdgeKind::kChoice:
      return Short(project::FieldText(
          data.str[project::RecordIndex(edge.from, project::kMessageLines + edge.choice)]));
    case EdgeKind::kRandom:
      return "random";
    case EdgeKind::kVisited:
      return "visited " + std::to_string(f[field::kVisitedPage]);
    case EdgeKind::kNotVisited:
      return "not visited " + std::to_string(f[field::kVisitedPage]);
    case EdgeKind::kHeld:
      return "held " + ItemName(data, f[field::kTestedItem]);
    case EdgeKind::kNotHeld:
      return "not held " + ItemName(data, f[field::kTestedItem]);
  }
  return {};
}

class DotWriter {
 public:
  explicit DotWriter(const project::ProjectData& data)
      : data_(data), reached_(story_source::ReachablePages(data)) {}

  std::string Write() {
    out_ << "digraph story {\n"
         << "  graph [rankdir=TB, fontname=\"IPAGothic\"];\n"
         << "  node [shape=box, style=rounded, fontname=\"IPAGothic\", fontsize=11];\n"
         << "  edge [fontname=\"IPAGothic\", fontsize=9];\n";
    for (int page = 0; page < project::kPages; ++page)
      if (story_source::PageHasContent(data_, page)) Edges(page);
    Entries();
    for (const int page : pages_) Node(page);
    out_ << "}\n";
    return out_.str();
  }

 private:
  void Edges(int page) {
    pages_.insert(page);
    auto edges = story_source::PageEdges(data_, page, /*keep_outside=*/true);
    const auto& f = data_.str2[page];
    const int32_t low = f[field::kRandomLow];
    const int32_t high = f[field::kRandomHigh];
    if (f[field::kEndType] == project::end_type::kRandom && !edges.empty() &&
        high - low + 1 > kMaxRandomEdges) {
      const std::string range = "r" + std::to_string(page);
      out_ << "  " << range << " [shape=ellipse, style=dashed, label="
           << Quote("pages " + std::to_string(low) + "–" + std::to_string(high)) << "];\n";
      out_ << "  " << NodeId(page) << " -> " << range << " [label=\"random\"];\n";
      return;
    }
    for (size_t k = 0; k < edges.size(); ++k) {
      const Edge& edge = edges[k];
      std::string target = NodeId(edge.to);
      if (edge.to < 0 || edge.to >= project::kPages) {
        // The player stays on the page; show where the data points.
        target = "x" + std::to_string(page) + "_" + std::to_string(k);
        out_ << "  " << target << " [shape=plaintext, color=red, fontcolor=red, label="
             << Quote("page " + std::to_string(edge.to) + "\n(outside 0..999)") << "];\n";
      } else {
        pages_.insert(edge.to);
      }
      out_ << "  " << NodeId(edge.from) << " -> " << target
           << " [label=" << Quote(EdgeLabel(data_, edge)) << "];\n";
    }
  }

  void Entries() {
    const int start = data_.sinariono;
    if (start < 0 || start >= project::kPages) return;
    pages_.insert(start);
    out_ << "  start [shape=plaintext, label=\"start\"];\n  start -> " << NodeId(start) << ";\n";
    // The menu's restart begins at page 0 whatever the start page is.
    bool menu = false;
    for (int page = 0; page < project::kPages && !menu; ++page)
      menu = reached_[page] && story_source::LayoutOf(data_, page)[project::slot::kMenu].show != 0;
    if (menu && start != 0) {
      pages_.insert(0);
      out_ << "  restart [shape=plaintext, label=\"restart (menu)\"];\n"
           << "  restart -> p0 [style=dashed];\n";
    }
  }

  void Node(int page) {
    std::string label = std::to_string(page);
    if (!story_source::PageHasContent(data_, page)) {
      label += "\n(empty)";
    } else {
      label += ": " + Short(project::FieldText(data_.str[project::RecordIndex(page, 0)]));
    }
    std::string attributes;
    if (story_source::EndsNever(data_, page)) {
      label += "\n(never ends)";
      attributes += ", color=red, fontcolor=red";
    }
    if (!reached_[page]) {
      label += "\n(unreachable)";
      attributes +=
          ", style=\"rounded,dashed,filled\", fillcolor=\"#eeeeee\", fontcolor=\"#777777\"";
    }
    out_ << "  " << NodeId(page) << " [label=" << Quote(label) << attributes << "];\n";
  }

  const project::ProjectData& data_;
  std::vector<bool> reached_;
  std::set<int> pages_;
  std::ostringstream out_;
};

}  // namespace

std::string StoryDot(const project::ProjectData& data) {
  return DotWriter(data).Write();
}

}  // namespace graph
