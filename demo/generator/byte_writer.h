// Byte output shared by the generator's file writers: little-endian fields
// through the platform's byte order, and the big-endian ones of MIDI files.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/byte_order.h"

namespace demo {

class ByteWriter {
 public:
  void U8(uint32_t v) { bytes_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) { platform::AppendLe16(bytes_, v); }
  void U32(uint32_t v) { platform::AppendLe32(bytes_, v); }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  // Big-endian forms, for the MIDI file's chunks.
  void U16Be(uint32_t v) {
    U8(v >> 8);
    U8(v);
  }
  void U32Be(uint32_t v) {
    U16Be(v >> 16);
    U16Be(v);
  }
  void Text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  void Bytes(std::span<const uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  size_t Size() const { return bytes_.size(); }
  // The bytes so far, for the platform's writers of file headers.
  std::vector<uint8_t>& Buffer() { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace demo
