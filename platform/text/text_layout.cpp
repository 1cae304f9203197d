#include "platform/text/text_layout.h"

#include <algorithm>

namespace platform::text {
namespace {

bool IsSpace(const TextChar& c) {
  return !c.double_byte && c.code_point == U' ';
}
bool IsBreak(const TextChar& c) {
  return !c.double_byte && (c.code_point == U'\r' || c.code_point == U'\n');
}

// The end of the unit that starts at `i`: a run of spaces, one double-byte
// character, or a run of other one-byte characters (a word).
size_t UnitEnd(std::span<const TextChar> chars, size_t i) {
  if (chars[i].double_byte) return i + 1;
  const bool space = IsSpace(chars[i]);
  size_t j = i + 1;
  while (j < chars.size() && !chars[j].double_byte && !IsBreak(chars[j]) &&
         IsSpace(chars[j]) == space)
    ++j;
  return j;
}

// Lays out one paragraph [i, end) (no line breaks inside).
void LayOutParagraph(std::span<const TextChar> chars, std::span<const int> advances, size_t i,
                     size_t end, int wrap_width_px, bool word_break, std::vector<LaidLine>* lines) {
  LaidLine line{i, i, 0};
  int pending_px = 0;  // width of the line including spaces after its content
  while (i < end) {
    const size_t j = std::min(UnitEnd(chars, i), end);
    int unit_px = 0;
    for (size_t k = i; k < j; ++k) unit_px += advances[k];
    if (IsSpace(chars[i])) {
      pending_px += unit_px;
      i = j;
      continue;
    }
    const bool has_content = line.last > line.first;
    if (word_break && has_content && pending_px + unit_px > wrap_width_px) {
      lines->push_back(line);
      line = LaidLine{i, i, 0};  // the spaces before the unit are dropped
      pending_px = 0;
      continue;
    }
    pending_px += unit_px;
    line.last = j;
    line.width_px = pending_px;
    i = j;
  }
  if (line.last == line.first) line.first = line.last = end;
  lines->push_back(line);
}

}  // namespace

std::vector<LaidLine> LayOutLines(std::span<const TextChar> chars, std::span<const int> advances,
                                  int wrap_width_px, bool word_break) {
  std::vector<LaidLine> lines;
  size_t i = 0;
  while (i < chars.size()) {
    size_t end = i;
    while (end < chars.size() && !IsBreak(chars[end])) ++end;
    LayOutParagraph(chars, advances, i, end, wrap_width_px, word_break, &lines);
    if (end == chars.size()) break;
    // "\r\n" is one break; a lone "\r" or "\n" is one too.
    const bool pair = chars[end].code_point == U'\r' && end + 1 < chars.size() &&
                      chars[end + 1].code_point == U'\n' && !chars[end + 1].double_byte;
    i = end + (pair ? 2 : 1);
  }
  return lines;
}

}  // namespace platform::text
