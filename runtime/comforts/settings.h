// The settings file, settings.toml: the player's own choices kept between
// runs (display, volumes, skip, gamepad, key bindings). Every value is
// optional; what the file leaves out keeps its default, and what the command
// line gives wins over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "runtime/comforts/key_map.h"

namespace comforts {

struct Settings {
  std::optional<platform::ScaleMode> scale_mode;                   // display.scale_mode
  std::optional<platform::ScaleFilter> filter;                     // display.filter
  std::optional<bool> full_screen;                                 // display.fullscreen
  std::optional<int> volume;                                       // audio.volume, 0-100
  std::optional<int> sound_volume;                                 // audio.sound_volume
  std::optional<int> music_volume;                                 // audio.music_volume
  std::optional<bool> mute;                                        // audio.mute
  std::optional<bool> skip_all;                                    // skip.mode = "read" | "all"
  std::optional<bool> gamepad;                                     // gamepad.enabled
  std::vector<std::pair<Action, std::vector<uint32_t>>> bindings;  // [keys]
};

struct ParsedSettings {
  Settings settings;
  // "FILE:LINE: problem" for each value that was left out (unknown names,
  // wrong types, values out of range), or for the error that broke the file.
  std::vector<std::string> problems;
  // The file is no TOML at all: nothing of it is used, and it is never
  // written over.
  bool broken = false;
};

ParsedSettings ParseSettings(std::string_view text, std::string_view file_name);

// The text of a settings file that holds `settings`, made from `previous`
// (the file as it was, when it could be read) so that what the player does
// not know of stays in it.
std::string SettingsText(const Settings& settings, std::string_view previous);

// Where the user's settings live: $XDG_CONFIG_HOME/aoat-player/settings.toml.
std::string UserSettingsPath();

// The largest settings file that is read.
inline constexpr size_t kMaxSettingsBytes = 64 * 1024;

}  // namespace comforts
