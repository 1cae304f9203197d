// The player's command line: `aoat-player [options] [GAME_DIR]`.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/backend.h"

namespace runtime {

struct PlayerOptions {
  std::string game_dir;  // a folder or its data.aoat; empty: none given
  platform::DisplayOptions display;
  std::string save_dir;   // empty: the platform's choice
  std::string soundfont;  // empty: AOAT_SOUNDFONT, then the system's
  bool headless = false;
  std::string script_path;     // headless input
  std::string trace_path;      // "-" = standard output; empty: no trace
  int frame_ms = 16;           // headless frame step
  std::string audio_out_path;  // headless mix as a WAV file
  // The player's comforts (keys, gamepad, skip, backlog, volume, settings);
  // --faithful switches all of them off. Unset values come from the settings
  // file, else the defaults.
  bool faithful = false;
  std::string settings_path;  // empty: the user's settings file (none when headless)
  std::optional<bool> skip_all;
  std::optional<int> volume;
  std::optional<int> sound_volume;
  std::optional<int> music_volume;
  // Display options the command line gave: they win over the settings file.
  bool window_given = false;
  bool scale_mode_given = false;
  bool filter_given = false;
  bool help = false;
  bool version = false;
};

struct ParsedCommandLine {
  bool ok = false;
  PlayerOptions options;
  std::string error;  // why the command line was refused
};

// Parses the arguments after the program name. Refuses unknown options,
// missing or malformed values, a second game folder, the headless-only
// options without --headless and the comforts' options with --faithful.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args);

// The text of --help.
std::string UsageText();

}  // namespace runtime
