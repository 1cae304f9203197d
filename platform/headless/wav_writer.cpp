#include "platform/headless/wav_writer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace platform::headless {
namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerSample = 2;
constexpr size_t kHeaderBytes = 44;
// RIFF sizes are 32-bit: the data stops growing at the largest whole frame.
constexpr uint64_t kMaxDataBytes = (std::numeric_limits<uint32_t>::max() - kHeaderBytes) /
                                   (kChannels * kBytesPerSample) * (kChannels * kBytesPerSample);

void Put32(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* at, uint16_t v) {
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

bool WavWriter::Open(const std::string& path, int rate_hz) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  rate_hz_ = rate_hz;
  data_bytes_ = 0;
  return file_ != nullptr && WriteHeader();
}

bool WavWriter::WriteHeader() {
  std::array<uint8_t, kHeaderBytes> h{};
  const uint32_t data = static_cast<uint32_t>(data_bytes_);
  const uint32_t block_align = kChannels * kBytesPerSample;
  std::copy_n("RIFF", 4, h.begin());
  Put32(&h[4], static_cast<uint32_t>(kHeaderBytes - 8) + data);
  std::copy_n("WAVEfmt ", 8, h.begin() + 8);
  Put32(&h[16], 16);
  Put16(&h[20], 1);  // PCM
  Put16(&h[22], kChannels);
  Put32(&h[24], static_cast<uint32_t>(rate_hz_));
  Put32(&h[28], static_cast<uint32_t>(rate_hz_) * block_align);
  Put16(&h[32], static_cast<uint16_t>(block_align));
  Put16(&h[34], 8 * kBytesPerSample);
  std::copy_n("data", 4, h.begin() + 36);
  Put32(&h[40], data);
  if (std::fseek(file_.get(), 0, SEEK_SET) != 0) return false;
  if (std::fwrite(h.data(), 1, h.size(), file_.get()) != h.size()) return false;
  return std::fseek(file_.get(), 0, SEEK_END) == 0;
}

bool WavWriter::Append(std::span<const int16_t> interleaved) {
  if (!file_) return false;
  size_t samples = interleaved.size() - interleaved.size() % kChannels;
  const uint64_t room = (kMaxDataBytes - data_bytes_) / kBytesPerSample;
  if (samples > room) samples = static_cast<size_t>(room);
  if (samples == 0) return true;
  std::array<uint8_t, 4096> bytes{};
  size_t done = 0;
  while (done < samples) {
    const size_t chunk = std::min(samples - done, bytes.size() / kBytesPerSample);
    for (size_t i = 0; i < chunk; ++i) {
      Put16(&bytes[i * kBytesPerSample], static_cast<uint16_t>(interleaved[done + i]));
    }
    if (std::fwrite(bytes.data(), kBytesPerSample, chunk, file_.get()) != chunk) return false;
    done += chunk;
  }
  data_bytes_ += samples * kBytesPerSample;
  return WriteHeader() && std::fflush(file_.get()) == 0;
}

void WavWriter::Close() {
  if (file_) WriteHeader();
  file_.reset();
}

}  // namespace platform::headless
