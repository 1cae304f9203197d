// The "raw" section of a story source: runs of bytes of the project file that
// a story cannot otherwise express (padding, ignored integers, bytes after a
// text's terminating zero, list entries beyond their counts, values out of
// range). `dump` writes them so that `build` gives back the very same file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace story_source {

struct RawRun {
  size_t offset = 0;  // from the start of the file
  std::vector<uint8_t> bytes;
};

// Runs where `original` differs from `built` (both full-size images), split at
// block boundaries; differences fewer than kRawMergeGap bytes apart share a run.
inline constexpr size_t kRawMergeGap = 8;
std::vector<RawRun> DiffImages(std::span<const uint8_t> original, std::span<const uint8_t> built);

// Writes the runs over an image; they are checked to lie inside it.
void ApplyRuns(const std::vector<RawRun>& runs, std::vector<uint8_t>* image);

// Index of the block holding `offset`, or -1.
int BlockAt(size_t offset);
// Index of the block of that name, or -1.
int BlockNamed(std::string_view name);

// What a byte of the file is, in words: "page 3, field 41", "page 3, line 2
// text byte 57", "persons list entry 5 byte 0", ...
std::string DescribeOffset(size_t offset);

std::string ToHex(std::span<const uint8_t> bytes);
// False on an odd length or a character that is no hex digit.
bool FromHex(std::string_view hex, std::vector<uint8_t>* bytes);

}  // namespace story_source
