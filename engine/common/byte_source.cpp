#include "engine/common/byte_source.h"

#include <cstring>

#include "platform/byte_order.h"

namespace el::common {

bool ByteSource::ReadU16(uint64_t offset, uint16_t* value) {
  uint8_t b[2];
  if (!ReadAt(offset, b, sizeof b)) return false;
  *value = platform::LoadLe16(b);
  return true;
}

bool ByteSource::ReadU32(uint64_t offset, uint32_t* value) {
  uint8_t b[4];
  if (!ReadAt(offset, b, sizeof b)) return false;
  *value = platform::LoadLe32(b);
  return true;
}

bool SpanSource::ReadAt(uint64_t offset, void* out, size_t bytes) {
  if (offset > bytes_.size() || bytes > bytes_.size() - offset) return false;
  if (bytes > 0) std::memcpy(out, bytes_.data() + offset, bytes);
  return true;
}

std::unique_ptr<FileSource> FileSource::Open(const std::string& path) {
  std::string error;
  auto file = platform::RegularFile::Open(path, &error);
  if (!file) return nullptr;
  return std::unique_ptr<FileSource>(new FileSource(std::move(*file)));
}

bool FileSource::ReadAt(uint64_t offset, void* out, size_t bytes) {
  if (offset > Size() || bytes > Size() - offset) return false;
  return file_.ReadAt(offset, out, bytes);
}

}  // namespace el::common
