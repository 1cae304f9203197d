#include "platform/audio/sound_buffer.h"

#include <algorithm>
#include <cstring>

#include "platform/audio/gain.h"
#include "platform/audio/mixer.h"
#include "platform/audio/voice.h"

namespace platform {
namespace audio {

bool PlayableFormat(const WaveFormat& format) {
  return format.format_tag == kWaveFormatPcm && (format.channels == 1 || format.channels == 2) &&
         (format.bits_per_sample == 8 || format.bits_per_sample == 16) &&
         format.block_align == format.channels * format.bits_per_sample / 8 &&
         format.samples_per_sec >= kMinFrequencyHz && format.samples_per_sec <= kMaxFrequencyHz;
}

}  // namespace audio

namespace {

uint64_t StepForFrequency(uint32_t frequency_hz) {
  return (static_cast<uint64_t>(frequency_hz) << 32) / kMixRateHz;
}

// The write cursor runs this far ahead of the play cursor.
constexpr uint32_t kWriteLeadMs = 10;

}  // namespace

std::unique_ptr<SoundBuffer> SoundBuffer::Create(const WaveFormat& format, uint32_t size_bytes,
                                                 int32_t* result) {
  if (!audio::PlayableFormat(format)) {
    *result = sound_result::kBadFormat;
    return nullptr;
  }
  if (size_bytes < kMinBufferBytes || size_bytes > kMaxBufferBytes) {
    *result = sound_result::kInvalidParam;
    return nullptr;
  }
  *result = sound_result::kOk;
  return std::unique_ptr<SoundBuffer>(new SoundBuffer(format, size_bytes));
}

SoundBuffer::SoundBuffer(const WaveFormat& format, uint32_t size_bytes)
    : format_(format),
      size_bytes_(size_bytes),
      voice_(std::make_unique<audio::Voice>()),
      frequency_hz_(format.samples_per_sec) {
  voice_->data.assign(size_bytes, format.bits_per_sample == 8 ? 0x80 : 0x00);
  voice_->format = format;
  voice_->frame_count = size_bytes / format.block_align;
  voice_->step = StepForFrequency(format.samples_per_sec);
  audio::AttachVoice(voice_.get());
}

SoundBuffer::~SoundBuffer() {
  audio::DetachVoice(voice_.get());
}

int32_t SoundBuffer::Lock(uint32_t offset, uint32_t bytes, Locked* out) {
  if (offset >= size_bytes_ || bytes == 0 || bytes > size_bytes_)
    return sound_result::kInvalidParam;
  if (locked_) return sound_result::kInvalidCall;
  const uint32_t first = std::min(bytes, size_bytes_ - offset);
  staging_.resize(bytes);
  {
    std::lock_guard lock(audio::MixerMutex());
    std::memcpy(staging_.data(), voice_->data.data() + offset, first);
    std::memcpy(staging_.data() + first, voice_->data.data(), bytes - first);
  }
  locked_ = true;
  locked_offset_ = offset;
  *out = {staging_.data(), first, bytes > first ? staging_.data() + first : nullptr, bytes - first};
  return sound_result::kOk;
}

int32_t SoundBuffer::Unlock(const Locked& locked) {
  if (!locked_ || locked.first != staging_.data()) return sound_result::kInvalidCall;
  const auto locked_bytes = static_cast<uint32_t>(staging_.size());
  const uint32_t first_max = std::min(locked_bytes, size_bytes_ - locked_offset_);
  const uint32_t first = std::min(locked.first_bytes, first_max);
  const uint32_t second = std::min(locked.second_bytes, locked_bytes - first_max);
  {
    std::lock_guard lock(audio::MixerMutex());
    std::memcpy(voice_->data.data() + locked_offset_, staging_.data(), first);
    std::memcpy(voice_->data.data(), staging_.data() + first_max, second);
  }
  locked_ = false;
  return sound_result::kOk;
}

int32_t SoundBuffer::Play(bool looping) {
  std::lock_guard lock(audio::MixerMutex());
  voice_->playing = true;
  voice_->looping = looping;
  return sound_result::kOk;
}

int32_t SoundBuffer::Stop() {
  std::lock_guard lock(audio::MixerMutex());
  voice_->playing = false;
  return sound_result::kOk;
}

int32_t SoundBuffer::SetCurrentPosition(uint32_t offset_bytes) {
  if (offset_bytes >= size_bytes_) return sound_result::kInvalidParam;
  const uint32_t frame = std::min(offset_bytes / format_.block_align, voice_->frame_count - 1);
  std::lock_guard lock(audio::MixerMutex());
  voice_->position = static_cast<uint64_t>(frame) << 32;
  return sound_result::kOk;
}

int32_t SoundBuffer::GetCurrentPosition(uint32_t* play_bytes, uint32_t* write_bytes) const {
  std::lock_guard lock(audio::MixerMutex());
  const auto frame = static_cast<uint32_t>(voice_->position >> 32);
  if (play_bytes != nullptr) *play_bytes = frame * format_.block_align;
  if (write_bytes != nullptr) {
    const uint64_t lead = (voice_->step * kMixRateHz >> 32) * kWriteLeadMs / 1000;
    *write_bytes =
        static_cast<uint32_t>((frame + lead) % voice_->frame_count) * format_.block_align;
  }
  return sound_result::kOk;
}

int32_t SoundBuffer::SetFrequency(uint32_t frequency_hz) {
  if (frequency_hz == 0) frequency_hz = format_.samples_per_sec;
  if (frequency_hz < kMinFrequencyHz || frequency_hz > kMaxFrequencyHz)
    return sound_result::kInvalidParam;
  std::lock_guard lock(audio::MixerMutex());
  voice_->step = StepForFrequency(frequency_hz);
  frequency_hz_ = frequency_hz;
  return sound_result::kOk;
}

uint32_t SoundBuffer::Frequency() const {
  return frequency_hz_;
}

int32_t SoundBuffer::SetVolume(int32_t volume) {
  if (volume < kVolumeSilent || volume > 0) return sound_result::kInvalidParam;
  volume_ = volume;
  UpdateGains();
  return sound_result::kOk;
}

int32_t SoundBuffer::Volume() const {
  return volume_;
}

int32_t SoundBuffer::SetPan(int32_t pan) {
  if (pan < kPanLeft || pan > kPanRight) return sound_result::kInvalidParam;
  pan_ = pan;
  UpdateGains();
  return sound_result::kOk;
}

int32_t SoundBuffer::Pan() const {
  return pan_;
}

void SoundBuffer::UpdateGains() {
  const audio::StereoGain gain = audio::PanVolumeGain(volume_, pan_);
  std::lock_guard lock(audio::MixerMutex());
  voice_->gain_left = gain.left;
  voice_->gain_right = gain.right;
}

uint32_t SoundBuffer::Status() const {
  std::lock_guard lock(audio::MixerMutex());
  if (!voice_->playing) return 0;
  return kSoundStatusPlaying | (voice_->looping ? kSoundStatusLooping : 0);
}

}  // namespace platform
