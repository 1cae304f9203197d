// Feeds arbitrary bytes to the reader of data.aoat, then reads the model the
// way the screens do, with every number taken from the file used as a page,
// line, list or colour number. Aborts when the file does not come back
// unchanged through the writer, which would mean a block was read at the
// wrong place.
//
// The first input byte picks the block at which the rest of the input lands
// (the file is zero up to there), so that small inputs reach the page table
// and the later blocks, which start 1.4 MB into the file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/project/project_model.h"

namespace {

// Touches every byte of a text so that a read past its field shows up under
// the address sanitizer.
size_t Touch(std::string_view text) {
  size_t sum = 0;
  for (const char c : text) sum += static_cast<unsigned char>(c);
  return sum;
}

size_t ReadWithFileNumbers(int page) {
  size_t sum = 0;
  for (int index = 0; index < project::kPageFields; ++index) {
    const int32_t value = runtime::PageField(page, index);
    sum += static_cast<size_t>(runtime::PageField(value, index));
    sum += Touch(runtime::PageText(value, index % project::kRecordsPerPage));
    sum += Touch(runtime::PageText(page, value));
    sum += Touch(runtime::PersonName(value));
    sum += runtime::PageVisited(value) ? 1 : 0;
    for (int list = 0; list < project::kAssetListCount; ++list)
      sum += Touch(runtime::ListName(static_cast<project::AssetList>(list), value));
    const ScreenLayout& layout = runtime::PageLayout(value);
    sum += selectcolor(layout[static_cast<size_t>(index % project::kSlots)].sizey);
  }
  return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> image;
  if (size > 0) {
    image.resize(project::kBlocks[data[0] % project::kBlocks.size()].offset);
    image.insert(image.end(), data + 1, data + size);
  }
  runtime::DecodeProject(image);

  const auto encoded = project::Encode(runtime::LoadedProject());
  const size_t kept = std::min(image.size(), project::kFileSize);
  if (encoded.size() != project::kFileSize ||
      !std::equal(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(kept),
                  encoded.begin()) ||
      std::any_of(encoded.begin() + static_cast<std::ptrdiff_t>(kept), encoded.end(),
                  [](uint8_t b) { return b != 0; }))
    std::abort();

  size_t sum = ReadWithFileNumbers(sinariono);
  for (const int page : {0, 1, project::kPages - 1}) sum += ReadWithFileNumbers(page);
  sum += Touch(runtime::TitleText());
  for (int list = 0; list < project::kAssetListCount; ++list)
    sum += static_cast<size_t>(runtime::ListCount(static_cast<project::AssetList>(list)));
  return sum == SIZE_MAX ? 1 : 0;
}
