// A small Standard MIDI File writer: tracks of timed channel and meta events,
// encoded with variable-length delta times, optionally with running status.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace demo {

// The variable-length quantity of a MIDI file: 7 bits a byte, most
// significant first, every byte but the last with its top bit set. Values
// up to 0x0FFFFFFF (four bytes).
std::vector<uint8_t> EncodeVarLen(uint32_t value);

inline constexpr uint8_t kDrumChannel = 9;  // channel 10 as musicians count

class MidiTrack {
 public:
  // Channels 0..15, notes, velocities and values 0..127.
  void NoteOn(uint32_t tick, int channel, int note, int velocity);
  void NoteOff(uint32_t tick, int channel, int note);
  // Note on at `tick`, note off `length` ticks later.
  void Note(uint32_t tick, uint32_t length, int channel, int note, int velocity);
  void ProgramChange(uint32_t tick, int channel, int program);
  void ControlChange(uint32_t tick, int channel, int controller, int value);
  void Tempo(uint32_t tick, uint32_t microseconds_per_quarter);
  void TimeSignature(uint32_t tick, int numerator, int denominator_power_of_two);
  void TrackName(uint32_t tick, std::string_view name);
  // A marker; placed at a song's last bar line it makes the song end there.
  void Marker(uint32_t tick, std::string_view text);

  // The track chunk ("MTrk", length, events): events in time order, at one
  // tick meta events first, then note offs, then controllers and programs,
  // then note ons (a repeated note is released before it sounds again), each
  // group in the order it was added; an end-of-track event closes the track
  // at its last tick. With running status a channel event whose status byte
  // equals the previous one omits it; meta events break the run.
  std::vector<uint8_t> EncodeChunk(bool running_status) const;

  uint32_t LastTick() const;
  // Ticks at which tempo changes take effect, with their values.
  std::vector<std::pair<uint32_t, uint32_t>> TempoChanges() const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // rank within one tick, see EncodeChunk
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);
  void Meta(uint32_t tick, uint8_t type, std::span<const uint8_t> data);

  std::vector<Event> events_;
};

struct MidiFile {
  uint16_t format = 1;  // 0: one track holding every channel; 1: parallel tracks
  uint16_t ticks_per_quarter = 480;
  std::vector<MidiTrack> tracks;
  bool running_status = false;
};

std::vector<uint8_t> EncodeMidiFile(const MidiFile& file);

// Playing time of the file in seconds, from its tempo changes (120 beats a
// minute until the first) and the last event of any track.
double MidiDurationSeconds(const MidiFile& file);

}  // namespace demo
