#include "runtime/save/save_import.h"

#include <sys/stat.h>

#include <cstdint>
#include <vector>

#include "platform/file_writing.h"
#include "platform/platform.h"
#include "runtime/save/save_game.h"

namespace runtime {
namespace {

// Far above the save's layout, which ignores bytes past its end: a file this
// large is no save, and copying it could fill the user's disk.
constexpr size_t kMaxImportedSaveBytes = 1024 * 1024;

bool AnyEntryAt(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

SaveImport ImportGameFolderSave() {
  SaveImport import;
  const std::string& game = platform::GameFolder();
  const std::string& save = platform::SaveFolder();
  import.to = save + kSaveFileName;
  if (platform::SaveFolderGiven() || save == game || AnyEntryAt(import.to)) return import;
  const auto found = platform::ResolvePath(game + kSaveFileName);
  if (!found) return import;
  import.from = *found;
  std::vector<uint8_t> bytes;
  if (!platform::ReadSmallFile(import.from, kMaxImportedSaveBytes, &bytes, &import.error)) {
    import.outcome = SaveImport::Outcome::kFailed;
    return import;
  }
  switch (platform::WriteWholeFile(import.to, bytes, platform::IfExists::kKeep, &import.error)) {
    case platform::WriteResult::kWritten:
      import.outcome = SaveImport::Outcome::kCopied;
      break;
    case platform::WriteResult::kKept:
      break;
    case platform::WriteResult::kFailed:
      import.outcome = SaveImport::Outcome::kFailed;
      break;
  }
  return import;
}

}  // namespace runtime
