// Reading data.aoat into the loaded project model.
#pragma once

#include <string>

namespace runtime {

inline constexpr char kProjectFileName[] = "data.aoat";

// Reads "data.aoat" from the game folder (the name is found in any letter
// case, as games copied from Windows arrive) into the model. A file of any
// length loads what it holds and leaves the rest zero; when there is no file
// nothing changes. True when a file was read.
bool LoadProject();
// The same for a file at `path`.
bool LoadProjectFile(const std::string& path);

}  // namespace runtime
