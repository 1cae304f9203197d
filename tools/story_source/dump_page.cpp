// Writing one page and the layouts readably. Only what `build` accepts is
// written; the rest of the page's bytes go raw.
#include "tools/story_source/dump_internal.h"
#include "tools/story_source/schema.h"
#include "tools/story_source/text.h"

namespace story_source {
namespace {

namespace field = project::field;
using PageFields = std::array<int32_t, project::kPageFields>;

bool IsPage(int32_t value) {
  return value >= 0 && value < project::kPages;
}
int32_t PageOrZero(int32_t value) {
  return IsPage(value) ? value : 0;
}

// A text as the source writes it; "" when it cannot be written (it goes raw).
std::string TextOf(const project::ProjectData& data, int page, int line) {
  return ReadableText(data.str[project::RecordIndex(page, line)]).value_or("");
}

Json DumpLines(const project::ProjectData& data, int page, const RefWriter& refs) {
  const PageFields& f = data.str2[page];
  Json lines = Json::array();
  int used = 0;  // lines up to the last one with anything to write
  for (int k = 0; k < project::kMessageLines; ++k) {
    Json line = Json::object();
    if (std::string text = TextOf(data, page, k); !text.empty()) line["text"] = std::move(text);
    const int32_t person = f[field::kPerson0 + 2 * k];
    if (person > 0 && person <= project::kMaxListCount) line["person"] = refs.Person(person);
    const int32_t sound = f[field::kSound0 + 2 * k];
    if (sound > 0 && refs.Valid(project::kSounds, sound))
      line["sound"] = refs.Asset(project::kSounds, sound);
    if (!line.empty()) used = k + 1;
    // A line of text alone is written as its text.
    if (line.size() == 1 && line.contains("text")) {
      lines.push_back(line["text"]);
    } else {
      lines.push_back(line.empty() ? Json("") : std::move(line));
    }
  }
  lines.erase(lines.begin() + used, lines.end());
  return lines;
}

Json DumpChoices(const project::ProjectData& data, int page) {
  const PageFields& f = data.str2[page];
  Json choices = Json::array();
  size_t used = 0;
  for (int k = 0; k < project::kChoices; ++k) {
    Json choice = Json::object();
    const std::string text = TextOf(data, page, project::kMessageLines + k);
    const int32_t target = PageOrZero(f[field::kChoiceTarget0 + k]);
    if (!text.empty()) choice["text"] = text;
    if (!text.empty() || target != 0) choice["to"] = target;
    if (!choice.empty()) used = static_cast<size_t>(k) + 1;
    choices.push_back(std::move(choice));
  }
  choices.erase(choices.begin() + static_cast<std::ptrdiff_t>(used), choices.end());
  return choices;
}

Json DumpEnd(const project::ProjectData& data, int page, const RefWriter& refs) {
  const PageFields& f = data.str2[page];
  const int32_t type = f[field::kEndType];
  if (type == project::end_type::kNext) return PageOrZero(f[field::kNextPage]);
  Json end = Json::object();
  if (type < 0 || type >= static_cast<int32_t>(kEndTypeNames.size())) {
    end["type"] = type;  // the page never ends
    return end;
  }
  end["type"] = kEndTypeNames[type];
  switch (type) {
    case project::end_type::kChoice:
      end["choices"] = DumpChoices(data, page);
      break;
    case project::end_type::kRandom: {
      const bool ok = IsPage(f[field::kRandomLow]) && IsPage(f[field::kRandomHigh]) &&
                      f[field::kRandomLow] <= f[field::kRandomHigh];
      end["lowest"] = ok ? f[field::kRandomLow] : 0;
      end["highest"] = ok ? f[field::kRandomHigh] : 0;
      break;
    }
    case project::end_type::kVisited:
      end["page"] = PageOrZero(f[field::kVisitedPage]);
      end["visited"] = PageOrZero(f[field::kVisitedTarget]);
      end["not_visited"] = PageOrZero(f[field::kNotVisitedTarget]);
      break;
    default: {
      const int32_t item = f[field::kTestedItem];
      end["item"] = refs.Valid(project::kItems, item) ? refs.Asset(project::kItems, item) : Json(0);
      end["held"] = PageOrZero(f[field::kHeldTarget]);
      end["not_held"] = PageOrZero(f[field::kNotHeldTarget]);
      break;
    }
  }
  return end;
}

void DumpExtras(const PageFields& f, const RefWriter& refs, Json* page) {
  const auto asset = [&](const char* key, project::AssetList list, int index) {
    if (f[index] > 0 && refs.Valid(list, f[index])) (*page)[key] = refs.Asset(list, f[index]);
  };
  asset("back", project::kBacks, field::kBackPicture);
  asset("front", project::kFronts, field::kFrontPicture);
  asset("song", project::kSongs, field::kSong);
  if (f[field::kGivesItem] == 1 && f[field::kGivenItem] > 0 &&
      refs.Valid(project::kItems, f[field::kGivenItem]))
    (*page)["give_item"] = refs.Asset(project::kItems, f[field::kGivenItem]);
  if (f[field::kAutoPage] == 1 && f[field::kAutoDelay] >= 0)
    (*page)["auto_ms"] = int64_t{f[field::kAutoDelay]} * kAutoDelayUnitMs;
}

Json SlotJson(const project::ScreenParam& slot, SlotKind kind) {
  const SlotFieldNames names = FieldNames(kind);
  Json json = Json::object();
  if (slot.show != 0) json["show"] = FlagJson(slot.show);
  if (slot.x != 0) json["x"] = slot.x;
  if (slot.y != 0) json["y"] = slot.y;
  if (slot.sizex != 0) json[names.sizex] = slot.sizex;
  if (slot.sizey != 0) {
    const bool named = names.sizey_is_colour && slot.sizey > 0 &&
                       slot.sizey < static_cast<int32_t>(kColourNames.size());
    json[names.sizey] = named ? Json(kColourNames[slot.sizey]) : Json(slot.sizey);
  }
  if (slot.sprite != 0) json[names.sprite] = FlagJson(slot.sprite);
  if (slot.stretch != 0) json[names.stretch] = FlagJson(slot.stretch);
  return json;
}

}  // namespace

Json FlagJson(uint8_t value) {
  return value == 1 ? Json(true) : Json(value);
}

Json DumpLayout(const std::array<project::ScreenParam, project::kSlots>& layout) {
  Json json = Json::object();
  for (size_t i = 0; i < kSlotInfo.size(); ++i) {
    Json slot = SlotJson(layout[i], kSlotInfo[i].kind);
    if (!slot.empty()) json[kSlotInfo[i].name] = std::move(slot);
  }
  return json;
}

Json DumpPage(const project::ProjectData& data, int page, const RefWriter& refs) {
  Json json = Json::object();
  json["page"] = page;
  if (Json lines = DumpLines(data, page, refs); !lines.empty()) json["lines"] = std::move(lines);
  DumpExtras(data.str2[page], refs, &json);
  if (data.pagescrused[page] == 1) json["layout"] = DumpLayout(data.pagescrinf[page]);
  json["end"] = DumpEnd(data, page, refs);
  // A page with nothing to say beside the zero end is left out.
  if (json.size() == 2 && json["end"] == Json(0)) return nullptr;
  return json;
}

}  // namespace story_source
