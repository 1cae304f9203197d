// The one save slot, s.dat in the save folder. A save is written to a
// temporary file beside it and renamed over it only once every byte is on
// disk, so a failed save never costs the player the save they had.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "runtime/save/save_file.h"
#include "runtime/save/save_game.h"

namespace runtime {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr char kTemporarySuffix[] = ".tmp";

std::string SavePath() {
  return platform::SaveFolder() + kSaveFileName;
}

// Writes `bytes` to a new file at `path` and closes it; false when the file
// could not be made or any byte or the close failed, in which case what was
// made is removed again.
bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  // On the disk before the rename, so that a crash cannot leave an empty
  // s.dat in place of the old one.
  const bool flushed = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  if (written == bytes.size() && flushed && closed) return true;
  std::remove(path.c_str());
  return false;
}

}  // namespace

bool SaveGame() {
  const std::string path = SavePath();
  const std::string temporary = path + kTemporarySuffix;
  if (!WriteWhole(temporary, EncodeSave(CurrentSaveData()))) return false;
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

bool LoadGame() {
  File file(std::fopen(SavePath().c_str(), "rb"));
  if (!file) return false;
  // Bytes past the layout are never looked at.
  std::vector<uint8_t> image(kSaveFileSize);
  const size_t read = std::fread(image.data(), 1, image.size(), file.get());
  image.resize(read);
  SaveData data = CurrentSaveData();
  if (!DecodeSave(image, ListCount(project::kSongs), &data)) return false;
  ApplySaveData(data);
  return true;
}

}  // namespace runtime
