// The one save slot, s.dat in the save folder. A save is written to a
// temporary file beside it and renamed over it only once every byte is on
// disk, so a failed save never costs the player the save they had.
#include <string>
#include <vector>

#include "platform/file_writing.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "runtime/save/save_file.h"
#include "runtime/save/save_game.h"

namespace runtime {
namespace {

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
  // Bytes past the layout are never looked at; anything but a regular file
  // under the save's name is no save.
  std::vector<uint8_t> image;
  std::string error;
  if (!platform::ReadFileHead(SavePath(), kSaveFileSize, &image, &error)) return false;
  SaveData data = CurrentSaveData();
  if (!DecodeSave(image, ListCount(project::kSongs), &data)) return false;
  ApplySaveData(data);
  return true;
}

}  // namespace runtime
