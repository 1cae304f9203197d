// The one save slot, s.dat in the save folder. A save is written to a
// temporary file beside it and renamed over it only once every byte is on
// disk, so a failed save never costs the player the save they had.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_writing.h"
#include "platform/platform.h"
#include "runtime/save/save_file.h"
#include "runtime/save/save_game.h"

namespace runtime {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string SavePath() {
  return platform::SaveFolder() + kSaveFileName;
}

}  // namespace

bool SaveGame() {
  std::string error;
  return platform::WriteWholeFile(SavePath(), EncodeSave(CurrentSaveData()),
                                  platform::IfExists::kReplace,
                                  &error) == platform::WriteResult::kWritten;
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
