// Pieces of the system services shared inside the engine (the joystick keeps
// its button edges with the keyboard's polling scheme) and exposed to tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace el::system {

// The value of a cleared wait slot: an ordinary absolute deadline.
inline constexpr uint32_t kClearedWait = 999999999;

// One poll of the four-state scheme of keys and buttons, kept in the
// caller's `state`: 0 up, 1 pressed since the last poll, 3 held, 2 released
// since the last poll. While a fade runs, the help screen is shown or the
// keyboard is locked the state reads 0; since it is kept in the same
// variable, a button held through that time reads as a new press afterwards.
int AdvancePollState(int* state, bool down);

// A 64-bit count of bytes as the 32-bit result of the system queries: counts
// that do not fit read as the largest value rather than wrapping.
constexpr uint32_t SaturateToU32(uint64_t value) {
  return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

// The version code of the system queries for a platform family and version.
enum class PlatformFamily { kWin16Host, kConsumer, kNt, kOther };
int VersionCode(PlatformFamily family, int major, int minor);

// The number of a settings file: white space, then a decimal integer with an
// optional sign; nullopt when the text holds no number. Values beyond the
// range of int saturate.
std::optional<int> ParseSettingsNumber(std::string_view text);

// The installation folder named by the first line of the installation-folder
// file: one line end and then one trailing separator removed, cut to whole
// characters within 255 bytes.
std::string InstallFolderFromLine(std::string_view line);

}  // namespace el::system
