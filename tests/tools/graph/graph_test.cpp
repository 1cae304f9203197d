#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/support.h"
#include "tests/tools/story_fixtures.h"
#include "tools/graph/graph.h"

namespace {

constexpr const char* kStory = R"({
  "assets": {"items": ["key.bmp"]},
  "pages": [
    {"lines": ["始め"], "end": 1},
    {"lines": ["選ぶ"], "end": {"type": "choice", "choices": [
      {"text": "右へ \"行く\"", "to": 2}, {"to": 9}, {"text": "左", "to": 3}]}},
    {"lines": ["右"], "end": {"type": "visited", "page": 3, "visited": 4, "not_visited": 5}},
    {"lines": ["左"], "end": {"type": "item", "item": 1, "held": 4, "not_held": 6}},
    {"lines": ["四"], "end": {"type": "random", "lowest": 5, "highest": 6}},
    {"lines": ["五"], "end": {"type": "random", "lowest": 100, "highest": 300}},
    {"lines": ["六"], "end": {"type": 7}},
    {"page": 50, "lines": ["孤島"], "end": 0}
  ]
})";

std::string Dot() {
  return graph::StoryDot(*tool_test::MustBuild(kStory));
}

bool Has(const std::string& dot, const std::string& part) {
  return dot.find(part) != std::string::npos;
}

TEST(Graph, LabelsEdgesByHowThePageEnds) {
  const std::string dot = Dot();
  EXPECT_TRUE(Has(dot, "p0 -> p1 [label=\"next\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p1 -> p2 [label=\"右へ \\\"行く\\\"\"];"))
      << dot;  // the choice's text, escaped
  EXPECT_TRUE(Has(dot, "p1 -> p3 [label=\"左\"];")) << dot;
  EXPECT_FALSE(Has(dot, "p1 -> p9")) << dot;  // a choice without text cannot be picked
  EXPECT_TRUE(Has(dot, "p2 -> p4 [label=\"visited 3\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p2 -> p5 [label=\"not visited 3\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p3 -> p4 [label=\"held key.bmp\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p3 -> p6 [label=\"not held key.bmp\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p4 -> p5 [label=\"random\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p4 -> p6 [label=\"random\"];")) << dot;
}

TEST(Graph, ShowsTargetsOutsideThePagesAsMarkedDeadEnds) {
  auto data = tool_test::MustBuild(kStory);
  data->str2[0][project::field::kNextPage] = 1200;  // only a patched file holds this
  const std::string dot = graph::StoryDot(*data);
  EXPECT_TRUE(Has(dot, "p0 -> x0_0 [label=\"next\"];")) << dot;
  EXPECT_TRUE(Has(dot, "label=\"page 1200\\n(outside 0..999)\"")) << dot;
  EXPECT_FALSE(Has(dot, "p1200")) << dot;
}

TEST(Graph, DrawsAWideRandomRangeAsOneNode) {
  const std::string dot = Dot();
  EXPECT_TRUE(Has(dot, "r5 [shape=ellipse, style=dashed, label=\"pages 100–300\"];")) << dot;
  EXPECT_TRUE(Has(dot, "p5 -> r5 [label=\"random\"];")) << dot;
  EXPECT_FALSE(Has(dot, "p5 -> p100")) << dot;
}

TEST(Graph, MarksUnreachableAndNeverEndingPages) {
  const std::string dot = Dot();
  EXPECT_TRUE(Has(dot, "p50 [label=\"50: 孤島\\n(unreachable)\", style=\"rounded,dashed,filled\""))
      << dot;
  EXPECT_TRUE(Has(dot, "p6 [label=\"6: 六\\n(never ends)\", color=red")) << dot;
  EXPECT_TRUE(Has(dot, "p1 [label=\"1: 選ぶ\"];")) << dot;
  EXPECT_TRUE(Has(dot, "start -> p0;")) << dot;
  EXPECT_FALSE(Has(dot, "restart")) << dot;
}

TEST(Graph, ShowsTheMenusRestartWhenPlayBeginsElsewhere) {
  const auto data = tool_test::MustBuild(R"({"start": 1, "layout": {"menu": {"show": true}},
    "pages": [{"lines": ["a"], "end": 1}, {"lines": ["b"], "end": 1}]})");
  const std::string dot = graph::StoryDot(*data);
  EXPECT_TRUE(Has(dot, "restart -> p0 [style=dashed];")) << dot;
  EXPECT_FALSE(Has(dot, "(unreachable)")) << dot;
}

TEST(Graph, RendersSvgWithGraphviz) {
  test_support::TempFolder folder;
  const auto dot_path = folder.Write("story.dot", Dot());
  const auto svg_path = folder.Path() / "story.svg";
  std::string error;
  if (!graph::RenderSvg(dot_path.string(), svg_path.string(), &error)) {
    GTEST_SKIP() << error;
  }
  EXPECT_NE(folder.Read("story.svg").find("<svg"), std::string::npos);
}

TEST(Graph, ReportsAFailingDrawing) {
  test_support::TempFolder folder;
  const auto dot_path = folder.Write("broken.dot", "digraph {");
  std::string error;
  if (graph::RenderSvg(dot_path.string(), (folder.Path() / "x.svg").string(), &error)) {
    FAIL() << "a broken DOT file was drawn";
  }
  EXPECT_FALSE(error.empty());
}

}  // namespace
