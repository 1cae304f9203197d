#include "tools/story_source/raw.h"

#include <algorithm>

#include "runtime/project/project_file.h"
#include "tools/story_source/diagnostics.h"
#include "tools/story_source/schema.h"

namespace story_source {
namespace {

constexpr size_t kTextRecordBytes = project::kTextBytes;
constexpr size_t kPageTableBytes = project::kPageFields * 4;
constexpr size_t kLayoutBytes = project::kSlots * project::kScreenParamBytes;
constexpr size_t kCountsBytes = project::kAssetListCount * 4;
constexpr size_t kListBytes = project::kListEntries * kTextRecordBytes;

std::string Byte(size_t n) {
  return " byte " + std::to_string(n);
}

std::string SlotPlace(size_t within_layout) {
  const size_t slot = within_layout / project::kScreenParamBytes;
  return "slot " + std::string(kSlotInfo[slot].name) +
         Byte(within_layout % project::kScreenParamBytes);
}

std::string DescribeText(size_t within) {
  const int record = static_cast<int>(within / kTextRecordBytes);
  return LinePlace(record / project::kRecordsPerPage, record % project::kRecordsPerPage) + " text" +
         Byte(within % kTextRecordBytes);
}

std::string DescribeNames(size_t within) {
  if (within < kCountsBytes) return "count of assets." + std::string(kAssetLists[within / 4].key);
  const size_t list = (within - kCountsBytes) / kListBytes;
  const size_t entry_offset = (within - kCountsBytes) % kListBytes;
  return "assets." + std::string(kAssetLists[list].key) + " entry " +
         std::to_string(entry_offset / kTextRecordBytes) + Byte(entry_offset % kTextRecordBytes);
}

}  // namespace

int BlockAt(size_t offset) {
  for (size_t i = 0; i < project::kBlocks.size(); ++i) {
    const auto& block = project::kBlocks[i];
    if (offset >= block.offset && offset < block.offset + block.size) return static_cast<int>(i);
  }
  return -1;
}

int BlockNamed(std::string_view name) {
  for (size_t i = 0; i < project::kBlocks.size(); ++i)
    if (project::kBlocks[i].name == name) return static_cast<int>(i);
  return -1;
}

std::string DescribeOffset(size_t offset) {
  const int index = BlockAt(offset);
  if (index < 0) return "past the end of the file";
  const auto& block = project::kBlocks[index];
  const size_t within = offset - block.offset;
  const std::string_view name = block.name;
  if (name == "str") return DescribeText(within);
  if (name == "str2")
    return PagePlace(static_cast<int>(within / kPageTableBytes)) + ", field " +
           std::to_string(within % kPageTableBytes / 4);
  if (name == "str3") {
    const size_t record = within / kTextRecordBytes;
    return (record == 2 ? std::string("title") : "str3 record " + std::to_string(record)) +
           Byte(within % kTextRecordBytes);
  }
  if (name == "str5")
    return "speaker " + std::to_string(within / kTextRecordBytes) + Byte(within % kTextRecordBytes);
  if (name == "str6") return "default layout, " + SlotPlace(within);
  if (name == "str7") return "str7 integer " + std::to_string(within / 4);
  if (name == "picname") return DescribeNames(within);
  if (name == "pagescrinf")
    return PagePlace(static_cast<int>(within / kLayoutBytes)) + ", layout " +
           SlotPlace(within % kLayoutBytes);
  if (name == "pagescrused") return PagePlace(static_cast<int>(within)) + ", own layout switch";
  if (name == "sinariono") return "start page" + Byte(within);
  return std::string(name) + Byte(within);
}

std::vector<RawRun> DiffImages(std::span<const uint8_t> original, std::span<const uint8_t> built) {
  std::vector<RawRun> runs;
  const size_t size = std::min(original.size(), built.size());
  for (const auto& block : project::kBlocks) {
    const size_t end = std::min(block.offset + block.size, size);
    size_t pos = block.offset;
    while (pos < end) {
      if (original[pos] == built[pos]) {
        ++pos;
        continue;
      }
      // Extend the run while the next difference lies within the merge gap.
      size_t last = pos;
      for (size_t probe = pos + 1; probe < end && probe <= last + kRawMergeGap; ++probe)
        if (original[probe] != built[probe]) last = probe;
      runs.push_back({pos,
                      {original.begin() + static_cast<std::ptrdiff_t>(pos),
                       original.begin() + static_cast<std::ptrdiff_t>(last + 1)}});
      pos = last + 1;
    }
  }
  return runs;
}

void ApplyRuns(const std::vector<RawRun>& runs, std::vector<uint8_t>* image) {
  for (const auto& run : runs) {
    if (run.offset > image->size() || run.bytes.size() > image->size() - run.offset) continue;
    std::copy(run.bytes.begin(), run.bytes.end(),
              image->begin() + static_cast<std::ptrdiff_t>(run.offset));
  }
}

std::string ToHex(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const uint8_t b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

bool FromHex(std::string_view hex, std::vector<uint8_t>* bytes) {
  if (hex.size() % 2 != 0) return false;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  bytes->clear();
  bytes->reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]);
    const int low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes->push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return true;
}

}  // namespace story_source
