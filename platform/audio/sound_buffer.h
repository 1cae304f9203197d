// Sound buffers with the semantics the engine was designed on: a buffer holds
// sample data in one wave format and plays it once or looping at its own
// frequency, pan and volume, mixed with every other playing buffer into the
// one output of the device (platform/audio/mixer.h).
//
// Results are the device's result codes (0 success, negative failure), so the
// engine can report them as it always did. Every operation is safe to call
// from the main thread while the output plays on its own thread.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace platform {

// The fixed fields of a wave format record (PCM fields first, as in a WAV
// file's "fmt " chunk).
struct WaveFormat {
  uint16_t format_tag = 1;
  uint16_t channels = 0;
  uint32_t samples_per_sec = 0;
  uint32_t avg_bytes_per_sec = 0;
  uint16_t block_align = 0;
  uint16_t bits_per_sample = 0;
};

inline constexpr uint16_t kWaveFormatPcm = 1;

// Result codes of the sound device.
namespace sound_result {
inline constexpr int32_t kOk = 0;
inline constexpr int32_t kInvalidParam = static_cast<int32_t>(0x80070057u);
inline constexpr int32_t kOutOfMemory = static_cast<int32_t>(0x8007000Eu);
inline constexpr int32_t kInvalidCall = static_cast<int32_t>(0x88780032u);
inline constexpr int32_t kBadFormat = static_cast<int32_t>(0x88780064u);
}  // namespace sound_result

// Status bits of a buffer.
inline constexpr uint32_t kSoundStatusPlaying = 0x1;
inline constexpr uint32_t kSoundStatusLooping = 0x4;

// Limits of the device.
inline constexpr uint32_t kMinFrequencyHz = 100;
inline constexpr uint32_t kMaxFrequencyHz = 100000;
inline constexpr uint32_t kMinBufferBytes = 4;
inline constexpr uint32_t kMaxBufferBytes = 0x0FFFFFFF;
inline constexpr int32_t kVolumeSilent = -10000;  // hundredths of a decibel
inline constexpr int32_t kPanLeft = -10000;
inline constexpr int32_t kPanRight = 10000;

namespace audio {
struct Voice;
}

class SoundBuffer {
 public:
  // The one or two spans a lock hands out; the second is used when the locked
  // range runs past the buffer's end and continues at its start.
  struct Locked {
    uint8_t* first = nullptr;
    uint32_t first_bytes = 0;
    uint8_t* second = nullptr;
    uint32_t second_bytes = 0;
  };

  // Creates a stopped buffer of `size_bytes` (silence) at the format's own
  // rate, centre pan and full volume. Formats the mixer cannot play (anything
  // but PCM of 8 or 16 bits, mono or stereo, 100 to 100000 samples per
  // second, with a consistent block size) are refused with kBadFormat, sizes
  // outside kMinBufferBytes..kMaxBufferBytes with kInvalidParam.
  static std::unique_ptr<SoundBuffer> Create(const WaveFormat& format, uint32_t size_bytes,
                                             int32_t* result);
  ~SoundBuffer();
  SoundBuffer(const SoundBuffer&) = delete;
  SoundBuffer& operator=(const SoundBuffer&) = delete;

  // Hands out `bytes` from `offset` for writing (wrapping at the end); the
  // data reaches the buffer at Unlock. One lock at a time.
  int32_t Lock(uint32_t offset, uint32_t bytes, Locked* out);
  int32_t Unlock(const Locked& locked);

  int32_t Play(bool looping);
  // Stops without moving the play cursor.
  int32_t Stop();
  // The play cursor in bytes (rounded down to a whole sample frame).
  int32_t SetCurrentPosition(uint32_t offset_bytes);
  int32_t GetCurrentPosition(uint32_t* play_bytes, uint32_t* write_bytes) const;

  // 0 restores the format's own rate.
  int32_t SetFrequency(uint32_t frequency_hz);
  uint32_t Frequency() const;
  // Attenuation in hundredths of a decibel, kVolumeSilent to 0.
  int32_t SetVolume(int32_t volume);
  int32_t Volume() const;
  // kPanLeft to kPanRight: the other channel is attenuated by |pan|.
  int32_t SetPan(int32_t pan);
  int32_t Pan() const;
  uint32_t Status() const;

  const WaveFormat& Format() const { return format_; }
  uint32_t SizeBytes() const { return size_bytes_; }

 private:
  SoundBuffer(const WaveFormat& format, uint32_t size_bytes);
  void UpdateGains();

  WaveFormat format_;
  uint32_t size_bytes_;
  std::unique_ptr<audio::Voice> voice_;
  std::vector<uint8_t> staging_;  // the locked range while a lock is out
  uint32_t locked_offset_ = 0;
  bool locked_ = false;
  uint32_t frequency_hz_;  // what the setters were given; the voice holds the step
  int32_t volume_ = 0;
  int32_t pan_ = 0;
};

// Plays `samples` once and returns when they have been heard (the system's
// simple wave player); opens the output for the time if it is closed.
void PlayWaveAndWait(const WaveFormat& format, std::span<const uint8_t> samples);

}  // namespace platform
