// The system's simple wave player: one sound, played to its end while the
// caller waits.
#include <algorithm>
#include <cstring>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_buffer.h"
#include "platform/platform.h"

namespace platform {
namespace {

// How long to wait at most beyond the sound's own length, for outputs that
// are pulled irregularly (a headless run pulls only between frames).
constexpr uint32_t kGraceMs = 1000;
constexpr uint32_t kPollMs = 10;

}  // namespace

void PlayWaveAndWait(const WaveFormat& format, std::span<const uint8_t> samples) {
  if (!HasBackend() || samples.size() > kMaxBufferBytes) return;
  int32_t result = sound_result::kOk;
  auto buffer = SoundBuffer::Create(format, static_cast<uint32_t>(samples.size()), &result);
  if (!buffer) return;
  SoundBuffer::Locked locked;
  if (buffer->Lock(0, buffer->SizeBytes(), &locked) != sound_result::kOk) return;
  std::memcpy(locked.first, samples.data(), locked.first_bytes);
  buffer->Unlock(locked);

  const bool opened_here = !SoundOutputOpen();
  if (opened_here && !OpenSoundOutput()) return;
  const uint64_t frames = samples.size() / format.block_align;
  const auto length_ms = static_cast<uint32_t>(frames * 1000 / format.samples_per_sec);
  const uint32_t start_ms = TimeMs();
  buffer->Play(false);
  while ((buffer->Status() & kSoundStatusPlaying) != 0 &&
         TimeMs() - start_ms < length_ms + kGraceMs) {
    WaitUntil(TimeMs() + kPollMs);
  }
  buffer.reset();
  if (opened_here) CloseSoundOutput();
}

}  // namespace platform
