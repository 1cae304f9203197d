// Files the player writes (saves, screenshots, the debug log) and the small
// files it copies. A save folder can hold anything a user or another program
// put there, so nothing is ever written through a symbolic link: whole files
// go to a new temporary file beside the target (created exclusively, never
// through a link), reach the disk, and are renamed into place.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

enum class IfExists { kReplace, kKeep };

enum class WriteResult { kWritten, kKept, kFailed };

// Writes `bytes` as the file `path`. With kReplace an existing file (or a
// symbolic link, which is replaced, not followed) gives way; with kKeep an
// existing entry stays untouched and the result is kKept. On kFailed nothing
// is left behind and `error` says why.
WriteResult WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes,
                           IfExists if_exists, std::string* error);

// Appends `text` to the file `path`, creating it when missing; a symbolic link
// or anything but a regular file there is refused.
bool AppendToFile(const std::string& path, std::string_view text);

// Reads the regular file `path` (never through a symbolic link) when it holds
// at most `max_bytes`; false with `error` set otherwise.
bool ReadSmallFile(const std::string& path, size_t max_bytes, std::vector<uint8_t>* bytes,
                   std::string* error);

}  // namespace platform
