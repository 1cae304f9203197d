// The wave reader: the chunk rules, the format record it hands on, and the
// files it refuses without trusting their sizes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/el.h"
#include "engine/sound/internal/wave_reader.h"
#include "platform/audio/mixer.h"
#include "platform/headless/wav_writer.h"
#include "platform/platform.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace {

using test_support::PcmFields;
using test_support::RiffChunk;
using test_support::RiffChunkWithSize;
using test_support::RiffWave;
using test_support::U16;
using test_support::U32;

bool Read(const std::string& file, el::sound::WaveData* wave) {
  el::sound::SpanSource source(
      std::span(reinterpret_cast<const uint8_t*>(file.data()), file.size()));
  return el::sound::ReadWave(source, wave);
}

const std::string kSamples = "\x01\x02\x03\x04\x05\x06";
const std::string kFmt = RiffChunk("fmt ", PcmFields(1, 22050, 16));

TEST(WaveReader, AcceptsTheChunkLayoutsOfTheFormat) {
  struct Case {
    const char* what;
    std::string file;
  };
  const Case cases[] = {
      {"canonical", RiffWave(kFmt + RiffChunk("data", kSamples))},
      {"data before fmt", RiffWave(RiffChunk("data", kSamples) + kFmt)},
      {"odd chunk padded", RiffWave(RiffChunk("LIST", "abc") + kFmt + RiffChunk("data", kSamples))},
      {"fmt of 18 with a stray count",
       RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 16) + U16(7)) + RiffChunk("data", kSamples))},
      {"RIFF size past the end",
       "RIFF" + U32(0xFFFFFFF0) + "WAVE" + kFmt + RiffChunk("data", kSamples)},
      // Only the bytes of the format that are read must be there.
      {"data before a fmt that claims 4 GB",
       RiffWave(RiffChunk("data", kSamples) +
                RiffChunkWithSize("fmt ", 0xFFFFFFF0u, PcmFields(1, 22050, 16)))},
      {"a later broken fmt is not read",
       RiffWave(kFmt + RiffChunk("fmt ", PcmFields(0, 0, 0)) + RiffChunk("data", kSamples))},
      // The RIFF size bounds where chunks start, the file where they end.
      {"samples past the RIFF size",
       "RIFF" + U32(4 + 24 + 8) + "WAVE" + kFmt + RiffChunk("data", kSamples)},
  };
  for (const Case& c : cases) {
    el::sound::WaveData wave;
    ASSERT_TRUE(Read(c.file, &wave)) << c.what;
    EXPECT_EQ(std::string(wave.samples.begin(), wave.samples.end()), kSamples) << c.what;
    ASSERT_EQ(wave.format_record.size(), 18u) << c.what;
    const tWAVEFORMATEX h = wave.Header();
    EXPECT_EQ(h.wFormatTag, 1);
    EXPECT_EQ(h.nChannels, 1);
    EXPECT_EQ(h.nSamplesPerSec, 22050u);
    EXPECT_EQ(h.nBlockAlign, 2);
    EXPECT_EQ(h.wBitsPerSample, 16);
    EXPECT_EQ(h.cbSize, 0) << c.what;
  }
}

TEST(WaveReader, KeepsTheExtraBytesOfOtherFormats) {
  const std::string extra = "EXTRA!";
  const std::string file =
      RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 8, 2) +
                                     U16(static_cast<uint16_t>(extra.size())) + extra) +
               RiffChunk("data", kSamples));
  el::sound::WaveData wave;
  ASSERT_TRUE(Read(file, &wave));
  ASSERT_EQ(wave.format_record.size(), 18 + extra.size());
  EXPECT_EQ(wave.Header().wFormatTag, 2);
  EXPECT_EQ(wave.Header().cbSize, extra.size());
  EXPECT_EQ(std::string(wave.format_record.begin() + 18, wave.format_record.end()), extra);

  // A chunk too short for the extra count holds none.
  el::sound::WaveData short_wave;
  ASSERT_TRUE(Read(
      RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 8, 2) + "\x05") + RiffChunk("data", kSamples)),
      &short_wave));
  EXPECT_EQ(short_wave.format_record.size(), 18u);
  EXPECT_EQ(short_wave.Header().cbSize, 0);
}

TEST(WaveReader, RefusesBrokenAndLyingFiles) {
  const std::string data = RiffChunk("data", kSamples);
  struct Case {
    const char* what;
    std::string file;
  };
  const Case cases[] = {
      {"empty", ""},
      {"not RIFF", "RIFX" + U32(100) + "WAVE" + kFmt + data},
      {"not WAVE", "RIFF" + U32(100) + "AVI " + kFmt + data},
      {"fmt of 14", RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 16).substr(0, 14)) + data)},
      {"no fmt", RiffWave(data)},
      {"no data", RiffWave(kFmt)},
      {"data cut short", RiffWave(kFmt + RiffChunkWithSize("data", 100, kSamples))},
      {"data claims 4 GB", RiffWave(kFmt + RiffChunkWithSize("data", 0xFFFFFFF0u, kSamples))},
      {"fmt claims 4 GB", RiffWave(RiffChunkWithSize("fmt ", 0xFFFFFFF0u, PcmFields(1, 8000, 8)))},
      {"fmt cut short", RiffWave(RiffChunk("data", kSamples)) + "fmt " + U32(16) + "\x01"},
      {"extra bytes beyond fmt",
       RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 8, 2) + U16(40) + "ab") + data)},
      {"zero channels", RiffWave(RiffChunk("fmt ", PcmFields(0, 22050, 16)) + data)},
      {"zero rate", RiffWave(RiffChunk("fmt ", PcmFields(1, 0, 16)) + data)},
      {"zero block", RiffWave(RiffChunk("fmt ", PcmFields(1, 22050, 0)) + data)},
      {"RIFF size hides data", "RIFF" + U32(4 + 24) + "WAVE" + kFmt + data},
  };
  for (const Case& c : cases) {
    el::sound::WaveData wave;
    EXPECT_FALSE(Read(c.file, &wave)) << c.what;
    EXPECT_LT(wave.samples.capacity(), 1u << 20) << c.what;
  }
}

TEST(WaveReader, SearchFileHandsOverTheFormatAndTheSamples) {
  test_support::TempFolder folder;
  const std::string extra = "xyz!";
  folder.Write("a.wav", RiffWave(RiffChunk("fmt ", PcmFields(2, 8000, 4, 0x11) + U16(4) + extra) +
                                 RiffChunk("data", kSamples)));
  tWAVEFORMATEX* format = nullptr;
  unsigned head = 0;
  uint8_t* data = nullptr;
  unsigned size = 0;
  ASSERT_EQ(elSound::SearchFile((folder.Path() / "a.wav").c_str(), &format, &head, &data, &size),
            0);
  EXPECT_EQ(head, 22u);
  EXPECT_EQ(format->wFormatTag, 0x11);
  EXPECT_EQ(format->cbSize, 4);
  EXPECT_EQ(std::memcmp(reinterpret_cast<uint8_t*>(format) + 18, extra.data(), 4), 0);
  EXPECT_EQ(size, kSamples.size());
  EXPECT_EQ(std::memcmp(data, kSamples.data(), size), 0);
  std::free(format);
  std::free(data);

  folder.Write("short.wav", RiffWave(RiffChunk("fmt ", PcmFields(1, 8000, 8).substr(0, 14)) +
                                     RiffChunk("data", kSamples)));
  EXPECT_EQ(
      elSound::SearchFile((folder.Path() / "short.wav").c_str(), &format, &head, &data, &size), 1);
  EXPECT_EQ(format, nullptr);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(head, 0u);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(elSound::SearchFile((folder.Path() / "none.wav").c_str(), &format, &head, &data, &size),
            1);
}

// The headless backend's capture file, header rewritten after every append,
// reads back with the mix's format and every sample in order.
TEST(WaveReader, ReadsTheHeadlessCaptureAfterEveryAppend) {
  test_support::TempFolder folder;
  const std::string path = (folder.Path() / "capture.wav").string();
  platform::headless::WavWriter writer;
  ASSERT_TRUE(writer.Open(path, platform::kMixRateHz));
  std::string expected;
  const std::vector<std::vector<int16_t>> appends = {{1, -1, 300, -300}, {32767, -32768}, {7}};
  for (const auto& frames : appends) {
    ASSERT_TRUE(writer.Append(frames));
    // A lone sample is no whole stereo frame and is not written.
    for (size_t i = 0; i + 1 < frames.size(); i += 2)
      expected += U16(static_cast<uint16_t>(frames[i])) + U16(static_cast<uint16_t>(frames[i + 1]));
    el::sound::WaveData wave;
    ASSERT_TRUE(Read(folder.Read("capture.wav"), &wave));
    const tWAVEFORMATEX header = wave.Header();
    EXPECT_EQ(header.wFormatTag, 1);
    EXPECT_EQ(header.nChannels, 2);
    EXPECT_EQ(header.nSamplesPerSec, static_cast<uint32_t>(platform::kMixRateHz));
    EXPECT_EQ(header.nAvgBytesPerSec, static_cast<uint32_t>(platform::kMixRateHz) * 4);
    EXPECT_EQ(header.nBlockAlign, 4);
    EXPECT_EQ(header.wBitsPerSample, 16);
    EXPECT_EQ(std::string(wave.samples.begin(), wave.samples.end()), expected);
  }
  writer.Close();
}

}  // namespace
