// The comforts' start: the settings file read and folded together with the
// command line.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_writing.h"
#include "runtime/comforts/comforts.h"

namespace comforts {

SettingsSource ReadSettings(const runtime::PlayerOptions& options) {
  SettingsSource source;
  if (!options.settings_path.empty()) {
    source.path = options.settings_path;
  } else if (!options.headless) {
    source.path = UserSettingsPath();
  }
  if (source.path.empty()) return source;
  struct stat info {};
  if (::lstat(source.path.c_str(), &info) != 0 && errno == ENOENT) {
    // A file that is not there yet is written on the first change.
    source.writable = true;
    return source;
  }
  std::vector<uint8_t> bytes;
  std::string error;
  if (!platform::ReadSmallFile(source.path, kMaxSettingsBytes, &bytes, &error)) {
    std::fprintf(stderr, "aoat-player: %s: %s; the settings are not used\n", source.path.c_str(),
                 error.c_str());
    return source;
  }
  source.text.assign(bytes.begin(), bytes.end());
  const ParsedSettings parsed = ParseSettings(source.text, source.path);
  for (const std::string& problem : parsed.problems)
    std::fprintf(stderr, "aoat-player: %s\n", problem.c_str());
  source.writable = !parsed.broken;
  if (!parsed.broken) source.settings = parsed.settings;
  return source;
}

void ApplyDisplaySettings(const Settings& settings, runtime::PlayerOptions* options) {
  if (!options->window_given && settings.full_screen)
    options->display.windowed = !*settings.full_screen;
  if (!options->scale_mode_given && settings.scale_mode)
    options->display.scale_mode = *settings.scale_mode;
  if (!options->filter_given && settings.filter) options->display.filter = *settings.filter;
  options->display.gamepad = settings.gamepad.value_or(true);
}

ComfortOptions OptionsFor(const runtime::PlayerOptions& options, const SettingsSource& source) {
  const Settings& file = source.settings;
  ComfortOptions comfort;
  for (const auto& [action, keys] : file.bindings) comfort.keys.Bind(action, keys);
  comfort.levels.master = options.volume.value_or(file.volume.value_or(kMaxLevel));
  comfort.levels.sound = options.sound_volume.value_or(file.sound_volume.value_or(kMaxLevel));
  comfort.levels.music = options.music_volume.value_or(file.music_volume.value_or(kMaxLevel));
  comfort.levels.mute = file.mute.value_or(false);
  comfort.skip_all = options.skip_all.value_or(file.skip_all.value_or(false));
  comfort.gamepad = file.gamepad.value_or(true);
  comfort.keep_read_record = !options.headless;
  if (source.writable) comfort.settings_path = source.path;
  comfort.file_settings = file;
  comfort.file_text = source.text;
  return comfort;
}

}  // namespace comforts
