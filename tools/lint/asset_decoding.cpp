// What the player would fail on when it reads a listed file that is there:
// something other than a regular file, or bytes its readers refuse. Pictures
// go through the player's own BMP reader; sounds and songs through the
// structural checks of their formats.
#include <filesystem>
#include <vector>

#include "platform/dib.h"
#include "platform/files.h"
#include "platform/media_check.h"
#include "platform/wave_chunks.h"
#include "tools/lint/lint.h"

namespace lint {
namespace {

// The sequencer's bound for a song and the sound buffers' for a wave file.
constexpr size_t kMaxSongBytes = 16 << 20;
constexpr size_t kMaxWaveBytes = size_t{platform::kMaxWaveSampleBytes} + 4096;

}  // namespace

std::string DecodingProblem(const std::string& path, AssetKind kind) {
  std::error_code ec;
  // A lookup that names no file on disk (the tests' own) has nothing to read.
  if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found)
    return {};
  std::string error;
  const auto file = platform::RegularFile::Open(path, &error);
  if (!file)
    return error == platform::kNotRegularFile ? "is not a regular file"
                                              : "cannot be read: " + error;
  if (kind == AssetKind::kPicture) {
    if (platform::ReadBmpFile(path) != nullptr) return {};
    return file->Size() < 54 ? "is truncated (not a whole BMP header)"
                             : "cannot be read as a BMP: truncated, or a kind the player does not "
                               "take (1, 4, 8, 16, 24, 32 bits, uncompressed or bit fields)";
  }
  const size_t bound = kind == AssetKind::kSong ? kMaxSongBytes : kMaxWaveBytes;
  std::vector<uint8_t> bytes;
  if (!platform::ReadRegularFile(path, bound, &bytes, &error)) return "cannot be read: " + error;
  const std::string problem = kind == AssetKind::kSong ? platform::MidiFileProblem(bytes)
                                                       : platform::WaveFileProblem(bytes);
  return problem.empty() ? problem : "cannot be played: " + problem;
}

}  // namespace lint
