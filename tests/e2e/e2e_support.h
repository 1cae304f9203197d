// The player program run as a user runs it, and its event trace read back:
// what every end-to-end test shares.
#pragma once

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/support.h"

namespace e2e {

struct RunResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// How long one run of the player may take before it is killed and its test
// fails: far beyond any run of the tests (a few seconds under ASan), well
// within the test's own time limit.
inline constexpr int kPlayerBudgetMs = 120'000;

// Runs the player with `args` (already quoted for the shell) in `folder`,
// which also keeps its standard output and error. The folder is also the
// run's XDG_RUNTIME_DIR, so that runs of the same game in parallel tests do
// not meet at the single-instance lock, and its "home" the run's home, where
// the player keeps saves and screenshots; the runs of one test share it.
// `environment` goes before the program as `env` takes it ("-u DISPLAY"). A
// run that outlives `budget_ms` is killed, and the test fails.
inline RunResult RunPlayer(const test_support::TempFolder& folder, const std::string& args,
                           const std::string& environment = "", int budget_ms = kPlayerBudgetMs) {
  const std::string dir = folder.Path().string();
  const std::string player = (test_support::BinaryDir() / "aoat-player").string();
  const std::string command = "cd '" + dir + "' && HOME='" + dir + "/home' XDG_DATA_HOME='" + dir +
                              "/home/.local/share' XDG_CONFIG_HOME='" + dir +
                              "/home/.config' XDG_RUNTIME_DIR='" + dir + "' env " + environment +
                              " '" + player + "' " + args +
                              " > stdout.txt 2> stderr.txt < /dev/null";
  const test_support::ProcessResult process = test_support::RunShellCommand(command, budget_ms);
  if (process.timed_out)
    ADD_FAILURE() << "aoat-player " << args << " outlived its budget of " << budget_ms
                  << " ms and was killed";
  RunResult result;
  result.exit_code = process.exit_code;
  result.out = folder.Read("stdout.txt");
  result.err = folder.Read("stderr.txt");
  return result;
}

// A screenshot's RGB bytes, or none when it is not a 640-pixel-wide PNG.
inline std::vector<uint8_t> ReadScreenshot(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0 || image.width != 640)
    return {};
  return rgb;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// One line of the trace: a flat JSON object of numbers and texts.
struct Event {
  std::string line;

  // The number field `key`, or -1 when the event has none.
  long Int(std::string_view key) const {
    const size_t at = line.find("\"" + std::string(key) + "\":");
    if (at == std::string::npos) return -1;
    return std::strtol(line.c_str() + at + key.size() + 3, nullptr, 10);
  }
  // The text field `key` with its escapes resolved, or "" when it has none.
  std::string Text(std::string_view key) const {
    const size_t at = line.find("\"" + std::string(key) + "\":\"");
    std::string text;
    if (at == std::string::npos) return text;
    for (size_t i = at + key.size() + 4; i < line.size() && line[i] != '"'; ++i) {
      if (line[i] != '\\' || i + 1 == line.size()) {
        text.push_back(line[i]);
        continue;
      }
      const char escaped = line[++i];
      text.push_back(escaped == 'n'   ? '\n'
                     : escaped == 'r' ? '\r'
                     : escaped == 't' ? '\t'
                                      : escaped);
    }
    return text;
  }
  std::string Name() const { return Text("ev"); }
  long Frame() const { return Int("f"); }
  long TimeMs() const { return Int("t"); }
};

class Trace {
 public:
  explicit Trace(const std::string& jsonl) {
    std::istringstream in(jsonl);
    for (std::string line; std::getline(in, line);)
      if (!line.empty()) events_.push_back({line});
  }
  const std::vector<Event>& All() const { return events_; }
  std::vector<Event> Named(std::string_view name) const {
    std::vector<Event> found;
    for (const Event& event : events_)
      if (event.Name() == name) found.push_back(event);
    return found;
  }
  // The story's (page, line) in the order it went through them.
  std::vector<std::pair<long, long>> Pages() const {
    std::vector<std::pair<long, long>> pages;
    for (const Event& event : Named("page"))
      pages.emplace_back(event.Int("page"), event.Int("line"));
    return pages;
  }
  // The screens in the order they were entered.
  std::vector<long> ScreenNumbers() const {
    std::vector<long> numbers;
    for (const Event& event : Named("screen")) numbers.push_back(event.Int("no"));
    return numbers;
  }
  // The first event named `name` whose field `key` is `value`; an empty
  // event (every field -1) when there is none.
  Event Find(std::string_view name, std::string_view key, long value) const {
    for (const Event& event : events_)
      if (event.Name() == name && event.Int(key) == value) return event;
    return {};
  }
  // The event of the story reaching `line` of `page`, or an empty event.
  Event FindPage(long page, long line) const {
    for (const Event& event : Named("page"))
      if (event.Int("page") == page && event.Int("line") == line) return event;
    return {};
  }
  // The MCI commands that opened a song whose file name ends in `song`.
  int SongStarts(std::string_view song) const {
    int starts = 0;
    for (const Event& event : Named("mci")) {
      const std::string command = event.Text("cmd");
      if (command.starts_with("open ") && Contains(command, std::string(song) + "\"")) ++starts;
    }
    return starts;
  }

 private:
  std::vector<Event> events_;
};

// Script lines: `count` left clicks at (x, y). A press polled right after a
// release reads as held, not as a new press, so each click is followed by one
// more frame with the button up.
inline std::string Clicks(int count, int x = 320, int y = 240) {
  std::string script;
  for (int i = 0; i < count; ++i)
    script += "click " + std::to_string(x) + " " + std::to_string(y) + "\nframes 1\n";
  return script;
}

// The left channel of a 16-bit stereo WAV file written by --audio-out.
inline std::vector<int16_t> ReadWavLeft(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t data = bytes.find("data");
  std::vector<int16_t> left;
  if (data == std::string::npos) return left;
  for (size_t i = data + 8; i + 3 < bytes.size(); i += 4) {
    left.push_back(static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                        static_cast<uint8_t>(bytes[i + 1]) << 8));
  }
  return left;
}

}  // namespace e2e
