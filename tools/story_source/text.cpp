#include "tools/story_source/text.h"

#include <algorithm>
#include <cstdio>

#include "platform/encoding.h"

namespace story_source {
namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

std::string CodePointName(std::string_view character) {
  const char32_t cp = platform::DecodeUtf8(character);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

}  // namespace

std::optional<std::string> ToCp932(std::string_view utf8, std::string* problem) {
  if (utf8.find('\0') != std::string_view::npos) {
    *problem = "holds a zero character (\\u0000), which would end the text early";
    return std::nullopt;
  }
  size_t loss = std::string_view::npos;
  std::string converted = platform::Utf8ToCp932Lossy(utf8, &loss);
  if (loss == std::string_view::npos) return converted;
  const size_t length = platform::Utf8SequenceLength(utf8, loss);
  if (length == 0) {
    *problem = "is not valid UTF-8";
  } else {
    const std::string_view character = utf8.substr(loss, length);
    *problem = "holds the character \"" + std::string(character) + "\" (" +
               CodePointName(character) + "), which has no Shift-JIS (CP932) form";
  }
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
    const size_t length = platform::Cp932CharLength(sjis.substr(0, end), pos);
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
    const size_t length = platform::Cp932CharLength(rest, pos);
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
    pos += platform::Cp932CharLength(sjis.substr(0, end), pos);
  }
  return cut;
}

}  // namespace story_source
