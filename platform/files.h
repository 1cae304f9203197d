// Internals of the folder services of platform/platform.h, open to the tests
// and to the instance lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The save folder chosen when none was given:
// "<data_home>/aoat-player/<game folder name>-<hash>/", so that two games with
// the same folder name keep apart and a game folder on a disc or in a
// read-only place plays as well as any.
std::string DefaultSaveFolder(const std::string& game_folder, const std::string& data_home);
// The pictures folder that `user_dirs` (the text of user-dirs.dirs) names in
// XDG_PICTURES_DIR, as xdg-user-dir reads it; else "<home>/Pictures". No
// trailing '/'.
std::string PicturesFolderFrom(std::string_view user_dirs, const std::string& home);
// The user's home folder ($HOME, else the password database, else /tmp).
std::string UserHome();
// $XDG_DATA_HOME, else ~/.local/share (no trailing '/').
std::string UserDataHome();
// A stable 64-bit hash of a byte string (FNV-1a), shown as 16 hex digits.
std::string HashHex(std::string_view bytes);
// `folder` made absolute, with exactly one trailing '/'.
std::string AsFolder(const std::string& folder);

}  // namespace platform
