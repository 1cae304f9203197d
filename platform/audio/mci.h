// The multimedia control interface as the music class uses it: string
// commands to the MIDI sequencer, which plays one song at a time on FluidSynth
// and posts the completion notice (msg::kMciNotify) to the window's queue.
//
// Understood: "open <file> [type sequencer] [alias <name>]", "close <name>",
// "seek <name> to start", "play <name>", "stop <name>",
// "status <name> mode" (reply "stopped", "playing", "seeking" or
// "not ready"); each may end in "notify".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// MCI error codes.
namespace mci_error {
inline constexpr uint32_t kUnrecognizedKeyword = 259;
inline constexpr uint32_t kUnrecognizedCommand = 261;
inline constexpr uint32_t kInvalidDeviceName = 263;
inline constexpr uint32_t kDeviceOpen = 265;
inline constexpr uint32_t kMissingParameter = 273;
inline constexpr uint32_t kFileNotFound = 275;
inline constexpr uint32_t kDeviceNotReady = 276;
inline constexpr uint32_t kDuplicateAlias = 289;
inline constexpr uint32_t kNoClosingQuote = 294;
}  // namespace mci_error

// The device id carried by notices (their lparam).
inline constexpr int64_t kMciSequencerId = 1;

// Runs `command` (Shift-JIS). The reply, if any, is written to `reply`
// (zero-terminated, cut to `reply_bytes`). With "notify" and a non-zero
// `callback_window`, the completion notice is posted when the command
// completes: at once, or for "play" when the song ends (code 1), is
// superseded by another notifying play (2) or aborted by stop, seek or close
// (4). Returns 0 or an MCI error code.
uint32_t MciSendString(std::string_view command, char* reply, size_t reply_bytes,
                       uintptr_t callback_window);

}  // namespace platform
