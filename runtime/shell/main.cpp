// The player program: reads the command line, sets up the platform (folders,
// trace, backend) and runs the adventure.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/audio/sound_font.h"
#include "platform/backends.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "runtime/comforts/comforts.h"
#include "runtime/save/save_import.h"
#include "runtime/shell/command_line.h"
#include "runtime/shell/game_location.h"
#include "runtime/shell/shell.h"

namespace {

inline constexpr int kExitBadCommandLine = 2;
inline constexpr int kExitStartFailure = 1;

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "aoat-player: %s\n", message.c_str());
  if (code == kExitBadCommandLine) std::fputs("Try 'aoat-player --help'.\n", stderr);
  return code;
}

std::string WithSlash(const std::filesystem::path& folder) {
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') text.push_back('/');
  return text;
}

// The command line as the program received it, for _CommandLine.
std::string JoinArguments(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line.push_back(' ');
    line += argv[i];
  }
  return line;
}

// The game to play, said on standard error when it is the installed demo;
// false with `error` set when the argument names no game.
bool SetUpGameFolder(const runtime::PlayerOptions& options, std::string* error) {
  std::error_code ec;
  const std::string current = std::filesystem::current_path(ec).string();
  const runtime::GameLocation game =
      runtime::LocateGame(options.game_dir, current, platform::ProgramFile());
  if (game.folder.empty()) {
    *error = game.error;
    return false;
  }
  if (game.demo)
    std::fprintf(stderr,
                 "aoat-player: no game given and no data.aoat here; playing the demo in %s\n",
                 game.folder.c_str());
  if (game.no_project)
    std::fprintf(stderr,
                 "aoat-player: there is no data.aoat in %s; it plays as an empty story (give the "
                 "folder that holds the game's data.aoat)\n",
                 game.folder.c_str());
  platform::SetGameFolder(WithSlash(game.folder));
  return true;
}

// A save that came with the game folder is copied into the per-user save
// folder on the game's first start.
void ImportSave() {
  const runtime::SaveImport import = runtime::ImportGameFolderSave();
  if (import.outcome == runtime::SaveImport::Outcome::kCopied) {
    std::fprintf(stderr, "aoat-player: copied the game's save %s to %s\n", import.from.c_str(),
                 import.to.c_str());
  } else if (import.outcome == runtime::SaveImport::Outcome::kFailed) {
    std::fprintf(stderr, "aoat-player: cannot copy the game's save %s: %s\n", import.from.c_str(),
                 import.error.c_str());
  }
}

// The save folder (given, or the game's own under the XDG data folder), said
// once on standard error; false with `error` set when it cannot be made.
bool SetUpSaveFolder(const runtime::PlayerOptions& options, std::string* error) {
  std::error_code ec;
  if (!options.save_dir.empty()) {
    const auto save = std::filesystem::absolute(options.save_dir, ec);
    if (!ec) std::filesystem::create_directories(save, ec);
    if (ec || !std::filesystem::is_directory(save, ec)) {
      *error = "cannot use '" + options.save_dir + "' as the save folder";
      return false;
    }
    platform::SetSaveFolder(WithSlash(save.lexically_normal()));
  }
  const std::string& folder = platform::SaveFolder();
  if (!std::filesystem::is_directory(folder, ec)) {
    *error = "cannot create the save folder '" + folder + "'";
    return false;
  }
  ImportSave();
  std::fprintf(stderr, "aoat-player: saves are kept in %s\n", folder.c_str());
  return true;
}

std::unique_ptr<platform::Backend> CreateBackend(const runtime::PlayerOptions& options) {
  if (!options.headless) return platform::CreateSdlBackend(options.display);
  platform::HeadlessOptions headless;
  headless.script_path = options.script_path;
  headless.frame_ms = options.frame_ms;
  headless.audio_out_path = options.audio_out_path;
  return platform::CreateHeadlessBackend(headless);
}

int Play(runtime::PlayerOptions options, const std::string& command_line) {
  // The comforts' settings fill in the display options the command line left
  // open; with --faithful there are neither settings nor comforts.
  comforts::SettingsSource settings;
  if (!options.faithful) {
    settings = comforts::ReadSettings(options);
    comforts::ApplyDisplaySettings(settings.settings, &options);
  }
  std::string error;
  if (!SetUpGameFolder(options, &error) || !SetUpSaveFolder(options, &error))
    return Fail(kExitStartFailure, error);
  // The option outranks AOAT_SOUNDFONT and the system's sound fonts.
  if (!options.soundfont.empty()) platform::SetSoundFont(options.soundfont);
  platform::SettleSoundFont();
  if (!options.trace_path.empty() && !platform::OpenTrace(options.trace_path))
    return Fail(kExitStartFailure, "cannot write the trace to '" + options.trace_path + "'");
  auto backend = CreateBackend(options);
  if (!backend) {
    platform::CloseTrace();
    return Fail(kExitStartFailure,
                options.headless ? "cannot start the headless run" : "cannot open the display");
  }
  platform::InstallBackend(std::move(backend));
  platform::SetTraceTimeOrigin(platform::TimeMs());
  if (!options.faithful) comforts::Install(comforts::OptionsFor(options, settings));
  const int code = WinMain(1, 0, command_line.c_str(), 1);
  comforts::Uninstall();
  platform::TraceEvent("exit").Int("code", code);
  platform::CloseTrace();
  platform::ResetBackend();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const runtime::ParsedCommandLine parsed = runtime::ParseCommandLine(args);
  if (!parsed.ok) return Fail(kExitBadCommandLine, parsed.error);
  if (parsed.options.help) {
    std::fputs(runtime::UsageText().c_str(), stdout);
    return 0;
  }
  if (parsed.options.version) {
    std::printf("aoat-player %s\n", AOAT_VERSION);
    return 0;
  }
  return Play(parsed.options, JoinArguments(argc, argv));
}
