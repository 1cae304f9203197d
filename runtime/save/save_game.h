// Saving and loading the story state in s.dat.
#pragma once

#include <cstddef>

namespace runtime {

// ---- Save and load of s.dat in the save folder.
inline constexpr char kSaveFileName[] = "s.dat";
inline constexpr size_t kSaveFileSize = 1816;
// Writes the story state; false (and the previous save untouched) on any
// failure.
bool SaveGame();
// Reads the story state; false when there is no file or what it holds is out
// of range, in which case nothing is applied.
bool LoadGame();

}  // namespace runtime
