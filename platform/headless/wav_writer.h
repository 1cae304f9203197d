// The headless mix written to a WAV file (--audio-out): 44100 Hz stereo
// 16-bit PCM, appended frame by frame; the header's sizes follow every append
// so that the file is complete even when the run ends abruptly.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "platform/mix_rate.h"

namespace platform::headless {

class WavWriter {
 public:
  // Creates (truncates) the file; false when it cannot be created.
  bool Open(const std::string& path, int rate_hz);
  // Appends interleaved stereo frames; false on a write error.
  bool Append(std::span<const int16_t> interleaved);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  uint64_t DataBytes() const { return data_bytes_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  bool WriteHeader();

  std::unique_ptr<std::FILE, Closer> file_;
  int rate_hz_ = kMixRateHz;
  uint64_t data_bytes_ = 0;
};

}  // namespace platform::headless
