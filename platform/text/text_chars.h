// Shift-JIS text cut into characters for drawing: lead bytes by the code page
// 932 table, each character decoded to its code point through a table built
// once with iconv.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform::text {

inline constexpr char32_t kReplacement = 0xFFFD;

struct TextChar {
  uint32_t offset = 0;  // first byte in the text
  uint8_t length = 1;   // 1 or 2 bytes
  char32_t code_point = 0;
  bool double_byte = false;  // a lead byte with its trail
};

// Cuts `sjis` into characters. A lead byte as the last byte is a one-byte
// character that decodes to the replacement; a pair that code page 932 does
// not map decodes to the replacement. Never reads past the text.
void CutText(std::string_view sjis, std::vector<TextChar>* out);

// One character's code point (the same rules as CutText).
char32_t DecodeChar(std::string_view sjis, size_t pos, size_t* length);

}  // namespace platform::text
