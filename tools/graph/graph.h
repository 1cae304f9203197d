// `aoat graph`: the page graph of a project in Graphviz DOT. Edges are
// labelled by how the page ends (next, the choice's text, random, visited /
// not visited, held / not held); pages play cannot reach are drawn dashed and
// grey, pages that never end in red.
#pragma once

#include <string>

#include "runtime/project/project_file.h"

namespace graph {

// A random range wider than this is drawn as one edge to a range node.
inline constexpr int kMaxRandomEdges = 12;

std::string StoryDot(const project::ProjectData& data);

// Runs Graphviz's `dot` to draw a DOT file as SVG. False, with the reason,
// when dot is not installed or fails.
bool RenderSvg(const std::string& dot_path, const std::string& svg_path, std::string* error);

}  // namespace graph
