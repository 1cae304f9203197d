// The record of the lines already read in a game: one bit per page and line,
// kept in the user's data folder beside the game's other player data (never
// in the save file), so that skipping can pass over what was read before.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace comforts {

class ReadRecord {
 public:
  static constexpr int kPages = 1000;
  static constexpr int kLines = 10;
  static constexpr size_t kBitBytes = kPages * kLines / 8;
  // The file: a fixed tag, then the bits, page by page, line by line.
  static constexpr std::array<uint8_t, 8> kTag = {'A', 'O', 'A', 'T', 'R', 'E', 'A', 'D'};
  static constexpr size_t kFileBytes = kTag.size() + kBitBytes;

  // False outside the pages and lines.
  bool Has(int page, int line) const;
  // Marks a line read; true when it was not read before.
  bool Mark(int page, int line);

  std::vector<uint8_t> FileBytes() const;
  // False (and the record unchanged) when `bytes` is no record file.
  bool FromFileBytes(std::span<const uint8_t> bytes);

 private:
  std::array<uint8_t, kBitBytes> bits_{};
};

// Where the record of this game lives. The one place that decides it.
std::string ReadRecordPath();

// Reads the record from `path`; a missing file is an empty record. False
// with `error` set when the file is there but unusable (it is then left as
// it is until the record is next written).
bool LoadReadRecord(const std::string& path, ReadRecord* record, std::string* error);
bool SaveReadRecord(const std::string& path, const ReadRecord& record, std::string* error);

}  // namespace comforts
