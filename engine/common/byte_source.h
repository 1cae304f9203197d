// Random access to the bytes of a file or of memory, for the wave reader and
// the sound and image pack readers: every read names its range and fails when the range is not
// wholly inside, so that no size read from the data can reach past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "platform/files.h"

namespace el::common {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // False when [offset, offset + bytes) is not inside or cannot be read.
  virtual bool ReadAt(uint64_t offset, void* out, size_t bytes) = 0;
  bool ReadU16(uint64_t offset, uint16_t* value);
  bool ReadU32(uint64_t offset, uint32_t* value);
};

class SpanSource final : public ByteSource {
 public:
  explicit SpanSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* out, size_t bytes) override;

 private:
  std::span<const uint8_t> bytes_;
};

class FileSource final : public ByteSource {
 public:
  // Null when the file is missing or not a regular file.
  static std::unique_ptr<FileSource> Open(const std::string& path);
  uint64_t Size() const override { return file_.Size(); }
  bool ReadAt(uint64_t offset, void* out, size_t bytes) override;

 private:
  explicit FileSource(platform::RegularFile file) : file_(std::move(file)) {}
  platform::RegularFile file_;
};

}  // namespace el::common
