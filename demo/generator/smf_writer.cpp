#include "demo/generator/smf_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "demo/generator/byte_writer.h"

namespace demo {
namespace {

constexpr int kOrderMeta = 0;
constexpr int kOrderNoteOff = 1;
constexpr int kOrderControl = 2;
constexpr int kOrderNoteOn = 3;
constexpr uint32_t kDefaultTempo = 500000;  // 120 beats a minute

uint8_t Checked7(int value) {
  if (value < 0 || value > 127) throw std::invalid_argument("MIDI data byte out of range");
  return static_cast<uint8_t>(value);
}

uint8_t Status(int kind, int channel) {
  if (channel < 0 || channel > 15) throw std::invalid_argument("MIDI channel out of range");
  return static_cast<uint8_t>(kind | channel);
}

}  // namespace

std::vector<uint8_t> EncodeVarLen(uint32_t value) {
  if (value > 0x0FFFFFFF) throw std::invalid_argument("variable-length value too large");
  std::vector<uint8_t> out{static_cast<uint8_t>(value & 0x7F)};
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
  return out;
}

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::NoteOn(uint32_t tick, int channel, int note, int velocity) {
  if (velocity == 0) throw std::invalid_argument("velocity 0 is a note off");
  Add(tick, kOrderNoteOn, {Status(0x90, channel), Checked7(note), Checked7(velocity)});
}

void MidiTrack::NoteOff(uint32_t tick, int channel, int note) {
  Add(tick, kOrderNoteOff, {Status(0x80, channel), Checked7(note), 64});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int note, int velocity) {
  if (length == 0) throw std::invalid_argument("empty note");
  NoteOn(tick, channel, note, velocity);
  NoteOff(tick + length, channel, note);
}

void MidiTrack::ProgramChange(uint32_t tick, int channel, int program) {
  Add(tick, kOrderControl, {Status(0xC0, channel), Checked7(program)});
}

void MidiTrack::ControlChange(uint32_t tick, int channel, int controller, int value) {
  Add(tick, kOrderControl, {Status(0xB0, channel), Checked7(controller), Checked7(value)});
}

void MidiTrack::Meta(uint32_t tick, uint8_t type, std::span<const uint8_t> data) {
  std::vector<uint8_t> bytes{0xFF, type};
  const std::vector<uint8_t> length = EncodeVarLen(static_cast<uint32_t>(data.size()));
  bytes.insert(bytes.end(), length.begin(), length.end());
  bytes.insert(bytes.end(), data.begin(), data.end());
  Add(tick, kOrderMeta, std::move(bytes));
}

void MidiTrack::Tempo(uint32_t tick, uint32_t microseconds_per_quarter) {
  if (microseconds_per_quarter == 0 || microseconds_per_quarter > 0xFFFFFF) {
    throw std::invalid_argument("tempo out of range");
  }
  const uint8_t data[] = {static_cast<uint8_t>(microseconds_per_quarter >> 16),
                          static_cast<uint8_t>(microseconds_per_quarter >> 8),
                          static_cast<uint8_t>(microseconds_per_quarter)};
  Meta(tick, 0x51, data);
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominator_power_of_two) {
  const uint8_t data[] = {Checked7(numerator), Checked7(denominator_power_of_two), 24, 8};
  Meta(tick, 0x58, data);
}

void MidiTrack::TrackName(uint32_t tick, std::string_view name) {
  const std::vector<uint8_t> data(name.begin(), name.end());
  Meta(tick, 0x03, data);
}

void MidiTrack::Marker(uint32_t tick, std::string_view text) {
  const std::vector<uint8_t> data(text.begin(), text.end());
  Meta(tick, 0x06, data);
}

uint32_t MidiTrack::LastTick() const {
  uint32_t last = 0;
  for (const Event& e : events_) last = std::max(last, e.tick);
  return last;
}

std::vector<std::pair<uint32_t, uint32_t>> MidiTrack::TempoChanges() const {
  std::vector<std::pair<uint32_t, uint32_t>> out;
  for (const Event& e : events_) {
    if (e.bytes.size() == 6 && e.bytes[0] == 0xFF && e.bytes[1] == 0x51) {
      out.emplace_back(e.tick,
                       (uint32_t{e.bytes[3]} << 16) | (uint32_t{e.bytes[4]} << 8) | e.bytes[5]);
    }
  }
  return out;
}

std::vector<uint8_t> MidiTrack::EncodeChunk(bool running_status) const {
  std::vector<const Event*> sorted;
  for (const Event& e : events_) sorted.push_back(&e);
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
    return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
  });

  ByteWriter body;
  uint32_t now = 0;
  uint8_t running = 0;  // 0: no status to reuse
  for (const Event* e : sorted) {
    body.Bytes(EncodeVarLen(e->tick - now));
    now = e->tick;
    const uint8_t status = e->bytes[0];
    const bool channel_event = status < 0xF0;
    const bool reuse = running_status && channel_event && status == running;
    body.Bytes(std::span<const uint8_t>(e->bytes).subspan(reuse ? 1 : 0));
    running = channel_event ? status : 0;
  }
  body.Bytes(EncodeVarLen(0));
  const uint8_t end_of_track[] = {0xFF, 0x2F, 0x00};
  body.Bytes(end_of_track);

  ByteWriter out;
  out.Text("MTrk");
  out.U32Be(static_cast<uint32_t>(body.Size()));
  const std::vector<uint8_t> bytes = body.Take();
  out.Bytes(bytes);
  return out.Take();
}

std::vector<uint8_t> EncodeMidiFile(const MidiFile& file) {
  if (file.tracks.empty()) throw std::invalid_argument("a MIDI file needs a track");
  if (file.format == 0 && file.tracks.size() != 1) throw std::invalid_argument("format 0: 1 track");
  if (file.format > 1) throw std::invalid_argument("format 0 or 1");
  if (file.ticks_per_quarter == 0 || file.ticks_per_quarter > 0x7FFF) {
    throw std::invalid_argument("ticks per quarter out of range");
  }
  ByteWriter out;
  out.Text("MThd");
  out.U32Be(6);
  out.U16Be(file.format);
  out.U16Be(static_cast<uint32_t>(file.tracks.size()));
  out.U16Be(file.ticks_per_quarter);
  for (const MidiTrack& track : file.tracks) out.Bytes(track.EncodeChunk(file.running_status));
  return out.Take();
}

double MidiDurationSeconds(const MidiFile& file) {
  std::map<uint32_t, uint32_t> tempo{{0, kDefaultTempo}};
  uint32_t last = 0;
  for (const MidiTrack& track : file.tracks) {
    for (const auto& [tick, value] : track.TempoChanges()) tempo[tick] = value;
    last = std::max(last, track.LastTick());
  }
  double seconds = 0;
  for (auto it = tempo.begin(); it != tempo.end() && it->first < last; ++it) {
    const auto next = std::next(it);
    const uint32_t end = next == tempo.end() ? last : std::min(next->first, last);
    seconds += static_cast<double>(end - it->first) * it->second / 1e6 / file.ticks_per_quarter;
  }
  return seconds;
}

}  // namespace demo
