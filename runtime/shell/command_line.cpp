#include "runtime/shell/command_line.h"

#include <charconv>
#include <functional>
#include <optional>
#include <vector>

namespace runtime {
namespace {

inline constexpr int kMaxScale = 16;
inline constexpr int kMaxFrameMs = 1000;  // the headless backend's own limit
inline constexpr int kMaxVolume = 100;

std::optional<int> ParseInt(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<platform::ScaleMode> ParseScaleMode(std::string_view text) {
  if (text == "fit") return platform::ScaleMode::kFit;
  if (text == "integer") return platform::ScaleMode::kInteger;
  if (text == "stretch") return platform::ScaleMode::kStretch;
  return std::nullopt;
}

std::optional<platform::ScaleFilter> ParseScaleFilter(std::string_view text) {
  if (text == "nearest") return platform::ScaleFilter::kNearest;
  if (text == "linear") return platform::ScaleFilter::kLinear;
  if (text == "sharp-bilinear") return platform::ScaleFilter::kSharpBilinear;
  return std::nullopt;
}

// Applies an option's value; returns the error text, empty when it fitted.
using ValueSetter = std::function<std::string(std::string_view, PlayerOptions&)>;

ValueSetter Text(std::string PlayerOptions::*member) {
  return [member](std::string_view value, PlayerOptions& o) -> std::string {
    if (value.empty()) return "needs a non-empty value";
    o.*member = std::string(value);
    return {};
  };
}

ValueSetter Number(int low, int high, std::function<void(PlayerOptions&, int)> store) {
  return [=](std::string_view value, PlayerOptions& o) -> std::string {
    const auto number = ParseInt(value, low, high);
    if (!number)
      return "needs a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    store(o, *number);
    return {};
  };
}

struct ValueOption {
  std::string_view name;
  ValueSetter set;
};

const std::vector<ValueOption>& ValueOptions() {
  static const std::vector<ValueOption> options = {
      {"--scale", Number(1, kMaxScale, [](PlayerOptions& o, int n) { o.display.scale = n; })},
      {"--scale-mode",
       [](std::string_view value, PlayerOptions& o) -> std::string {
         const auto mode = ParseScaleMode(value);
         if (!mode) return "needs fit, integer or stretch";
         o.display.scale_mode = *mode;
         o.scale_mode_given = true;
         return {};
       }},
      {"--filter",
       [](std::string_view value, PlayerOptions& o) -> std::string {
         const auto filter = ParseScaleFilter(value);
         if (!filter) return "needs nearest, linear or sharp-bilinear";
         o.display.filter = *filter;
         o.filter_given = true;
         return {};
       }},
      {"--skip",
       [](std::string_view value, PlayerOptions& o) -> std::string {
         if (value != "read" && value != "all") return "needs read or all";
         o.skip_all = value == "all";
         return {};
       }},
      {"--volume", Number(0, kMaxVolume, [](PlayerOptions& o, int n) { o.volume = n; })},
      {"--sound-volume",
       Number(0, kMaxVolume, [](PlayerOptions& o, int n) { o.sound_volume = n; })},
      {"--music-volume",
       Number(0, kMaxVolume, [](PlayerOptions& o, int n) { o.music_volume = n; })},
      {"--settings", Text(&PlayerOptions::settings_path)},
      {"--save-dir", Text(&PlayerOptions::save_dir)},
      {"--soundfont", Text(&PlayerOptions::soundfont)},
      {"--script", Text(&PlayerOptions::script_path)},
      {"--trace", Text(&PlayerOptions::trace_path)},
      {"--frame-ms", Number(1, kMaxFrameMs, [](PlayerOptions& o, int n) { o.frame_ms = n; })},
      {"--audio-out", Text(&PlayerOptions::audio_out_path)},
  };
  return options;
}

const ValueOption* FindValueOption(std::string_view name) {
  for (const ValueOption& option : ValueOptions())
    if (option.name == name) return &option;
  return nullptr;
}

bool SetFlag(std::string_view name, PlayerOptions& o) {
  if (name == "--window") {
    o.display.windowed = true;
    o.window_given = true;
  } else if (name == "--faithful") {
    o.faithful = true;
  } else if (name == "--headless") {
    o.headless = true;
  } else if (name == "--help" || name == "-h") {
    o.help = true;
  } else if (name == "--version") {
    o.version = true;
  } else {
    return false;
  }
  return true;
}

std::string HeadlessOnlyOption(const PlayerOptions& o) {
  if (!o.script_path.empty()) return "--script";
  if (!o.audio_out_path.empty()) return "--audio-out";
  return {};
}

// The first option given that only the comforts use.
std::string ComfortOnlyOption(const PlayerOptions& o) {
  if (o.skip_all) return "--skip";
  if (o.volume) return "--volume";
  if (o.sound_volume) return "--sound-volume";
  if (o.music_volume) return "--music-volume";
  if (!o.settings_path.empty()) return "--settings";
  return {};
}

ParsedCommandLine Refuse(std::string error) {
  ParsedCommandLine result;
  result.error = std::move(error);
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> args) {
  ParsedCommandLine result;
  PlayerOptions& o = result.options;
  bool frame_ms_given = false;
  bool game_dir_given = false;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
      if (game_dir_given) return Refuse("more than one game folder: '" + std::string(arg) + "'");
      o.game_dir = std::string(arg);
      game_dir_given = true;
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (SetFlag(arg, o)) continue;
    // "--name value" or "--name=value".
    const size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const ValueOption* option = FindValueOption(name);
    if (option == nullptr) return Refuse("unknown option '" + std::string(arg) + "'");
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return Refuse("option " + std::string(name) + " needs a value");
    }
    const std::string error = option->set(value, o);
    if (!error.empty()) return Refuse("option " + std::string(name) + " " + error);
    frame_ms_given = frame_ms_given || name == "--frame-ms";
  }
  if (game_dir_given && o.game_dir.empty()) return Refuse("the game folder is empty");
  if (!o.headless && !o.help && !o.version) {
    std::string headless_only = HeadlessOnlyOption(o);
    if (headless_only.empty() && frame_ms_given) headless_only = "--frame-ms";
    if (!headless_only.empty()) return Refuse("option " + headless_only + " needs --headless");
  }
  if (o.faithful) {
    const std::string comfort = ComfortOnlyOption(o);
    if (!comfort.empty()) return Refuse("option " + comfort + " cannot be used with --faithful");
  }
  result.ok = true;
  return result;
}

std::string UsageText() {
  return "Usage: aoat-player [options] [GAME_DIR]\n"
         "Plays the adventure in GAME_DIR, a game folder or its data.aoat (default:\n"
         "the current folder when it holds a data.aoat, else the installed demo).\n"
         "\n"
         "Display:\n"
         "  --window             play in a window (default: full screen)\n"
         "  --scale N            window of 640N x 480N pixels (1-16)\n"
         "  --scale-mode MODE    fit (keep the aspect ratio), integer (whole multiples)\n"
         "                       or stretch (fill)\n"
         "  --filter FILTER      nearest, linear or sharp-bilinear (whole multiples with\n"
         "                       nearest pixels, then smoothed)\n"
         "Files:\n"
         "  --save-dir DIR       where s.dat lives (default: a per-game folder under\n"
         "                       $XDG_DATA_HOME/aoat-player, into which an s.dat of\n"
         "                       the game folder is copied once)\n"
         "  --soundfont FILE     sound font for the music (else AOAT_SOUNDFONT, else\n"
         "                       the system's)\n"
         "Comforts (keys, gamepad, skip, backlog, volume; F1 shows the keys):\n"
         "  --faithful           switch all of them off: the player as the game knew it\n"
         "  --skip read|all      skip only lines read before (default) or all lines\n"
         "  --volume N           master volume 0-100\n"
         "  --sound-volume N     sound-effect volume 0-100\n"
         "  --music-volume N     music volume 0-100\n"
         "  --settings FILE      the settings file (default:\n"
         "                       $XDG_CONFIG_HOME/aoat-player/settings.toml; none when\n"
         "                       headless)\n"
         "Headless runs:\n"
         "  --headless           no window and no audio device; a virtual clock\n"
         "  --script FILE        input script of the headless run\n"
         "  --frame-ms N         virtual milliseconds per frame (default 16)\n"
         "  --audio-out FILE.wav write the headless mix to a WAV file\n"
         "  --trace FILE         write the event trace as JSON Lines ('-': standard output)\n"
         "\n"
         "  --help               show this text\n"
         "  --version            show the version\n";
}

}  // namespace runtime
