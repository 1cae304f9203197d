// The demo story: it builds, and it shows every kind of page the player has.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <queue>
#include <set>

#include "demo/generator/assets.h"
#include "runtime/project/project_file.h"
#include "tests/support/support.h"
#include "tools/story_source/build.h"

namespace {

namespace field = project::field;
namespace end_type = project::end_type;

struct Story {
  std::unique_ptr<project::ProjectData> data = std::make_unique<project::ProjectData>();
  std::set<int> pages;  // pages with any text

  const std::array<int32_t, project::kPageFields>& Fields(int page) const {
    return data->str2[page];
  }
  bool HasText(int page, int line) const {
    return !project::FieldText(data->str[project::RecordIndex(page, line)]).empty();
  }
};

const Story& DemoStory() {
  static const Story story = [] {
    std::ifstream in(test_support::SourceDir() / "demo" / "story.json", std::ios::binary);
    const std::string source((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const story_source::BuildResult built = story_source::BuildStory(source);
    EXPECT_TRUE(built.ok) << built.diagnostics.size() << " diagnostics";
    Story s;
    project::Decode(built.image, s.data.get());
    for (int page = 0; page < project::kPages; ++page) {
      for (int line = 0; line < project::kRecordsPerPage; ++line) {
        if (s.HasText(page, line)) s.pages.insert(page);
      }
    }
    return s;
  }();
  return story;
}

// Pages a page can lead to, by its end.
std::vector<int> Targets(const Story& story, int page) {
  const auto& f = story.Fields(page);
  switch (f[field::kEndType]) {
    case end_type::kNext:
      return {f[field::kNextPage]};
    case end_type::kChoice: {
      std::vector<int> out;
      for (int k = 0; k < project::kChoices; ++k) {
        if (story.HasText(page, project::kMessageLines + k)) out.push_back(f[23 + k]);
      }
      return out;
    }
    case end_type::kRandom: {
      std::vector<int> out;
      for (int p = f[field::kRandomLow]; p <= f[field::kRandomHigh]; ++p) out.push_back(p);
      return out;
    }
    case end_type::kVisited:
      return {f[field::kVisitedTarget], f[field::kNotVisitedTarget]};
    case end_type::kItem:
      return {f[field::kHeldTarget], f[field::kNotHeldTarget]};
    default:
      return {};
  }
}

TEST(DemoStory, HasFifteenToThirtyPagesAllReachableFromTheStart) {
  const Story& story = DemoStory();
  EXPECT_GE(story.pages.size(), 15u);
  EXPECT_LE(story.pages.size(), 30u);
  std::set<int> seen{story.data->sinariono};
  std::queue<int> todo;
  todo.push(story.data->sinariono);
  while (!todo.empty()) {
    const int page = todo.front();
    todo.pop();
    for (int next : Targets(story, page)) {
      ASSERT_TRUE(story.pages.contains(next)) << "page " << page << " leads to empty page " << next;
      if (seen.insert(next).second) todo.push(next);
    }
  }
  EXPECT_EQ(seen, story.pages);
}

TEST(DemoStory, UsesEveryEndAndEndsOnAPageLeftOnlyByTheMenu) {
  const Story& story = DemoStory();
  std::multiset<int> ends;
  for (int page : story.pages) ends.insert(story.Fields(page)[field::kEndType]);
  for (int type = end_type::kNext; type <= end_type::kItem; ++type) {
    EXPECT_GE(ends.count(type), 1u) << "end type " << type;
  }
  // The last page stays until the reader picks the menu's end entry, which
  // leads to the ending screen.
  EXPECT_EQ(
      ends.size() - ends.count(0) - ends.count(1) - ends.count(2) - ends.count(3) - ends.count(4),
      1u);
}

TEST(DemoStory, ShowsItemsAutoPagesOwnLayoutsSongsAndSounds) {
  const Story& story = DemoStory();
  int gives = 0, auto_pages = 0, own_layouts = 0;
  std::set<int> songs, sounds, persons;
  for (int page : story.pages) {
    const auto& f = story.Fields(page);
    if (f[field::kGivesItem] != 0 && f[field::kGivenItem] > 0) ++gives;
    if (f[field::kAutoPage] != 0 && f[field::kAutoDelay] > 0) ++auto_pages;
    if (story.data->pagescrused[page] != 0) ++own_layouts;
    if (f[field::kSong] != 0) songs.insert(f[field::kSong]);
    for (int k = 0; k < project::kMessageLines; ++k) {
      if (f[2 * k + 1] != 0) sounds.insert(f[2 * k + 1]);
      if (f[2 * k] != 0) persons.insert(f[2 * k]);
    }
  }
  EXPECT_GE(gives, 3);
  EXPECT_GE(auto_pages, 1);
  EXPECT_GE(own_layouts, 1);
  EXPECT_GE(songs.size(), 3u);
  EXPECT_GE(sounds.size(), 5u);
  EXPECT_GE(persons.size(), 3u);
}

TEST(DemoStory, ListsOnlyFilesTheGeneratorMakes) {
  const Story& story = DemoStory();
  std::set<std::string> made;
  for (const demo::Asset& asset : demo::GameAssets()) made.insert(asset.path);
  const char* folders[project::kAssetListCount] = {"person", "frontmain", "backmain",
                                                   "wav",    "midi",      "item"};
  for (int list = 0; list < project::kAssetListCount; ++list) {
    const int count = story.data->picname.counts[list];
    EXPECT_GT(count, 0) << folders[list];
    for (int n = 1; n <= count; ++n) {
      const std::string name(project::FieldText(story.data->picname.names[list][n]));
      EXPECT_TRUE(made.contains(std::string(folders[list]) + "/" + name)) << name;
    }
  }
}

}  // namespace
