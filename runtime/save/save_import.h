// Saves that come with a game folder. A game copied from Windows may carry
// the player's s.dat beside data.aoat; saves now live in a per-user folder,
// so that file is copied there once, for the save to load.
#pragma once

#include <string>

namespace runtime {

struct SaveImport {
  enum class Outcome {
    kNothingToDo,  // no s.dat in the game folder, one in the save folder already, or a given folder
    kCopied,
    kFailed,
  };
  Outcome outcome = Outcome::kNothingToDo;
  std::string from;   // the game folder's s.dat
  std::string to;     // the save folder's
  std::string error;  // why the copy failed
};

// When the save folder was chosen by the player (not given), holds no s.dat,
// and the game folder holds one (in any letter case), copies it over. The
// game folder's file is only read: never moved, changed or deleted; an s.dat
// in the save folder is never overwritten.
SaveImport ImportGameFolderSave();

}  // namespace runtime
