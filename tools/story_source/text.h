// Story texts between UTF-8 (the story source) and CP932 (the project file),
// and the player's own rules for laying texts out, which lint must mirror.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/project/project_file.h"

namespace story_source {

// Converts a source text to CP932. On failure returns nullopt and says why in
// `problem`, naming the first character that has no CP932 form.
std::optional<std::string> ToCp932(std::string_view utf8, std::string* problem);

// A stored text as UTF-8 when it can be written in a story source and read
// back to the very same bytes: terminated inside its field, and every
// character with one CP932 form. nullopt otherwise.
std::optional<std::string> ReadableText(const project::TextRecord& record);

// How the player splits a message line into rows: a "/" or a full-width space
// ends a row and is not shown; a row wraps before a character when it already
// holds 40 bytes or more (so a double-byte character starting at byte 39 stays
// whole); at most four rows, and what does not fit is dropped.
inline constexpr int kMessageRows = 4;
inline constexpr int kRowWrapBytes = 40;

struct RowSplit {
  std::vector<std::string> rows;  // the rows shown, at most four
  std::string_view dropped;       // the text left over when the rows were full
};
RowSplit SplitMessageRows(std::string_view sjis);
// True when the dropped part holds something other than row breaks and spaces.
bool DropsVisibleText(const RowSplit& split);

// How the player cuts a speaker name: at its first single-byte "+", looked for
// only within the first 40 bytes (double-byte characters skipped whole).
inline constexpr int kNameCutBytes = 40;

struct NameCut {
  std::string_view shown;          // the name as the player shows it
  bool plus_beyond_limit = false;  // a "+" that lies at byte 40 or later, left in place
};
NameCut CutSpeakerName(std::string_view sjis);

}  // namespace story_source
