// Streamed sounds: a ring of four seconds in one buffer, refilled from the
// pack in chunks of two seconds while it plays, polled once per frame.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/sound/internal/pack_reader.h"
#include "engine/sound/internal/sound.h"

namespace el::sound {
namespace {

constexpr uint32_t kNoWrap = 0xFFFFFFFF;
// Waves shorter than this many seconds are loaded whole.
constexpr uint32_t kMinStreamSeconds = 5;
// A format claiming more than this is not a sound the device can play; the
// bound keeps the ring small.
constexpr uint32_t kMaxStreamBytesPerSec = 8 * 100000;

// Reads `bytes` at `offset` of the stream's pack; what the pack no longer
// holds (it may have changed since the load) reads as zero bytes.
std::vector<uint8_t> ReadChunk(ByteSource& pack, uint64_t offset, size_t bytes) {
  std::vector<uint8_t> chunk(bytes, 0);
  const uint64_t available = offset < pack.Size() ? pack.Size() - offset : 0;
  const auto n = static_cast<size_t>(std::min<uint64_t>(bytes, available));
  if (n > 0) pack.ReadAt(offset, chunk.data(), n);
  return chunk;
}

// Writes `chunk` (or silence of its length) into the ring at `offset`.
void WriteRing(int slot, uint32_t offset, const std::vector<uint8_t>& chunk, bool silence) {
  platform::SoundBuffer* ring = MixBuffer(slot, 0);
  if (ring == nullptr || chunk.empty()) return;
  platform::SoundBuffer::Locked locked;
  if (ring->Lock(offset, static_cast<uint32_t>(chunk.size()), &locked) !=
      platform::sound_result::kOk)
    return;
  const uint8_t fill = ring->Format().bits_per_sample == 8 ? 0x80 : 0x00;
  if (silence) {
    std::memset(locked.first, fill, locked.first_bytes);
    if (locked.second != nullptr) std::memset(locked.second, fill, locked.second_bytes);
  } else {
    std::memcpy(locked.first, chunk.data(), locked.first_bytes);
    if (locked.second != nullptr)
      std::memcpy(locked.second, chunk.data() + locked.first_bytes, locked.second_bytes);
  }
  ring->Unlock(locked);
}

bool ShouldRefill(const elSound::_soundstream& s, uint32_t play) {
  if (s.PlayPos == kNoWrap) return play >= s.WriteCheck || play < s.LastPos;
  if (s.WriteCheck < s.PlayPos) return play >= s.WriteCheck && play < s.PlayPos;
  return play >= s.WriteCheck;
}

// The next chunk's length: two seconds, or what is left, or half of what is
// left when a full chunk would leave less than a full chunk behind.
uint32_t NextChunkBytes(const elSound::_soundstream& s) {
  const uint32_t left = s.DataSize - s.ReadData;
  if (s.WriteSize > left) return left;
  if (left - s.WriteSize < s.WriteSize) return left / 2;
  return s.WriteSize;
}

// Services one playing stream; false when its pack cannot be read (reported).
bool Refill(int slot, uint32_t play) {
  elSound::_soundstream& s = elSound::SoundStream[slot];
  s.LastPos = play;
  if (s.NextStop > 0 && --s.NextStop == 0) {
    elSound::Stop(slot, -1);
    return true;
  }
  const auto pack = OpenPackFile(s.PackName);
  if (!pack) {
    elDraw::Error("Sound::Streaming", "パックファイル名が指定されていません", 0);
    return false;
  }
  if (s.SeekPos > pack->Size()) {
    elDraw::Error("Sound::Streaming", "ストリーミング再生できません", 0);
    return false;
  }
  const uint32_t bytes = NextChunkBytes(s);
  const std::vector<uint8_t> chunk = ReadChunk(*pack, s.SeekPos, bytes);
  s.SeekPos += bytes;
  s.ReadData += bytes;
  if (s.ReadData >= s.DataSize) {
    s.SeekPos = s.LoopPos;
    s.ReadData = s.LoopPos - s.StartPos;
    if (elSound::ListLoop[slot] == 0) s.NextStop = 2;
  }
  WriteRing(slot, s.NextWrite, chunk, s.NextStop == 1);
  s.PlayPos = s.NextWrite < s.WriteCheck ? play : kNoWrap;
  s.WriteCheck = s.NextWrite;
  s.NextWrite += bytes;
  if (s.NextWrite >= s.WriteMax) s.NextWrite -= s.WriteMax;
  return true;
}

// A loop point past the data, or inside a sample frame, would read outside
// the wave or swap its bytes; it falls back to the start, or to its frame.
uint32_t UsableLoopPoint(unsigned long loop_point, uint32_t data_bytes, uint16_t block_align) {
  if (loop_point >= data_bytes) return 0;
  return static_cast<uint32_t>(loop_point - loop_point % block_align);
}

int Fail(int slot, const char* message, long code) {
  elSound::SoundStream[slot].DataSize = 0;
  elDraw::Error("Sound::LoadStream", message, code);
  return -1;
}

}  // namespace
}  // namespace el::sound

int elSound::LoadStream(const char* FileName, unsigned long LoopPoint) {
  using namespace el::sound;
  if (Ok == 0) return -1;
  const int slot = TakeSlot("Sound::LoadStream");
  if (slot < 0) return -1;
  _soundstream& s = SoundStream[slot];
  std::snprintf(s.PackName, sizeof s.PackName, "%s", PackFileName);
  const auto pack = OpenPackFile(s.PackName);
  if (!pack) return Fail(slot, "パックファイル名が指定されていません", 0);
  const auto entry = FindPackEntry(*pack, UpperSjis(FileName));
  std::vector<uint8_t> record;
  if (!entry || !ReadPackFormat(*pack, *entry, &record) ||
      entry->DataOffset() + entry->data_bytes > kNoWrap)
    return Fail(slot, "WAVEファイルを読み込めません", 0);
  const tWAVEFORMATEX header = FormatHeader(record);
  const uint32_t per_sec = header.nAvgBytesPerSec;
  if (per_sec == 0 || per_sec > kMaxStreamBytesPerSec)
    return Fail(slot, "WAVEファイルを読み込めません", 0);
  if (entry->data_bytes / per_sec < kMinStreamSeconds) return LoadPack(FileName, 1);

  // Chunks hold whole sample frames, so that the ring wraps between frames.
  const uint32_t chunk_bytes = 2 * per_sec - (2 * per_sec) % header.nBlockAlign;
  WaveData ring{std::move(record), ReadChunk(*pack, entry->DataOffset(), chunk_bytes)};
  ring.samples.resize(2 * static_cast<size_t>(chunk_bytes), header.wBitsPerSample == 8 ? 0x80 : 0);
  if (FillSlot("Sound::LoadStream", slot, 1, ring, true) < 0) return -1;

  s.DataSize = entry->data_bytes;
  s.WriteMax = 2 * chunk_bytes;
  s.WriteSize = chunk_bytes;
  s.WriteCheck = 0;
  s.NextWrite = chunk_bytes;
  s.StartPos = static_cast<uint32_t>(entry->DataOffset());
  s.LoopPos = s.StartPos + UsableLoopPoint(LoopPoint, entry->data_bytes, header.nBlockAlign);
  s.SeekPos = s.StartPos + chunk_bytes;
  s.ReadData = chunk_bytes;
  s.PlayPos = kNoWrap;
  s.LastPos = 0;
  s.NextStop = 0;
  return NameSlot("Sound::LoadStream", "ファイル名が長すぎます", slot, FileName);
}

int elSound::ResetStream(int ObjDS) {
  using namespace el::sound;
  if (Ok == 0 || !SlotInUse(ObjDS) || SoundStream[ObjDS].DataSize == 0) return 0;
  _soundstream& s = SoundStream[ObjDS];
  const auto pack = OpenPackFile(s.PackName);
  if (!pack) {
    elDraw::Error("Sound::ResetStream", "パックファイル名が指定されていません", 0);
    return 0;
  }
  if (s.StartPos > pack->Size()) {
    elDraw::Error("Sound::ResetStream", "ストリーミング再生できません", 0);
    return 0;
  }
  const std::vector<uint8_t> chunk = ReadChunk(*pack, s.StartPos, s.WriteSize);
  s.WriteCheck = 0;
  s.NextWrite = s.WriteSize;
  s.SeekPos = s.StartPos + s.WriteSize;
  s.ReadData = s.WriteSize;
  s.PlayPos = kNoWrap;
  s.LastPos = 0;
  s.NextStop = 0;
  WriteRing(ObjDS, 0, chunk, false);
  return 1;
}

int elSound::Streaming() {
  using namespace el::sound;
  if (Ok == 0) return 0;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (ListUse[slot] == 0 || SoundStream[slot].DataSize == 0) continue;
    platform::SoundBuffer* ring = MixBuffer(slot, 0);
    if (ring == nullptr || (ring->Status() & platform::kSoundStatusPlaying) == 0) continue;
    uint32_t play = 0;
    ring->GetCurrentPosition(&play, nullptr);
    if (!ShouldRefill(SoundStream[slot], play)) continue;
    if (!Refill(slot, play)) return 0;
  }
  return 1;
}
