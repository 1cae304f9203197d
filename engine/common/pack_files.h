// What the sound and image packs share: entry names (upper-cased Shift-JIS
// base names, zero-terminated in the file), the folder listing the converters
// read, and the pack path they append to.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/common/byte_source.h"

namespace el::common {

// Names longer than this never match (they do not fit the lookup's buffers).
inline constexpr size_t kMaxPackNameLength = 127;

// Reads the zero-terminated name at `offset`: keeps up to kMaxPackNameLength
// + 1 bytes of it in `name` and returns the offset after its zero byte;
// nullopt when the data ends before the zero byte.
std::optional<uint64_t> ReadPackName(ByteSource& pack, uint64_t offset, std::string* name);

// Upper-cases the ASCII letters of Shift-JIS text, leaving double-byte
// characters (whose second byte may look like a letter) as they are.
std::string UpperSjis(std::string_view text);

// The part after the last backslash that is a character of its own (a
// double-byte character's second byte can be a backslash).
std::string_view BaseName(std::string_view name);

// The regular files of a folder whose extension is `extension` (lower case,
// with its dot) in any case, as Shift-JIS names, in name order.
std::vector<std::string> FilesWithExtension(const std::string& folder, std::string_view extension);

// The program folder followed by `name`, resolved to an existing file when
// there is one, else the path a new file of that name is created at.
std::string PackPathForWriting(const char* name);

// Opens a pack by its full path (program folder and pack name).
std::unique_ptr<FileSource> OpenPackFile(const char* pack_path);

// Deletes the pack `name` in the program folder; a missing one is no error.
void DeletePack(const char* name);

}  // namespace el::common
