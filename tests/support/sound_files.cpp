#include "tests/support/sound_files.h"

#include <initializer_list>

#include "platform/wave_writer.h"

namespace test_support {

std::string U16(uint16_t value) {
  std::string out;
  platform::AppendLe16(out, value);
  return out;
}

std::string U32(uint32_t value) {
  std::string out;
  platform::AppendLe32(out, value);
  return out;
}

std::string RiffChunkWithSize(std::string_view id, uint32_t size, std::string_view contents) {
  std::string out;
  platform::AppendChunkHeader(out, id, size);
  out += contents;
  if (contents.size() % 2 != 0) out.push_back('\0');
  return out;
}

std::string RiffChunk(std::string_view id, std::string_view contents) {
  return RiffChunkWithSize(id, static_cast<uint32_t>(contents.size()), contents);
}

std::string PcmFields(uint16_t channels, uint32_t rate_hz, uint16_t bits, uint16_t tag) {
  std::string out;
  platform::AppendPcmFields(out, {channels, rate_hz, bits, tag});
  return out;
}

std::string RiffWave(std::string_view chunks) {
  return "RIFF" + U32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + std::string(chunks);
}

std::string WaveFile(uint16_t channels, uint32_t rate_hz, uint16_t bits, std::string_view samples) {
  return RiffWave(RiffChunk("fmt ", PcmFields(channels, rate_hz, bits)) +
                  RiffChunk("data", samples));
}

std::string ConstantPcm16(int frames, int channels, int16_t value) {
  std::string out;
  for (int i = 0; i < frames * channels; ++i) out += U16(static_cast<uint16_t>(value));
  return out;
}

namespace {

std::string Be16(uint16_t value) {
  return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

std::string Be32(uint32_t value) {
  return Be16(static_cast<uint16_t>(value >> 16)) + Be16(static_cast<uint16_t>(value & 0xFFFF));
}

std::string VariableLength(uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<char>((value & 0x7F) | 0x80));
  return out;
}

}  // namespace

std::string MidiSong(int notes, int note_ticks) {
  const auto event = [](uint32_t delta, std::initializer_list<uint8_t> bytes) {
    std::string out = VariableLength(delta);
    for (const uint8_t b : bytes) out.push_back(static_cast<char>(b));
    return out;
  };
  std::string track = event(0, {0xC0, 0x00});  // piano
  for (int i = 0; i < notes; ++i) {
    const auto key = static_cast<uint8_t>(60 + i % 12);
    track += event(0, {0x90, key, 0x64});
    track += event(static_cast<uint32_t>(note_ticks), {0x80, key, 0x00});
  }
  track += event(0, {0xFF, 0x2F, 0x00});
  return "MThd" + Be32(6) + Be16(0) + Be16(1) + Be16(480) + "MTrk" +
         Be32(static_cast<uint32_t>(track.size())) + track;
}

}  // namespace test_support
