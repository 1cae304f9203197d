#include "tools/story_source/build.h"

#include <memory>

#include "tools/story_source/build_story.h"
#include "tools/story_source/schema.h"

namespace story_source {
namespace {

using project::kMaxListCount;

// A list of texts of at most `max_entries`; `place` names entry i (from 0).
template <typename Place, typename Store>
void ReadTextList(BuildContext& context, const Node& node, int max_entries, Place place,
                  Store store) {
  if (!ExpectType(context, node, node.value->is_array(), "an array")) return;
  if (static_cast<int>(node.value->size()) > max_entries) {
    context.Error(node, "holds " + std::to_string(node.value->size()) + " entries; at most " +
                            std::to_string(max_entries) + " fit");
    return;
  }
  for (size_t i = 0; i < node.value->size(); ++i) {
    Node entry = node.Element(i).At(place(i), -1);
    entry.key.clear();
    const std::string utf8 = entry.value->is_string() ? entry.value->get<std::string>() : "";
    if (const auto sjis = ReadText(context, entry, kMaxTextBytes)) store(i, utf8, *sjis);
  }
}

void ReadAssets(BuildContext& context, const Node& node, StoryState& state) {
  ObjectReader reader(context, node, {"persons", "fronts", "backs", "sounds", "songs", "items"});
  for (const auto& info : kAssetLists) {
    const auto list = reader.Get(info.key);
    if (!list) continue;
    auto& names = state.catalog.lists[info.list];
    auto& stored = state.data->picname.names[info.list];
    ReadTextList(
        context, *list, kMaxListCount,
        [&](size_t i) { return std::string(info.what) + " " + std::to_string(i + 1); },
        [&](size_t i, const std::string& utf8, const std::string& sjis) {
          names.resize(i + 1);
          names[i] = utf8;
          StoreText(sjis, &stored[i + 1]);
        });
    // Entries that failed keep their place, so that the numbers stay right.
    names.resize(list->value->is_array() ? std::min<size_t>(list->value->size(), kMaxListCount)
                                         : 0);
    state.data->picname.counts[info.list] = static_cast<int32_t>(names.size());
  }
}

void ReadSpeakers(BuildContext& context, const Node& node, StoryState& state) {
  auto& speakers = state.catalog.speakers;
  ReadTextList(
      context, node, kMaxListCount, [](size_t i) { return "speaker " + std::to_string(i + 1); },
      [&](size_t i, const std::string& utf8, const std::string& sjis) {
        speakers.resize(i + 1);
        speakers[i] = utf8;
        StoreText(sjis, &state.data->str5[i + 1]);
      });
}

// First pass over "pages": numbers and names.
void CollectPages(BuildContext& context, const Node& node, StoryState& state) {
  if (!ExpectType(context, node, node.value->is_array(), "an array")) return;
  std::array<int, project::kPages> defined_by{};
  defined_by.fill(-1);
  int number = -1;
  for (size_t i = 0; i < node.value->size(); ++i) {
    Node page = node.Element(i).At("pages entry " + std::to_string(i), -1);
    page.key.clear();
    // Only the number and the name now; the second pass checks the keys.
    if (!ExpectType(context, page, page.value->is_object(), "an object")) continue;
    if (const Node n = page.Child("page"); n.value != nullptr) {
      const auto value = ReadInteger(context, n, 0, project::kPages - 1);
      if (!value) continue;
      number = static_cast<int>(*value);
    } else if (++number >= project::kPages) {
      context.Error(page, "no page number is left after 999; give \"page\"");
      continue;
    }
    if (defined_by[number] >= 0) {
      context.Error(page, "page " + std::to_string(number) +
                              " is defined twice (also by pages entry " +
                              std::to_string(defined_by[number]) + ")");
      continue;
    }
    defined_by[number] = static_cast<int>(i);
    PageEntry entry{page, number, {}};
    if (const Node n = page.Child("name"); n.value != nullptr) {
      const auto name = ReadString(context, n);
      if (name && name->empty()) context.Error(n, "a page name cannot be empty");
      if (name && !name->empty()) {
        if (state.names.Add(*name, number)) {
          entry.name = *name;
        } else {
          context.Error(n, "the page name \"" + *name + "\" is taken by page " +
                               std::to_string(state.names.Find(*name)));
        }
      }
    }
    entry.node = page.At(PagePlace(number, entry.name), number);
    state.pages.push_back(std::move(entry));
  }
}

void ReadTop(BuildContext& context, const ObjectReader& top, StoryState& state) {
  project::ProjectData& data = *state.data;
  if (const auto n = top.Get("assets")) ReadAssets(context, *n, state);
  if (const auto n = top.Get("speakers")) ReadSpeakers(context, *n, state);
  if (const auto n = top.Get("title")) {
    if (const auto sjis = ReadText(context, *n, kMaxTextBytes)) StoreText(*sjis, &data.str3[2]);
  }
  if (const auto n = top.Get("layout")) {
    Node layout = n->At("default layout", -1);
    layout.key.clear();
    BuildLayout(context, layout, &data.str6);
  }
  if (const auto n = top.Get("pages")) CollectPages(context, *n, state);
  if (const auto n = top.Get("start")) {
    if (const auto page = ReadTarget(context, *n, state.names)) data.sinariono = *page;
  }
  for (size_t i = 0; i < state.pages.size(); ++i) {
    const int following = i + 1 < state.pages.size() ? state.pages[i + 1].number : -1;
    BuildPage(context, state, state.pages[i], following);
  }
  if (const auto n = top.Get("raw")) BuildRaw(context, *n, &state.raw);
}

}  // namespace

BuildResult BuildStory(std::string_view source) {
  BuildResult result;
  const auto document = ParseJson(source, &result.diagnostics);
  if (!document) return result;
  return BuildStory(*document);
}

BuildResult BuildStory(const JsonDocument& document) {
  BuildResult result;
  BuildContext context(document, &result.diagnostics);
  auto data = std::make_unique<project::ProjectData>();
  StoryState state;
  state.data = data.get();
  const Node root{&document.root, "", "", "", -1, -1};
  const ObjectReader top(context, root,
                         {"title", "start", "assets", "speakers", "layout", "pages", "raw"});
  if (!top.IsObject()) return result;
  ReadTop(context, top, state);
  if (HasErrors(result.diagnostics)) return result;
  result.image = project::Encode(*data);
  ApplyRuns(state.raw, &result.image);
  result.ok = true;
  return result;
}

}  // namespace story_source
