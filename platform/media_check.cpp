#include "platform/media_check.h"

#include <cstring>

#include "platform/wave_chunks.h"

namespace platform {
namespace {

uint32_t Be32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}
uint16_t Be16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] << 8 | b[at + 1]);
}
bool IdAt(std::span<const uint8_t> b, size_t at, const char* id) {
  return b.size() >= at + 4 && std::memcmp(b.data() + at, id, 4) == 0;
}

// A variable-length quantity of at most four bytes, advancing `at`.
bool ReadQuantity(std::span<const uint8_t> track, size_t* at, uint32_t* value) {
  *value = 0;
  for (int n = 0; n < 4; ++n) {
    if (*at >= track.size()) return false;
    const uint8_t byte = track[(*at)++];
    *value = (*value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

// Data bytes of a channel message by its status.
size_t ChannelDataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::string TrackProblem(std::span<const uint8_t> track) {
  size_t at = 0;
  uint8_t running = 0;
  while (at < track.size()) {
    uint32_t delta = 0;
    if (!ReadQuantity(track, &at, &delta)) return "an event time runs past its track";
    if (at >= track.size()) return "a track ends after an event time";
    uint8_t status = track[at];
    if (status < 0x80) {
      if (running == 0) return "running status without an earlier channel message";
      status = running;
    } else {
      ++at;
    }
    uint32_t length = 0;
    if (status == 0xFF) {
      if (at >= track.size()) return "a meta event runs past its track";
      const uint8_t type = track[at++];
      if (!ReadQuantity(track, &at, &length)) return "a meta event runs past its track";
      if (length > track.size() - at) return "a meta event runs past its track";
      at += length;
      if (type == 0x2F) return {};  // end of track
      running = 0;
    } else if (status == 0xF0 || status == 0xF7) {
      if (!ReadQuantity(track, &at, &length) || length > track.size() - at)
        return "a system exclusive message runs past its track";
      at += length;
      running = 0;
    } else if (status >= 0xF1) {
      return "a system message that a file cannot hold";
    } else {
      const size_t data = ChannelDataBytes(status);
      if (data > track.size() - at) return "a channel message runs past its track";
      for (size_t i = 0; i < data; ++i)
        if (track[at + i] >= 0x80) return "a channel message with a status byte among its data";
      at += data;
      running = status;
    }
  }
  // The sequencer plays a track that lacks its end-of-track event.
  return {};
}

}  // namespace

std::string WaveFileProblem(std::span<const uint8_t> file) {
  WaveChunks chunks;
  return ReadWaveChunks(file, &chunks);
}

std::string MidiFileProblem(std::span<const uint8_t> file) {
  if (file.size() < 14) return "truncated: shorter than a song's header";
  if (!IdAt(file, 0, "MThd")) return "unsupported format: not a Standard MIDI File";
  const uint32_t header = Be32(file, 4);
  if (header < 6 || header > file.size() - 8) return "the song's header is damaged";
  const uint16_t format = Be16(file, 8);
  const uint16_t tracks = Be16(file, 10);
  if (format > 2) return "unsupported format: MIDI file format " + std::to_string(format);
  if (tracks == 0) return "a song without tracks";
  if (Be16(file, 12) == 0) return "a song without a time division";
  size_t at = 8 + header;
  for (uint16_t n = 0; n < tracks;) {
    if (at + 8 > file.size())
      return "truncated: " + std::to_string(tracks - n) + " of " + std::to_string(tracks) +
             " tracks missing";
    const uint32_t size = Be32(file, at + 4);
    if (size > file.size() - at - 8) return "truncated: a track runs past the end of the file";
    if (IdAt(file, at, "MTrk")) {
      const std::string problem = TrackProblem(file.subspan(at + 8, size));
      if (!problem.empty()) return "track " + std::to_string(n + 1) + ": " + problem;
      ++n;
    }
    at += 8 + size;
  }
  return {};
}

}  // namespace platform
