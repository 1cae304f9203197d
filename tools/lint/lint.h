// `aoat lint`: checks a game as the player will play it, and reports errors
// (the player would misbehave: read past a table, draw a wrong picture, miss
// a file, drop text) and warnings (the story does something an author likely
// did not mean: pages nobody reaches, pages that never end).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/project/project_file.h"
#include "tools/story_source/diagnostics.h"

namespace lint {

using story_source::Diagnostic;

// Finds a file of the game from a name as the project gives it (backslashes,
// Shift-JIS), the way the player looks it up; nullopt when there is none.
using FileLookup = std::function<std::optional<std::string>(std::string_view project_name)>;

// The player's own lookup below `game_dir`.
FileLookup PlayerLookup(const std::string& game_dir);

// Every check on a decoded project.
std::vector<Diagnostic> LintProject(const project::ProjectData& data, const FileLookup& lookup);
// The size check of a file of `file_size` bytes, then every check on the
// project as the player reads it from `file` (its first bytes).
std::vector<Diagnostic> LintImage(std::span<const uint8_t> file, uint64_t file_size,
                                  const FileLookup& lookup);

// What a listed file that is there holds for the player's readers: empty
// when they take it, else what is wrong, as a phrase after the file's name.
enum class AssetKind { kPicture, kSound, kSong };
std::string DecodingProblem(const std::string& path, AssetKind kind);

// The parts, for the table of checks.
void CheckAssets(const project::ProjectData& data, const FileLookup& lookup,
                 std::vector<Diagnostic>* out);
void CheckPages(const project::ProjectData& data, std::vector<Diagnostic>* out);
std::optional<Diagnostic> CheckFileSize(uint64_t size);

}  // namespace lint
