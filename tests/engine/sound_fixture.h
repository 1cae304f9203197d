// The set-up the sound tests share: a fake backend whose output the test
// pulls by hand, a game folder of its own, and the sound table as display
// set-up leaves it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/el.h"
#include "engine/sound/internal/sound_table.h"
#include "platform/audio/mixer.h"
#include "platform/audio/sound_buffer.h"
#include "platform/platform.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace sound_test {

// What display set-up does right after elSound::Init.
inline void ResetSoundTable() {
  el::sound::ResetSoundTable();
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    test_support::ResetEngineState();
    platform::SetGameFolder(folder_.Path().string() + "/");
    ASSERT_EQ(elSound::Init(), 1);
    ResetSoundTable();
  }
  void TearDown() override {
    test_support::ResetEngineState();
    platform::ResetBackend();
  }

  // As if the program had started on a machine without a sound device.
  void DestroyAndOpenWithoutDevice() {
    elSound::DestroyObject();
    fake_->audio_available = false;
    EXPECT_EQ(elSound::Init(), 0);
    EXPECT_EQ(elSound::Ok, 0);
  }

  // A mono 16-bit wave file of `frames` frames of `value` in the game folder.
  void WriteWave(const std::string& name, int frames = 1000, int16_t value = 1000,
                 uint32_t rate_hz = 22050) {
    folder_.Write(name, test_support::WaveFile(1, rate_hz, 16,
                                               test_support::ConstantPcm16(frames, 1, value)));
  }
  std::vector<int16_t> Pull(int frames) {
    std::vector<int16_t> out(2 * static_cast<size_t>(frames));
    fake_->audio_render(out.data(), frames);
    return out;
  }
  uint32_t Status(int slot, int mix) { return DSBuff2[slot][mix]->Status(); }
  bool Playing(int slot, int mix) {
    return (Status(slot, mix) & platform::kSoundStatusPlaying) != 0;
  }
  uint32_t Cursor(int slot, int mix) {
    uint32_t play = 0;
    DSBuff2[slot][mix]->GetCurrentPosition(&play, nullptr);
    return play;
  }
  // The text of the last report, and how many there were.
  std::string LastReport() const { return fake_->boxes.empty() ? "" : fake_->boxes.back().text; }
  size_t Reports() const { return fake_->boxes.size(); }
  static std::string Report(const char* place, const char* message_utf8) {
    return std::string(place) + " : " + test_support::Sjis(message_utf8);
  }

  test_support::FakeBackend* fake_ = nullptr;
  test_support::TempFolder folder_;
};

// One sound pack record.
inline std::string PackRecord(const std::string& name, const std::string& format_record,
                              const std::string& samples) {
  return test_support::U32(static_cast<uint32_t>(samples.size())) + name + '\0' +
         test_support::U32(static_cast<uint32_t>(format_record.size())) + format_record + samples;
}

// The 18-byte format record of a PCM wave.
inline std::string PcmRecord(uint16_t channels, uint32_t rate_hz, uint16_t bits) {
  return test_support::PcmFields(channels, rate_hz, bits) + test_support::U16(0);
}

}  // namespace sound_test
