// The player's command line: `aoat-player [options] [GAME_DIR]`.
#pragma once

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
  bool help = false;
  bool version = false;
};

struct ParsedCommandLine {
  bool ok = false;
  PlayerOptions options;
  std::string error;  // why the command line was refused
};

// Parses the arguments after the program name. Refuses unknown options,
// missing or malformed values, a second game folder, and the headless-only
// options without --headless.
ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args);

// The text of --help.
std::string UsageText();

}  // namespace runtime
