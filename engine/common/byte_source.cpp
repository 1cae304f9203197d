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
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  if (fseeko(file, 0, SEEK_END) != 0) {
    std::fclose(file);
    return nullptr;
  }
  const off_t size = ftello(file);
  if (size < 0) {
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(file, static_cast<uint64_t>(size)));
}

FileSource::~FileSource() {
  std::fclose(file_);
}

bool FileSource::ReadAt(uint64_t offset, void* out, size_t bytes) {
  if (offset > size_ || bytes > size_ - offset) return false;
  if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  return std::fread(out, 1, bytes, file_) == bytes;
}

}  // namespace el::common
