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
#include "runtime/shell/command_line.h"
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

// Game and save folders; false with `error` set when one is unusable.
bool SetUpFolders(const runtime::PlayerOptions& options, std::string* error) {
  std::error_code ec;
  const auto game = std::filesystem::absolute(options.game_dir, ec);
  if (ec || !std::filesystem::is_directory(game, ec)) {
    *error = "no game folder at '" + options.game_dir + "'";
    return false;
  }
  platform::SetGameFolder(WithSlash(game.lexically_normal()));
  if (options.save_dir.empty()) return true;
  const auto save = std::filesystem::absolute(options.save_dir, ec);
  if (!ec) std::filesystem::create_directories(save, ec);
  if (ec || !std::filesystem::is_directory(save)) {
    *error = "cannot use '" + options.save_dir + "' as the save folder";
    return false;
  }
  platform::SetSaveFolder(WithSlash(save.lexically_normal()));
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

int Play(const runtime::PlayerOptions& options, const std::string& command_line) {
  std::string error;
  if (!SetUpFolders(options, &error)) return Fail(kExitStartFailure, error);
  // The option outranks AOAT_SOUNDFONT and the system's sound fonts.
  if (!options.soundfont.empty()) platform::SetSoundFont(options.soundfont);
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
  const int code = WinMain(1, 0, command_line.c_str(), 1);
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
