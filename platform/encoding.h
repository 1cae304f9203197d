// Shift-JIS (code page 932) helpers: the lead-byte table, the length of one
// character in either encoding, and conversions between CP932 and UTF-8.
// Every layer takes these rules from here, so a text is cut, walked and
// converted the same way by the player, the engine and the authoring tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for the bytes that start a double-byte character in code page 932.
constexpr bool IsLeadByte(uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the CP932 character at `text[pos]`: 2 for a lead byte and the
// trail byte after it, 1 otherwise. A lead byte at the end of the text or
// just before a NUL stands alone (1), so a walk never takes the terminator
// of a C string as half of a character. 0 when `pos` is past the end.
constexpr size_t Cp932CharLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  const bool pair =
      IsLeadByte(static_cast<uint8_t>(text[pos])) && pos + 1 < text.size() && text[pos + 1] != '\0';
  return pair ? 2 : 1;
}

// Length of the UTF-8 sequence at `text[pos]` when it is well formed: 1 for
// ASCII, 2 to 4 for a lead byte C2..F4 followed by all its continuation
// bytes. 0 for a byte that starts no well-formed sequence (a continuation
// byte, C0, C1, F5..FF, a sequence cut short) and when `pos` is past the end.
size_t Utf8SequenceLength(std::string_view text, size_t pos);
// The code point of the UTF-8 sequence at the start of `utf8`, U+FFFD when
// the text is empty or its first sequence is cut short.
char32_t DecodeUtf8(std::string_view utf8);

// Converts code page 932 text to UTF-8. Bytes that do not map (a lead byte at
// the end, an unassigned pair) become U+FFFD; the result is always valid UTF-8.
std::string Cp932ToUtf8(std::string_view sjis);
// Converts UTF-8 to code page 932; nullopt when a character has no CP932 form
// or the input is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Converts UTF-8 to code page 932, never failing: each character that has no
// CP932 form becomes one '?', and so does each byte that starts no
// well-formed UTF-8 sequence (the walk goes on with the next byte). When
// `first_loss` is given it receives the offset in `utf8` of the first
// character or byte so replaced, std::string_view::npos when none was.
inline constexpr char kCp932Replacement = '?';
std::string Utf8ToCp932Lossy(std::string_view utf8, size_t* first_loss = nullptr);
// Decodes one CP932 character at `text[pos]`; writes its length in bytes (1 or
// 2) and returns its Unicode code point, or U+FFFD for bytes that do not map.
char32_t DecodeCp932(std::string_view text, size_t pos, size_t* length);

}  // namespace platform
