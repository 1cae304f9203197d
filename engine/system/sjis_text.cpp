#include "engine/system/internal/sjis_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/encoding.h"

namespace el::system {

size_t WholeCharacterPrefix(std::string_view text, size_t max_bytes) {
  const size_t limit = std::min(max_bytes, text.size());
  size_t kept = 0;
  while (kept < limit) {
    const size_t length = platform::IsLeadByte(static_cast<uint8_t>(text[kept])) ? 2 : 1;
    if (kept + length > limit) break;
    kept += length;
  }
  return kept;
}

size_t CopyWholeCharacters(std::span<char> out, std::string_view text) {
  if (out.empty()) return 0;
  const size_t kept = WholeCharacterPrefix(text, out.size() - 1);
  std::memcpy(out.data(), text.data(), kept);
  out[kept] = '\0';
  return kept;
}

size_t FormatWholeCharacters(std::span<char> out, size_t max_bytes, const char* format,
                             va_list args) {
  if (out.empty()) return 0;
  const int written = std::vsnprintf(out.data(), out.size(), format, args);
  if (written < 0) {
    out[0] = '\0';
    return 0;
  }
  // vsnprintf may have cut inside a character; everything before its cut is
  // the true text, so walking from the start finds the last whole character.
  const std::string_view text(out.data(), std::strlen(out.data()));
  const size_t kept = WholeCharacterPrefix(text, std::min(max_bytes, out.size() - 1));
  out[kept] = '\0';
  return kept;
}

}  // namespace el::system
