#include "platform/headless/wav_writer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "platform/wave_writer.h"

namespace platform::headless {
namespace {

constexpr uint16_t kChannels = 2;
constexpr uint16_t kBytesPerSample = 2;
// RIFF sizes are 32-bit: the data stops growing at the largest whole frame.
constexpr uint64_t kMaxDataBytes =
    (std::numeric_limits<uint32_t>::max() - kCanonicalWaveHeaderBytes) /
    (kChannels * kBytesPerSample) * (kChannels * kBytesPerSample);

}  // namespace

bool WavWriter::Open(const std::string& path, int rate_hz) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  rate_hz_ = rate_hz;
  data_bytes_ = 0;
  return file_ != nullptr && WriteHeader();
}

bool WavWriter::WriteHeader() {
  std::vector<uint8_t> h;
  h.reserve(kCanonicalWaveHeaderBytes);
  AppendCanonicalWaveHeader(h, {kChannels, static_cast<uint32_t>(rate_hz_), 8 * kBytesPerSample},
                            static_cast<uint32_t>(data_bytes_));
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
      StoreLe16(&bytes[i * kBytesPerSample], static_cast<uint16_t>(interleaved[done + i]));
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
