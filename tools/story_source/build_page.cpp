// The second pass over "pages": lines, pictures, song, item, auto delay,
// layout and the way the page ends.
#include <string>

#include "tools/story_source/build_story.h"
#include "tools/story_source/schema.h"

namespace story_source {
namespace {

namespace field = project::field;
using PageFields = std::array<int32_t, project::kPageFields>;

struct PageBuild {
  BuildContext& context;
  StoryState& state;
  const PageEntry& entry;
  PageFields& fields;

  project::TextRecord& Record(int line) const {
    return state.data->str[project::RecordIndex(entry.number, line)];
  }
  std::string LineWhere(int line) const { return LinePlace(entry.number, line, entry.name); }
};

void ReadLine(PageBuild& page, Node node, int k) {
  if (node.value->is_string()) {
    if (const auto sjis = ReadText(page.context, node, kMaxTextBytes))
      StoreText(*sjis, &page.Record(k));
    return;
  }
  const ObjectReader reader(page.context, node, {"text", "person", "sound"});
  if (const auto n = reader.Get("text")) {
    if (const auto sjis = ReadText(page.context, *n, kMaxTextBytes))
      StoreText(*sjis, &page.Record(k));
  }
  if (const auto n = reader.Get("person")) {
    if (const auto person = ReadPersonRef(page.context, *n, page.state.catalog))
      page.fields[field::kPerson0 + 2 * k] = *person;
  }
  if (const auto n = reader.Get("sound")) {
    if (const auto sound = ReadAssetRef(page.context, *n, page.state.catalog, project::kSounds))
      page.fields[field::kSound0 + 2 * k] = *sound;
  }
}

void ReadLines(PageBuild& page, const Node& node) {
  if (!ExpectType(page.context, node, node.value->is_array(), "an array")) return;
  if (node.value->size() > project::kMessageLines) {
    page.context.Error(
        node, "holds " + std::to_string(node.value->size()) + " lines; a page has at most 10");
    return;
  }
  for (size_t k = 0; k < node.value->size(); ++k) {
    const int line = static_cast<int>(k);
    Node element = node.Element(k).At(page.LineWhere(line), page.entry.number, line);
    element.key.clear();
    ReadLine(page, element, line);
  }
}

// A target that an end of this type must have.
std::optional<int> RequiredTarget(PageBuild& page, const ObjectReader& reader, const Node& end,
                                  std::string_view key, std::string_view type) {
  const auto n = reader.Get(key);
  if (!n) {
    page.context.Error(end,
                       "a \"" + std::string(type) + "\" end needs \"" + std::string(key) + "\"");
    return std::nullopt;
  }
  return ReadTarget(page.context, *n, page.state.names);
}

void StoreTarget(const std::optional<int>& target, int32_t* field) {
  if (target) *field = *target;
}

void ReadChoice(PageBuild& page, const Node& node, int k) {
  const int line = project::kMessageLines + k;
  Node choice = node.At(page.LineWhere(line), page.entry.number, line);
  choice.key.clear();
  const ObjectReader reader(page.context, choice, {"text", "to"});
  if (!reader.IsObject()) return;
  bool has_text = false;
  if (const auto n = reader.Get("text")) {
    if (const auto sjis = ReadText(page.context, *n, kMaxTextBytes)) {
      StoreText(*sjis, &page.Record(line));
      has_text = !sjis->empty();
    }
  }
  if (const auto n = reader.Get("to")) {
    StoreTarget(ReadTarget(page.context, *n, page.state.names),
                &page.fields[field::kChoiceTarget0 + k]);
  } else if (has_text) {
    page.context.Error(choice, "a choice with a text needs \"to\"");
  }
}

void ReadChoices(PageBuild& page, const ObjectReader& reader, const Node& end) {
  const auto n = reader.Get("choices");
  if (!n) {
    page.context.Error(end, "a \"choice\" end needs \"choices\"");
    return;
  }
  if (!ExpectType(page.context, *n, n->value->is_array(), "an array")) return;
  if (n->value->size() > project::kChoices) {
    page.context.Error(
        *n, "holds " + std::to_string(n->value->size()) + " choices; a page has at most 4");
    return;
  }
  for (size_t k = 0; k < n->value->size(); ++k)
    ReadChoice(page, n->Element(k), static_cast<int>(k));
}

void ReadRandom(PageBuild& page, const ObjectReader& reader, const Node& end) {
  const auto lowest = RequiredTarget(page, reader, end, "lowest", "random");
  const auto highest = RequiredTarget(page, reader, end, "highest", "random");
  if (lowest && highest && *highest < *lowest) {
    page.context.Error(*reader.Get("highest"), "the highest page (" + std::to_string(*highest) +
                                                   ") is below the lowest (" +
                                                   std::to_string(*lowest) + ")");
    return;
  }
  StoreTarget(lowest, &page.fields[field::kRandomLow]);
  StoreTarget(highest, &page.fields[field::kRandomHigh]);
}

void ReadBranch(PageBuild& page, const ObjectReader& reader, const Node& end, int type) {
  if (type == project::end_type::kVisited) {
    StoreTarget(RequiredTarget(page, reader, end, "page", "visited"),
                &page.fields[field::kVisitedPage]);
    StoreTarget(RequiredTarget(page, reader, end, "visited", "visited"),
                &page.fields[field::kVisitedTarget]);
    StoreTarget(RequiredTarget(page, reader, end, "not_visited", "visited"),
                &page.fields[field::kNotVisitedTarget]);
    return;
  }
  if (const auto n = reader.Get("item")) {
    if (const auto item = ReadAssetRef(page.context, *n, page.state.catalog, project::kItems))
      page.fields[field::kTestedItem] = *item;
  } else {
    page.context.Error(end, "an \"item\" end needs \"item\"");
  }
  StoreTarget(RequiredTarget(page, reader, end, "held", "item"), &page.fields[field::kHeldTarget]);
  StoreTarget(RequiredTarget(page, reader, end, "not_held", "item"),
              &page.fields[field::kNotHeldTarget]);
}

std::optional<int32_t> ReadEndType(PageBuild& page, const Node& end) {
  const Node type = end.Child("type");
  if (type.value == nullptr) {
    page.context.Error(end, "an end object needs \"type\" (next, choice, random, visited, item)");
    return std::nullopt;
  }
  if (type.value->is_string()) {
    const auto index = IndexOf(kEndTypeNames, type.value->get<std::string>());
    if (!index)
      page.context.Error(type, "unknown end type " + type.value->dump() +
                                   " (known: next, choice, random, visited, item, or a number)");
    return index;
  }
  const auto n = ReadInteger(page.context, type, INT32_MIN, INT32_MAX);
  return n ? std::optional<int32_t>(static_cast<int32_t>(*n)) : std::nullopt;
}

void ReadEndObject(PageBuild& page, const Node& end, int following) {
  if (!ExpectType(page.context, end, end.value->is_object(), "a page or an object")) return;
  const auto type = ReadEndType(page, end);
  if (!type) return;
  page.fields[field::kEndType] = *type;
  using namespace project::end_type;
  if (*type == kNext) {
    const ObjectReader reader(page.context, end, {"type", "to"});
    if (const auto n = reader.Get("to")) {
      StoreTarget(ReadTarget(page.context, *n, page.state.names), &page.fields[field::kNextPage]);
    } else if (following >= 0) {
      page.fields[field::kNextPage] = following;
    } else {
      page.context.Error(end, "the last page of the source needs \"to\"");
    }
  } else if (*type == kChoice) {
    ReadChoices(page, ObjectReader(page.context, end, {"type", "choices"}), end);
  } else if (*type == kRandom) {
    ReadRandom(page, ObjectReader(page.context, end, {"type", "lowest", "highest"}), end);
  } else if (*type == kVisited) {
    ReadBranch(page, ObjectReader(page.context, end, {"type", "page", "visited", "not_visited"}),
               end, *type);
  } else if (*type == kItem) {
    ReadBranch(page, ObjectReader(page.context, end, {"type", "item", "held", "not_held"}), end,
               *type);
  } else {
    const ObjectReader reader(page.context, end, {"type"});  // a page that never ends
  }
}

void ReadEnd(PageBuild& page, const std::optional<Node>& end, int following) {
  if (!end) {
    if (following >= 0) {
      page.fields[field::kNextPage] = following;
    } else {
      page.context.Error(page.entry.node, "the last page of the source needs an \"end\"");
    }
    return;
  }
  Node node = end->At(PagePlace(page.entry.number, page.entry.name) + ", end", page.entry.number);
  node.key.clear();
  if (node.value->is_string() || node.value->is_number()) {
    StoreTarget(ReadTarget(page.context, node, page.state.names), &page.fields[field::kNextPage]);
    return;
  }
  ReadEndObject(page, node, following);
}

void ReadPageExtras(PageBuild& page, const ObjectReader& reader) {
  const auto asset = [&](std::string_view key, project::AssetList list, int field_index) {
    if (const auto n = reader.Get(key)) {
      if (const auto number = ReadAssetRef(page.context, *n, page.state.catalog, list))
        page.fields[field_index] = *number;
    }
  };
  asset("back", project::kBacks, field::kBackPicture);
  asset("front", project::kFronts, field::kFrontPicture);
  asset("song", project::kSongs, field::kSong);
  if (const auto n = reader.Get("give_item")) {
    const auto item = ReadAssetRef(page.context, *n, page.state.catalog, project::kItems);
    if (item && *item > 0) {
      page.fields[field::kGivesItem] = 1;
      page.fields[field::kGivenItem] = *item;
    }
  }
  if (const auto n = reader.Get("auto_ms")) {
    const auto ms = ReadInteger(page.context, *n, 0, kMaxAutoDelayMs);
    if (ms && *ms % kAutoDelayUnitMs != 0) {
      page.context.Error(*n, "the delay is kept in steps of 100 ms; " + std::to_string(*ms) +
                                 " is not a multiple of 100");
    } else if (ms) {
      page.fields[field::kAutoPage] = 1;
      page.fields[field::kAutoDelay] = static_cast<int32_t>(*ms / kAutoDelayUnitMs);
    }
  }
}

}  // namespace

void BuildPage(BuildContext& context, StoryState& state, const PageEntry& entry, int following) {
  const ObjectReader reader(
      context, entry.node,
      {"page", "name", "lines", "back", "front", "song", "give_item", "auto_ms", "layout", "end"});
  if (!reader.IsObject()) return;
  PageBuild page{context, state, entry, state.data->str2[entry.number]};
  if (const auto n = reader.Get("lines")) ReadLines(page, *n);
  ReadPageExtras(page, reader);
  if (const auto n = reader.Get("layout")) {
    Node layout = n->At(PagePlace(entry.number, entry.name) + ", layout", entry.number);
    layout.key.clear();
    BuildLayout(context, layout, &state.data->pagescrinf[entry.number]);
    state.data->pagescrused[entry.number] = 1;
  }
  ReadEnd(page, reader.Get("end"), following);
}

}  // namespace story_source
