// Bounded Shift-JIS text: the engine's fixed buffers are filled without ever
// overflowing them, and a text that does not fit is cut between characters,
// never between the two bytes of a double-byte character.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <span>
#include <string_view>

namespace el::system {

// Length of the longest start of `text`, at most `max_bytes` long, made of
// whole characters. A lead byte whose trail byte is missing is not whole.
size_t WholeCharacterPrefix(std::string_view text, size_t max_bytes);

// Copies `text` into `out` as a NUL-terminated string, cut to whole
// characters when it does not fit; returns the length kept.
size_t CopyWholeCharacters(std::span<char> out, std::string_view text);

// Formats as vsnprintf does into `out`, then keeps at most `max_bytes` bytes
// (and never more than fit with the NUL), cut to whole characters; returns
// the length kept.
size_t FormatWholeCharacters(std::span<char> out, size_t max_bytes, const char* format,
                             va_list args);

}  // namespace el::system
