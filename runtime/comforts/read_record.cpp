#include "runtime/comforts/read_record.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/file_writing.h"
#include "platform/platform.h"

namespace comforts {
namespace {

bool InRange(int page, int line) {
  return page >= 0 && page < ReadRecord::kPages && line >= 0 && line < ReadRecord::kLines;
}

size_t BitOf(int page, int line) {
  return static_cast<size_t>(page) * ReadRecord::kLines + static_cast<size_t>(line);
}

}  // namespace

bool ReadRecord::Has(int page, int line) const {
  if (!InRange(page, line)) return false;
  const size_t bit = BitOf(page, line);
  return (bits_[bit / 8] & (1u << (bit % 8))) != 0;
}

bool ReadRecord::Mark(int page, int line) {
  if (!InRange(page, line) || Has(page, line)) return false;
  const size_t bit = BitOf(page, line);
  bits_[bit / 8] = static_cast<uint8_t>(bits_[bit / 8] | (1u << (bit % 8)));
  return true;
}

std::vector<uint8_t> ReadRecord::FileBytes() const {
  std::vector<uint8_t> bytes(kFileBytes);
  std::copy(kTag.begin(), kTag.end(), bytes.begin());
  std::copy(bits_.begin(), bits_.end(), bytes.begin() + kTag.size());
  return bytes;
}

bool ReadRecord::FromFileBytes(std::span<const uint8_t> bytes) {
  if (bytes.size() != kFileBytes || !std::equal(kTag.begin(), kTag.end(), bytes.begin()))
    return false;
  std::copy(bytes.begin() + kTag.size(), bytes.end(), bits_.begin());
  return true;
}

std::string ReadRecordPath() {
  return platform::UserDataFolder() + "read-lines.dat";
}

bool LoadReadRecord(const std::string& path, ReadRecord* record, std::string* error) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return true;
  std::vector<uint8_t> bytes;
  if (!platform::ReadSmallFile(path, ReadRecord::kFileBytes, &bytes, error)) return false;
  if (record->FromFileBytes(bytes)) return true;
  *error = "not a record of read lines";
  return false;
}

bool SaveReadRecord(const std::string& path, const ReadRecord& record, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  const std::vector<uint8_t> bytes = record.FileBytes();
  return platform::WriteWholeFile(path, bytes, platform::IfExists::kReplace, error) ==
         platform::WriteResult::kWritten;
}

}  // namespace comforts
