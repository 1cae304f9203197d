// The save file s.dat: 1816 bytes of story state, little-endian, without
// header or version. This is the one description of its layout; the menu's
// save and load go through it, and so does the fuzz harness.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "runtime/project/project_file.h"
#include "runtime/project/project_model.h"

namespace runtime {

// The story state a save holds, field by field in file order.
struct SaveData {
  int32_t page = 0;                                // sinariono
  int32_t line = 0;                                // gyou
  std::array<uint8_t, project::kPages> visited{};  // throwflug
  std::array<int32_t, kMaxItems> items{};          // itembox
  int32_t item_count = 0;                          // itemnownum
  int32_t song = 0;                                // savemidi
};

// Offsets of the fields in the file.
namespace save_offset {
inline constexpr size_t kPage = 0;
inline constexpr size_t kLine = 4;
inline constexpr size_t kVisited = 8;
inline constexpr size_t kItems = 1008;
inline constexpr size_t kItemCount = 1808;
inline constexpr size_t kSong = 1812;
inline constexpr size_t kEnd = 1816;
}  // namespace save_offset

// The whole file image, exactly 1816 bytes.
std::vector<uint8_t> EncodeSave(const SaveData& data);

// Reads a file image of any length into `data`: the fields it holds whole are
// filled in file order, the others keep their values; bytes past the layout
// are ignored. Nothing is filled, and false is returned, when a field it
// holds is out of range: the page outside 0..999, the line outside 0..9, the
// item count outside 0..200, the song outside 0..`song_count`.
bool DecodeSave(std::span<const uint8_t> image, int song_count, SaveData* data);

// The story state as a save holds it, and back.
SaveData CurrentSaveData();
void ApplySaveData(const SaveData& data);

}  // namespace runtime
