// Reading the values of a story source with their places: every check that
// fails becomes an error at the line and column of the value, naming the
// place in the story and the key.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/story_source/diagnostics.h"
#include "tools/story_source/json_source.h"
#include "tools/story_source/names.h"

namespace story_source {

// A value of the source with its JSON pointer, its place in the story
// ("page 3 (intro), line 2") and its key for messages.
struct Node {
  const Json* value = nullptr;
  std::string pointer;
  std::string where;
  std::string key;  // "\"sound\"", "entry 3", or empty
  int page = -1;
  int line = -1;

  Node Child(std::string_view name) const;
  Node Element(size_t index) const;
  // The same node at another place in the story.
  Node At(std::string new_where, int new_page, int new_line = -1) const;
};

class BuildContext {
 public:
  BuildContext(const JsonDocument& document, std::vector<Diagnostic>* diagnostics)
      : document_(document), diagnostics_(diagnostics) {}

  void Error(const Node& node, const std::string& message, bool at_key = false);
  const JsonDocument& Document() const { return document_; }

 private:
  const JsonDocument& document_;
  std::vector<Diagnostic>* diagnostics_;
};

// Checks that a node is an object holding only the given keys ("comment" is
// allowed everywhere and ignored) and hands out its fields.
class ObjectReader {
 public:
  ObjectReader(BuildContext& context, const Node& node,
               std::initializer_list<std::string_view> keys);
  bool IsObject() const { return is_object_; }
  std::optional<Node> Get(std::string_view key) const;
  bool Has(std::string_view key) const { return Get(key).has_value(); }

 private:
  Node node_;
  bool is_object_;
};

bool ExpectType(BuildContext& context, const Node& node, bool ok, std::string_view expected);
std::optional<int64_t> ReadInteger(BuildContext& context, const Node& node, int64_t lowest,
                                   int64_t highest);
// true/false, or a number 0 to 255 (the stored byte).
std::optional<uint8_t> ReadFlag(BuildContext& context, const Node& node);
// A text converted to CP932, at most `max_bytes` long.
std::optional<std::string> ReadText(BuildContext& context, const Node& node, int max_bytes);
std::optional<std::string> ReadString(BuildContext& context, const Node& node);
// A page: a number 0 to 999 or a page name.
std::optional<int> ReadTarget(BuildContext& context, const Node& node, const PageNames& pages);
// An entry of a list: 0 (none), a number up to the list's length, or a file name.
std::optional<int> ReadAssetRef(BuildContext& context, const Node& node,
                                const AssetCatalog& catalog, project::AssetList list);
// A person: 0 (none), a number 1 to 199, a person picture's file name or a speaker name.
std::optional<int> ReadPersonRef(BuildContext& context, const Node& node,
                                 const AssetCatalog& catalog);
// A colour: a colour name or any number.
std::optional<int32_t> ReadColour(BuildContext& context, const Node& node);
// Fills `record` with a CP932 text; records are zero-filled before.
void StoreText(const std::string& sjis, project::TextRecord* record);

}  // namespace story_source
