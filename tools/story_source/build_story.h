// The parts of building a story, shared by the files that read them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "runtime/project/project_file.h"
#include "tools/story_source/build_reader.h"
#include "tools/story_source/raw.h"

namespace story_source {

// One entry of "pages" after the first pass: its number and name are known,
// so that every target can name any page.
struct PageEntry {
  Node node;
  int number = 0;
  std::string name;
};

struct StoryState {
  project::ProjectData* data = nullptr;
  AssetCatalog catalog;
  PageNames names;
  std::vector<PageEntry> pages;
  std::vector<RawRun> raw;
};

// Fills the page's texts and fields; `following` is the page after it in the
// source, or -1.
void BuildPage(BuildContext& context, StoryState& state, const PageEntry& entry, int following);
// Fills nine layout slots from a layout object.
void BuildLayout(BuildContext& context, const Node& node,
                 std::array<project::ScreenParam, project::kSlots>* layout);
// Reads the "raw" section into runs.
void BuildRaw(BuildContext& context, const Node& node, std::vector<RawRun>* runs);

}  // namespace story_source
