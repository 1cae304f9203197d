// The cost of sound: mixing many playing buffers with resampling and pan,
// and rendering a song with FluidSynth. Each iteration renders one second of
// output; "x_realtime" is seconds of sound made per second of CPU, so the
// share of one core that playing takes is 1 / x_realtime.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/mci.h"
#include "platform/audio/mixer.h"
#include "platform/audio/sound_buffer.h"
#include "platform/audio/sound_font.h"

namespace {

using platform::SoundBuffer;

std::unique_ptr<SoundBuffer> MakeVoice(uint16_t channels, uint16_t bits, uint32_t rate_hz,
                                       int index) {
  const auto block = static_cast<uint16_t>(channels * bits / 8);
  int32_t result = 0;
  auto buffer = SoundBuffer::Create({1, channels, rate_hz, rate_hz * block, block, bits},
                                    rate_hz * block, &result);  // one second
  SoundBuffer::Locked locked;
  buffer->Lock(0, buffer->SizeBytes(), &locked);
  for (uint32_t i = 0; i < locked.first_bytes; ++i)
    locked.first[i] = static_cast<uint8_t>((i * (7 + index)) & 0xFF);
  buffer->Unlock(locked);
  // Every voice resampled (no rate equals the output's), panned and quieter.
  buffer->SetFrequency(rate_hz + 37 * static_cast<uint32_t>(index));
  buffer->SetPan(-5000 + 160 * index);
  buffer->SetVolume(-600 - 10 * index);
  buffer->Play(true);
  return buffer;
}

void RenderSeconds(benchmark::State& state) {
  std::vector<int16_t> out(2 * platform::kMixRateHz);
  for (auto _ : state) {
    platform::RenderMix(out.data(), platform::kMixRateHz);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["x_realtime"] =
      benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Mix64Voices(benchmark::State& state) {
  std::vector<std::unique_ptr<SoundBuffer>> voices;
  const auto channels = static_cast<uint16_t>(state.range(0));
  const auto bits = static_cast<uint16_t>(state.range(1));
  for (int i = 0; i < 64; ++i) voices.push_back(MakeVoice(channels, bits, 22050, i));
  RenderSeconds(state);
}
BENCHMARK(BM_Mix64Voices)
    ->ArgNames({"channels", "bits"})
    ->Args({1, 16})
    ->Args({2, 16})
    ->Args({1, 8});

// A typical song: two minutes at 120 beats per minute on eight channels, a
// four-note chord a beat, a bass line, a melody and drums in eighth notes.
std::string VariableLength(uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<char>((value & 0x7F) | 0x80));
  return out;
}

struct Event {
  uint32_t tick;
  std::string bytes;
};

std::string TypicalSong() {
  std::vector<Event> events;
  const auto add = [&](uint32_t tick, std::initializer_list<int> bytes) {
    std::string b;
    for (const int x : bytes) b.push_back(static_cast<char>(x));
    events.push_back({tick, b});
  };
  const int programs[8] = {0, 48, 33, 73, 24, 52, 11, 89};
  for (int ch = 0; ch < 8; ++ch) add(0, {0xC0 | ch, programs[ch]});
  const int chords[4][4] = {{60, 64, 67, 72}, {57, 60, 64, 69}, {53, 57, 60, 65}, {55, 59, 62, 67}};
  constexpr uint32_t kBeat = 480;
  for (uint32_t beat = 0; beat < 240; ++beat) {
    const uint32_t t = beat * kBeat;
    const int* chord = chords[(beat / 4) % 4];
    for (int n = 0; n < 4; ++n) {
      add(t, {0x91, chord[n], 70});
      add(t + kBeat - 10, {0x81, chord[n], 0});
    }
    add(t, {0x92, chord[0] - 24, 90});
    add(t + kBeat / 2, {0x82, chord[0] - 24, 0});
    const int melody = chord[(beat * 3) % 4] + 12;
    add(t, {0x93, melody, 80});
    add(t + kBeat / 2, {0x83, melody, 0});
    add(t + kBeat / 2, {0x94, melody - 5, 60});
    add(t + kBeat - 1, {0x84, melody - 5, 0});
    add(t, {0x95, chord[1], 50});
    add(t + kBeat, {0x85, chord[1], 0});
    for (uint32_t half = 0; half < 2; ++half) {
      add(t + half * kBeat / 2, {0x99, half == 0 ? 36 : 42, 100});
      add(t + half * kBeat / 2 + 60, {0x89, half == 0 ? 36 : 42, 0});
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.tick < b.tick; });
  std::string track;
  uint32_t last = 0;
  for (const Event& e : events) {
    track += VariableLength(e.tick - last) + e.bytes;
    last = e.tick;
  }
  track += VariableLength(0) + std::string("\xFF\x2F\x00", 3);
  const auto be32 = [](uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 8), static_cast<char>(v)};
  };
  return std::string("MThd") + be32(6) + std::string("\x00\x00\x00\x01\x01\xE0", 6) + "MTrk" +
         be32(static_cast<uint32_t>(track.size())) + track;
}

void BM_RenderTypicalSong(benchmark::State& state) {
  const std::string font = platform::FindSoundFont();
  if (font.empty()) {
    state.SkipWithError("no sound font installed");
    return;
  }
  const auto path = std::filesystem::temp_directory_path() / "aoat-bench-song.mid";
  std::ofstream(path, std::ios::binary) << TypicalSong();
  const std::string open = "open \"" + path.string() + "\" type sequencer alias midi";
  platform::MciSendString(open, nullptr, 0, 0);
  platform::MciSendString("play midi", nullptr, 0, 0);
  state.SetLabel(font);
  RenderSeconds(state);
  platform::MciSendString("close midi", nullptr, 0, 0);
  std::filesystem::remove(path);
}
BENCHMARK(BM_RenderTypicalSong)->Unit(benchmark::kMillisecond);

}  // namespace
