// Internals of the folder services of platform/platform.h, open to the tests
// and to the instance lock.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The save folder chosen when none was given: the game folder when it can be
// written, else "<data_home>/aoat/<game folder name>-<hash>/" so that two
// games with the same folder name keep apart.
std::string ChooseSaveFolder(const std::string& game_folder,
                             const std::function<bool(const std::string&)>& writable,
                             const std::string& data_home);
// The user's home folder ($HOME, else the password database, else /tmp).
std::string UserHome();
// $XDG_DATA_HOME, else ~/.local/share (no trailing '/').
std::string UserDataHome();
// A stable 64-bit hash of a byte string (FNV-1a), shown as 16 hex digits.
std::string HashHex(std::string_view bytes);
// `folder` made absolute, with exactly one trailing '/'.
std::string AsFolder(const std::string& folder);

}  // namespace platform
