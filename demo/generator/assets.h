// The list of every file the generator writes: the demo game's tree and the
// program's own resources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace demo {

struct Asset {
  std::string path;  // relative, with forward slashes ("lyout/mark.bmp")
  std::string purpose;
  std::function<std::vector<uint8_t>()> make;
};

// Pictures, sounds and songs of the demo game, by folder.
std::vector<Asset> GameAssets();
// "kovadine2.bmp" (the closing logo, resource BITMAP "KOVADINE2") and
// "main_icon.bmp" (the window icon, resource ICON "MAIN").
std::vector<Asset> ProgramResources();

// Writes every asset below `folder`, creating folders. Throws
// std::runtime_error when a file cannot be written.
void WriteAssets(const std::vector<Asset>& assets, const std::filesystem::path& folder);

}  // namespace demo
