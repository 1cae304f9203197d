// Shift-JIS (code page 932) helpers: the lead-byte table and conversions to
// and from UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for the bytes that start a double-byte character in code page 932.
constexpr bool IsLeadByte(uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Converts code page 932 text to UTF-8. Bytes that do not map (a lead byte at
// the end, an unassigned pair) become U+FFFD; the result is always valid UTF-8.
std::string Cp932ToUtf8(std::string_view sjis);
// Converts UTF-8 to code page 932; nullopt when a character has no CP932 form
// or the input is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Decodes one CP932 character at `text[pos]`; writes its length in bytes (1 or
// 2) and returns its Unicode code point, or U+FFFD for bytes that do not map.
char32_t DecodeCp932(std::string_view text, size_t pos, size_t* length);

}  // namespace platform
