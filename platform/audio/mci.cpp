// The interpreter of MCI command strings for the one sequencer device.
#include "platform/audio/mci.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio/mci_command.h"
#include "platform/audio/song_player.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/trace.h"

namespace platform {
namespace {

// Songs are small; a bigger file is not read (the song is then not ready).
constexpr size_t kMaxMidiBytes = 16 << 20;

struct MciState {
  std::string device;  // name of the open device (its alias); empty when closed
  bool play_notify_pending = false;
  bool polling = false;
};

MciState& State() {
  static MciState state;
  return state;
}

void PostNotice(uint64_t code) {
  PostMessage(msg::kMciNotify, code, kMciSequencerId);
  TraceEvent("mci-notify").Int("code", static_cast<int64_t>(code));
}

void AbortPendingPlay() {
  if (!std::exchange(State().play_notify_pending, false)) return;
  PostNotice(mci::kNotifyAborted);
}

// Polled on the main thread with the message queue: the end of the song
// completes a notifying play.
void PollSequencer() {
  audio::AdvanceSongWithoutOutput();
  if (audio::TakeSongEnd() && std::exchange(State().play_notify_pending, false))
    PostNotice(mci::kNotifySuccessful);
}

// Nothing for a song that is missing, not a regular file or above the bound
// (the player then plays no song, as for a file it cannot open).
std::vector<uint8_t> ReadSongFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadRegularFile(path, kMaxMidiBytes, &bytes, &error)) bytes.clear();
  return bytes;
}

void WriteReply(char* reply, size_t reply_bytes, std::string_view text) {
  if (reply == nullptr || reply_bytes == 0) return;
  std::snprintf(reply, reply_bytes, "%.*s", static_cast<int>(text.size()), text.data());
}

// A command split into its verb, its device (or file) word and the rest,
// with "notify" taken out.
struct Command {
  std::string verb;
  std::string device;
  std::vector<std::string> rest;
  bool notify = false;
};

uint32_t Open(const Command& c) {
  std::string alias;
  for (size_t i = 0; i < c.rest.size(); i += 2) {
    if (i + 1 >= c.rest.size()) return mci_error::kMissingParameter;
    if (audio::SameWord(c.rest[i], "type")) {
      if (!audio::SameWord(c.rest[i + 1], "sequencer")) return mci_error::kInvalidDeviceName;
    } else if (audio::SameWord(c.rest[i], "alias")) {
      alias = c.rest[i + 1];
    } else {
      return mci_error::kUnrecognizedKeyword;
    }
  }
  const std::string name = alias.empty() ? c.device : alias;
  MciState& s = State();
  if (!s.device.empty())
    return audio::SameWord(s.device, name) ? mci_error::kDuplicateAlias : mci_error::kDeviceOpen;
  const std::optional<std::string> path = ResolvePath(c.device);
  if (!path) return mci_error::kFileNotFound;
  audio::OpenSong(ReadSongFile(*path));
  s.device = name;
  if (!s.polling) {
    AddEventSource(&PollSequencer);
    s.polling = true;
  }
  return 0;
}

uint32_t Seek(const Command& c) {
  if (c.rest.size() != 2 || !audio::SameWord(c.rest[0], "to")) return mci_error::kMissingParameter;
  if (!audio::SameWord(c.rest[1], "start")) return mci_error::kUnrecognizedKeyword;
  AbortPendingPlay();
  audio::SeekSongToStart();
  return 0;
}

uint32_t Play(const Command& c, uintptr_t callback_window) {
  if (!c.rest.empty()) return mci_error::kUnrecognizedKeyword;
  const bool notify = c.notify && callback_window != 0;
  MciState& s = State();
  if (notify && std::exchange(s.play_notify_pending, false)) PostNotice(mci::kNotifySuperseded);
  if (!audio::PlaySong()) return mci_error::kDeviceNotReady;
  if (notify) s.play_notify_pending = true;
  return 0;
}

uint32_t Status(const Command& c, char* reply, size_t reply_bytes) {
  if (c.rest.size() != 1) return mci_error::kMissingParameter;
  if (!audio::SameWord(c.rest[0], "mode")) return mci_error::kUnrecognizedKeyword;
  switch (audio::CurrentSongMode()) {
    case audio::SongMode::kStopped:
      WriteReply(reply, reply_bytes, "stopped");
      break;
    case audio::SongMode::kSeeking:
      WriteReply(reply, reply_bytes, "seeking");
      break;
    case audio::SongMode::kPlaying:
      WriteReply(reply, reply_bytes, "playing");
      break;
    case audio::SongMode::kNotReady:
      WriteReply(reply, reply_bytes, "not ready");
      break;
  }
  return 0;
}

// Every command but open names the open device.
uint32_t Run(const Command& c, char* reply, size_t reply_bytes, uintptr_t callback_window) {
  if (audio::SameWord(c.verb, "open")) return Open(c);
  const bool known = audio::SameWord(c.verb, "close") || audio::SameWord(c.verb, "seek") ||
                     audio::SameWord(c.verb, "play") || audio::SameWord(c.verb, "stop") ||
                     audio::SameWord(c.verb, "status");
  if (!known) return mci_error::kUnrecognizedCommand;
  MciState& s = State();
  if (s.device.empty() || !audio::SameWord(c.device, s.device))
    return mci_error::kInvalidDeviceName;
  if (audio::SameWord(c.verb, "seek")) return Seek(c);
  if (audio::SameWord(c.verb, "play")) return Play(c, callback_window);
  if (audio::SameWord(c.verb, "status")) return Status(c, reply, reply_bytes);
  if (!c.rest.empty()) return mci_error::kUnrecognizedKeyword;
  AbortPendingPlay();
  if (audio::SameWord(c.verb, "stop")) {
    audio::StopSong();
  } else {
    audio::CloseSong();
    s.device.clear();
  }
  return 0;
}

}  // namespace

uint32_t MciSendString(std::string_view command, char* reply, size_t reply_bytes,
                       uintptr_t callback_window) {
  TraceEvent("mci").SjisText("cmd", command);
  WriteReply(reply, reply_bytes, "");
  std::optional<std::vector<std::string>> words = audio::SplitMciCommand(command);
  if (!words) return mci_error::kNoClosingQuote;
  if (words->size() < 2)
    return words->empty() ? mci_error::kUnrecognizedCommand : mci_error::kMissingParameter;
  Command c;
  c.verb = (*words)[0];
  c.device = (*words)[1];
  for (size_t i = 2; i < words->size(); ++i) {
    if (audio::SameWord((*words)[i], "notify")) {
      c.notify = true;
    } else {
      c.rest.push_back((*words)[i]);
    }
  }
  const uint32_t error = Run(c, reply, reply_bytes, callback_window);
  // Commands other than play complete at once.
  if (error == 0 && c.notify && callback_window != 0 && !audio::SameWord(c.verb, "play"))
    PostNotice(mci::kNotifySuccessful);
  return error;
}

}  // namespace platform
