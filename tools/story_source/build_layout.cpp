// Layouts: nine slots by name, each with its fields by the names that say
// what they mean in that slot.
#include "tools/story_source/build_story.h"
#include "tools/story_source/schema.h"

namespace story_source {
namespace {

void ReadSlot(BuildContext& context, const Node& node, SlotKind kind, project::ScreenParam* slot) {
  const SlotFieldNames names = FieldNames(kind);
  const ObjectReader reader(
      context, node, {"show", "x", "y", names.sprite, names.stretch, names.sizex, names.sizey});
  if (!reader.IsObject()) return;
  const auto flag = [&](std::string_view key, uint8_t* out) {
    if (const auto n = reader.Get(key)) {
      if (const auto v = ReadFlag(context, *n)) *out = *v;
    }
  };
  const auto integer = [&](std::string_view key, int32_t* out) {
    if (const auto n = reader.Get(key)) {
      if (const auto v = ReadInteger(context, *n, INT32_MIN, INT32_MAX))
        *out = static_cast<int32_t>(*v);
    }
  };
  flag("show", &slot->show);
  flag(names.sprite, &slot->sprite);
  flag(names.stretch, &slot->stretch);
  integer("x", &slot->x);
  integer("y", &slot->y);
  integer(names.sizex, &slot->sizex);
  if (!names.sizey_is_colour) {
    integer(names.sizey, &slot->sizey);
  } else if (const auto n = reader.Get(names.sizey)) {
    if (const auto colour = ReadColour(context, *n)) slot->sizey = *colour;
  }
}

}  // namespace

void BuildLayout(BuildContext& context, const Node& node,
                 std::array<project::ScreenParam, project::kSlots>* layout) {
  const ObjectReader reader(
      context, node,
      {"menu", "message", "items", "frame", "person", "front", "back", "backdrop", "choices"});
  for (size_t i = 0; i < kSlotInfo.size(); ++i) {
    const auto slot = reader.Get(kSlotInfo[i].name);
    if (!slot) continue;
    Node placed = slot->At(node.where + ", slot " + std::string(kSlotInfo[i].name), node.page);
    placed.key.clear();
    ReadSlot(context, placed, kSlotInfo[i].kind, &(*layout)[i]);
  }
}

}  // namespace story_source
