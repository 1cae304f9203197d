// Which game a start plays: the folder given, the folder of the data.aoat
// given (what a file manager hands over), the current folder when it holds a
// game, or else the demo game installed with the player.
#pragma once

#include <string>
#include <vector>

namespace runtime {

struct GameLocation {
  std::string folder;       // empty when the argument names no game
  bool demo = false;        // no game was given and the installed demo plays
  std::string error;        // why the argument names no game
  bool no_project = false;  // a folder was given that holds no data.aoat
};

// The folders the demo may lie in for the player program at `program_file`,
// most likely first: <prefix>/share/aoat-player/demo beside <prefix>/bin, and
// the build tree's demo-game beside the built program.
std::vector<std::string> DemoFolderCandidates(const std::string& program_file);

// `given` is the GAME argument, empty when there was none; relative paths
// start in `current_folder`.
GameLocation LocateGame(const std::string& given, const std::string& current_folder,
                        const std::string& program_file);

}  // namespace runtime
