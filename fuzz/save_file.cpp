// Feeds arbitrary bytes to the reader of s.dat. The first input byte is the
// song count the load is checked against; the rest is the file. Aborts when
// a load is applied with a field out of range, or when a refused load
// changed anything, or when a whole file does not come back unchanged
// through the writer.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "runtime/save/save_file.h"

namespace {

bool InRange(const runtime::SaveData& d, int song_count) {
  return d.page >= 0 && d.page < project::kPages && d.line >= 0 &&
         d.line < project::kMessageLines && d.item_count >= 0 && d.item_count <= kMaxItems &&
         d.song >= 0 && d.song <= song_count;
}

bool Same(const runtime::SaveData& a, const runtime::SaveData& b) {
  return runtime::EncodeSave(a) == runtime::EncodeSave(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int song_count = data[0] % project::kListEntries;
  const std::span<const uint8_t> image(data + 1, size - 1);

  runtime::SaveData before;
  before.page = 3;
  before.line = 1;
  before.song = 0;
  runtime::SaveData loaded = before;
  if (!runtime::DecodeSave(image, song_count, &loaded)) {
    if (!Same(loaded, before)) std::abort();
    return 0;
  }
  if (!InRange(loaded, song_count)) std::abort();
  if (image.size() >= runtime::save_offset::kEnd) {
    const auto written = runtime::EncodeSave(loaded);
    if (!std::equal(written.begin(), written.end(), image.begin())) std::abort();
  }
  return 0;
}
