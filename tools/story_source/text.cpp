#include "tools/story_source/text.h"

#include <algorithm>
#include <cstdio>

#include "platform/encoding.h"

namespace story_source {
namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

// Length of the UTF-8 sequence starting with `lead`, 0 when it cannot start one.
size_t Utf8Length(uint8_t lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

std::string CodePointName(std::string_view character) {
  char32_t cp = 0;
  const auto b = [&](size_t i) { return static_cast<uint8_t>(character[i]); };
  switch (character.size()) {
    case 1:
      cp = b(0);
      break;
    case 2:
      cp = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
      break;
    case 3:
      cp = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
      break;
    default:
      cp = ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
      break;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

// Length of the CP932 character at `pos`: a lead byte takes its trail byte
// with it unless the text ends there.
size_t Cp932Length(std::string_view text, size_t pos) {
  const bool lead = platform::IsLeadByte(static_cast<uint8_t>(text[pos]));
  return lead && pos + 1 < text.size() && text[pos + 1] != '\0' ? 2 : 1;
}

}  // namespace

std::optional<std::string> ToCp932(std::string_view utf8, std::string* problem) {
  if (utf8.find('\0') != std::string_view::npos) {
    *problem = "holds a zero character (\\u0000), which would end the text early";
    return std::nullopt;
  }
  if (auto converted = platform::Utf8ToCp932(utf8)) return converted;
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t length = Utf8Length(static_cast<uint8_t>(utf8[pos]));
    if (length == 0 || pos + length > utf8.size()) break;
    const std::string_view character = utf8.substr(pos, length);
    if (!platform::Utf8ToCp932(character)) {
      *problem = "holds the character \"" + std::string(character) + "\" (" +
                 CodePointName(character) + "), which has no Shift-JIS (CP932) form";
      return std::nullopt;
    }
    pos += length;
  }
  *problem = "is not valid UTF-8";
  return std::nullopt;
}

std::optional<std::string> ReadableText(const project::TextRecord& record) {
  const std::string_view bytes = project::FieldText(record);
  if (bytes.size() >= record.size()) return std::nullopt;  // no terminating zero
  std::string utf8 = platform::Cp932ToUtf8(bytes);
  const auto back = platform::Utf8ToCp932(utf8);
  if (!back || *back != bytes) return std::nullopt;
  return utf8;
}

RowSplit SplitMessageRows(std::string_view sjis) {
  RowSplit split;
  std::string rows[kMessageRows];
  int row = 0;
  int column_bytes = 0;
  const size_t end = std::min(sjis.find('\0'), sjis.size());
  size_t pos = 0;
  bool full = false;
  while (pos < end && !full) {
    const size_t length = Cp932Length(sjis.substr(0, end), pos);
    // A lead byte without its trail byte ends the text: half a character is
    // never shown.
    if (length == 1 && platform::IsLeadByte(static_cast<uint8_t>(sjis[pos]))) break;
    const std::string_view character = sjis.substr(pos, length);
    if (character == "/" || character == kFullWidthSpace) {
      full = ++row == kMessageRows;
      column_bytes = 0;
      pos += length;
      continue;
    }
    if (column_bytes >= kRowWrapBytes) {
      column_bytes = 0;
      full = ++row == kMessageRows;  // a fifth row is never opened
      if (full) break;
    }
    rows[row] += character;
    column_bytes += static_cast<int>(length);
    pos += length;
  }
  const int count = row + (column_bytes > 0 && row < kMessageRows ? 1 : 0);
  split.rows.assign(rows, rows + count);
  if (full && pos < end) split.dropped = sjis.substr(pos, end - pos);
  return split;
}

bool DropsVisibleText(const RowSplit& split) {
  const std::string_view rest = split.dropped;
  for (size_t pos = 0; pos < rest.size();) {
    const size_t length = Cp932Length(rest, pos);
    const std::string_view character = rest.substr(pos, length);
    if (character != "/" && character != " " && character != kFullWidthSpace) return true;
    pos += length;
  }
  return false;
}

NameCut CutSpeakerName(std::string_view sjis) {
  const size_t end = std::min(sjis.find('\0'), sjis.size());
  NameCut cut;
  cut.shown = sjis.substr(0, end);
  size_t pos = 0;
  while (pos < end) {
    if (sjis[pos] == '+') {
      if (pos < static_cast<size_t>(kNameCutBytes)) {
        cut.shown = sjis.substr(0, pos);
      } else {
        cut.plus_beyond_limit = true;
      }
      break;
    }
    pos += Cp932Length(sjis.substr(0, end), pos);
  }
  return cut;
}

}  // namespace story_source
