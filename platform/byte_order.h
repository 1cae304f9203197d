// Little-endian numbers in byte buffers: the one place where the project's
// files (saves, image and sound packs, BMP and WAV files, the tests' fixtures)
// put and take their 16- and 32-bit fields.
#pragma once

#include <cstdint>

namespace platform {

// Appends the low `bytes` bytes of `value`, least significant first, to a
// byte container with push_back (std::vector<uint8_t>, std::string).
template <typename Bytes>
void AppendLe(Bytes& out, uint32_t value, int bytes) {
  using Byte = typename Bytes::value_type;
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<Byte>((value >> (8 * i)) & 0xFF));
}
template <typename Bytes>
void AppendLe16(Bytes& out, uint32_t value) {
  AppendLe(out, value, 2);
}
template <typename Bytes>
void AppendLe32(Bytes& out, uint32_t value) {
  AppendLe(out, value, 4);
}

// Writes a field in place; `at` has room for its bytes.
inline void StoreLe16(uint8_t* at, uint32_t value) {
  at[0] = static_cast<uint8_t>(value & 0xFF);
  at[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}
inline void StoreLe32(uint8_t* at, uint32_t value) {
  StoreLe16(at, value);
  StoreLe16(at + 2, value >> 16);
}

// Reads a field; `at` holds its bytes.
inline uint16_t LoadLe16(const uint8_t* at) {
  return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
inline uint32_t LoadLe32(const uint8_t* at) {
  return static_cast<uint32_t>(LoadLe16(at)) | (static_cast<uint32_t>(LoadLe16(at + 2)) << 16);
}

}  // namespace platform
