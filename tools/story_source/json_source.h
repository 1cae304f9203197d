// A JSON document read from a story source, with the line and column of every
// value and key, so that later checks can say where a fault lies.
#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/story_source/diagnostics.h"

namespace story_source {

// Objects keep their keys in source order; written stories keep ours.
using Json = nlohmann::ordered_json;

class JsonDocument {
 public:
  Json root;

  // Position of the value at a JSON pointer ("/pages/3/lines/2"), or of its
  // key; a zero position when the document has none (built in memory).
  SourcePosition ValueAt(const std::string& pointer) const;
  SourcePosition KeyAt(const std::string& pointer) const;

  struct Place {
    SourcePosition key;
    SourcePosition value;
  };
  std::map<std::string, Place> places;
};

// Deeper nesting than this is refused: no story needs it.
inline constexpr int kMaxJsonDepth = 64;

// Parses a story source. JSON with // and /* */ comments; a key given twice in
// one object is an error. On failure appends the error and returns nullopt.
std::optional<JsonDocument> ParseJson(std::string_view text, std::vector<Diagnostic>* diagnostics);

// JSON pointers of children.
std::string ChildPointer(const std::string& parent, std::string_view key);
std::string ChildPointer(const std::string& parent, size_t index);

// "an integer", "a string", ... for messages.
std::string_view JsonTypeName(const Json& value);

}  // namespace story_source
