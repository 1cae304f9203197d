#include "runtime/save/save_file.h"

#include <algorithm>

#include "platform/byte_order.h"
#include "runtime/save/save_game.h"

namespace runtime {

static_assert(save_offset::kEnd == kSaveFileSize);

namespace {

void PutInt(std::vector<uint8_t>& out, size_t offset, int32_t value) {
  platform::StoreLe32(&out[offset], static_cast<uint32_t>(value));
}

int32_t GetInt(std::span<const uint8_t> in, size_t offset) {
  return static_cast<int32_t>(platform::LoadLe32(&in[offset]));
}

// True when the image holds the whole field that starts at `offset`.
bool Holds(std::span<const uint8_t> image, size_t offset, size_t size) {
  return image.size() >= offset + size;
}

bool InRange(int32_t value, int32_t low, int32_t high) {
  return value >= low && value <= high;
}

}  // namespace

std::vector<uint8_t> EncodeSave(const SaveData& data) {
  std::vector<uint8_t> out(save_offset::kEnd, 0);
  PutInt(out, save_offset::kPage, data.page);
  PutInt(out, save_offset::kLine, data.line);
  std::copy(data.visited.begin(), data.visited.end(), out.begin() + save_offset::kVisited);
  for (size_t i = 0; i < data.items.size(); ++i)
    PutInt(out, save_offset::kItems + 4 * i, data.items[i]);
  PutInt(out, save_offset::kItemCount, data.item_count);
  PutInt(out, save_offset::kSong, data.song);
  return out;
}

bool DecodeSave(std::span<const uint8_t> image, int song_count, SaveData* data) {
  // A field cut off by the end of the file is not read, and neither is any
  // field after it: the file simply ends there. Only the fields read are
  // checked; the state they would replace is not the file's concern.
  SaveData read = *data;
  bool in_range = true;
  const auto read_int = [&](size_t offset, int32_t low, int32_t high, int32_t* field) {
    if (!Holds(image, offset, 4)) return;
    *field = GetInt(image, offset);
    in_range = in_range && InRange(*field, low, high);
  };
  read_int(save_offset::kPage, 0, project::kPages - 1, &read.page);
  read_int(save_offset::kLine, 0, project::kMessageLines - 1, &read.line);
  if (Holds(image, save_offset::kVisited, read.visited.size()))
    std::copy_n(image.begin() + save_offset::kVisited, read.visited.size(), read.visited.begin());
  if (Holds(image, save_offset::kItems, 4 * read.items.size()))
    for (size_t i = 0; i < read.items.size(); ++i)
      read.items[i] = GetInt(image, save_offset::kItems + 4 * i);
  read_int(save_offset::kItemCount, 0, kMaxItems, &read.item_count);
  read_int(save_offset::kSong, 0, song_count, &read.song);
  if (!in_range) return false;
  *data = read;
  return true;
}

SaveData CurrentSaveData() {
  SaveData data;
  data.page = sinariono;
  data.line = gyou;
  data.visited = throwflug;
  std::copy(itembox.begin(), itembox.end(), data.items.begin());
  data.item_count = itemnownum;
  data.song = savemidi;
  return data;
}

void ApplySaveData(const SaveData& data) {
  sinariono = data.page;
  gyou = data.line;
  throwflug = data.visited;
  std::copy(data.items.begin(), data.items.end(), itembox.begin());
  itemnownum = data.item_count;
  savemidi = data.song;
}

}  // namespace runtime
