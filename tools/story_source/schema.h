// The names of the story source: asset lists with their folders, layout slots
// and their fields, colours and end types. Reading and writing both take their
// names from here, so the two directions cannot disagree.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/project/project_file.h"

namespace story_source {

// One asset list of the project: the key under "assets", the folder the
// player puts in front of every name, and what an entry is called in messages.
struct AssetListInfo {
  project::AssetList list;
  std::string_view key;
  std::string_view folder;  // as the player builds the path: backslash-separated
  std::string_view what;
};

inline constexpr std::array<AssetListInfo, project::kAssetListCount> kAssetLists{{
    {project::kPersons, "persons", "person\\", "person picture"},
    {project::kFronts, "fronts", "frontmain\\", "front picture"},
    {project::kBacks, "backs", "backmain\\", "back picture"},
    {project::kSounds, "sounds", "wav\\", "sound"},
    {project::kSongs, "songs", "midi\\", "song"},
    {project::kItems, "items", "item\\", "item picture"},
}};

// The fixed pictures the player loads from the layout folder besides the lists.
inline constexpr std::string_view kLogoPicture = "lyout\\mark.bmp";
inline constexpr std::string_view kPointerPicture = "lyout\\mouse.bmp";
inline constexpr std::string_view kTitlePicture = "lyout\\title.bmp";
inline constexpr std::string_view kBackdropPicture = "lyout\\bback.bmp";
inline constexpr std::string_view kFramePicture = "lyout\\fback.bmp";

// The loader builds each path in a buffer of this many bytes, terminator included.
inline constexpr int kPathBufferBytes = 100;
// A text field holds at most this many bytes before its terminating zero.
inline constexpr int kMaxTextBytes = project::kTextBytes - 1;
// The engine's sound table; sounds listed beyond it fail to load.
inline constexpr int kEngineSounds = 70;

// What the three variable fields of a layout slot mean depends on the slot.
enum class SlotKind { kText, kPicture, kChoiceBox };

struct SlotInfo {
  std::string_view name;
  SlotKind kind;
};

inline constexpr std::array<SlotInfo, project::kSlots> kSlotInfo{{
    {"menu", SlotKind::kText},
    {"message", SlotKind::kText},
    {"items", SlotKind::kPicture},
    {"frame", SlotKind::kPicture},
    {"person", SlotKind::kPicture},
    {"front", SlotKind::kPicture},
    {"back", SlotKind::kPicture},
    {"backdrop", SlotKind::kPicture},
    {"choices", SlotKind::kChoiceBox},
}};

// Source names of the stored fields sprite, stretch, sizex and sizey.
struct SlotFieldNames {
  std::string_view sprite;
  std::string_view stretch;
  std::string_view sizex;
  std::string_view sizey;
  bool sizey_is_colour;
};

constexpr SlotFieldNames FieldNames(SlotKind kind) {
  switch (kind) {
    case SlotKind::kText:
      return {"bold", "stretch", "size", "color", true};
    case SlotKind::kChoiceBox:
      return {"sprite", "stretch", "size", "color", true};
    case SlotKind::kPicture:
      break;
  }
  return {"sprite", "stretch", "width", "height", false};
}

// Colour numbers 0 to 10 by name; other numbers draw black.
inline constexpr std::array<std::string_view, 11> kColourNames{
    "black",   "white", "red",  "blue",  "yellow",    "green",
    "magenta", "cyan",  "grey", "olive", "light-grey"};

// End types 0 to 4 by name; any other number means the page never ends.
inline constexpr std::array<std::string_view, 5> kEndTypeNames{"next", "choice", "random",
                                                               "visited", "item"};

// Index of `name` in a name table, if it is there.
template <size_t N>
constexpr std::optional<int> IndexOf(const std::array<std::string_view, N>& table,
                                     std::string_view name) {
  for (size_t i = 0; i < N; ++i)
    if (table[i] == name) return static_cast<int>(i);
  return std::nullopt;
}

// Auto delays are stored in units of 100 ms and written in milliseconds.
inline constexpr int kAutoDelayUnitMs = 100;
inline constexpr int64_t kMaxAutoDelayMs = int64_t{INT32_MAX} * kAutoDelayUnitMs;

}  // namespace story_source
