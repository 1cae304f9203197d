#include "tools/story_source/build_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "tools/story_source/schema.h"
#include "tools/story_source/text.h"

namespace story_source {
namespace {

// Appended piece by piece: GCC 12 warns (-Wrestrict) about a literal added
// to a temporary string at -O2, a false alarm that would stop a build with
// warnings as errors.
std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string NumberList(const std::vector<int>& numbers) {
  std::string out;
  for (const int n : numbers) out += (out.empty() ? "" : ", ") + std::to_string(n);
  return out;
}

template <size_t N>
std::string NameList(const std::array<std::string_view, N>& names) {
  std::string out;
  for (const auto name : names) out += (out.empty() ? "" : ", ") + std::string(name);
  return out;
}

// Resolves a string through a finder that returns every matching number.
std::optional<int> UniqueMatch(BuildContext& context, const Node& node,
                               const std::vector<int>& found, std::string_view what) {
  const std::string name = node.value->get<std::string>();
  if (found.empty()) {
    context.Error(node, "no " + std::string(what) + " named " + Quoted(name));
    return std::nullopt;
  }
  if (found.size() > 1) {
    context.Error(node, Quoted(name) + " names several entries (" + NumberList(found) +
                            "); give the number instead");
    return std::nullopt;
  }
  return found.front();
}

}  // namespace

Node Node::Child(std::string_view name) const {
  const Json* child = value != nullptr && value->is_object() && value->contains(name)
                          ? &(*value)[std::string(name)]
                          : nullptr;
  return {child, ChildPointer(pointer, name), where, Quoted(name), page, line};
}

Node Node::Element(size_t index) const {
  const Json* child =
      value != nullptr && value->is_array() && index < value->size() ? &(*value)[index] : nullptr;
  std::string label = key.empty() ? "entry " : key + " entry ";
  return {child, ChildPointer(pointer, index), where, label + std::to_string(index), page, line};
}

Node Node::At(std::string new_where, int new_page, int new_line) const {
  Node moved = *this;
  moved.where = std::move(new_where);
  moved.page = new_page;
  moved.line = new_line;
  return moved;
}

void BuildContext::Error(const Node& node, const std::string& message, bool at_key) {
  Diagnostic d;
  d.position = at_key ? document_.KeyAt(node.pointer) : document_.ValueAt(node.pointer);
  d.where = node.where;
  d.message = node.key.empty() ? message : node.key + ": " + message;
  d.page = node.page;
  d.line = node.line;
  diagnostics_->push_back(std::move(d));
}

ObjectReader::ObjectReader(BuildContext& context, const Node& node,
                           std::initializer_list<std::string_view> keys)
    : node_(node), is_object_(ExpectType(context, node, node.value->is_object(), "an object")) {
  if (!is_object_) return;
  for (const auto& [key, value] : node.value->items()) {
    if (key == "comment") continue;
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
    std::string known;
    for (const auto k : keys) known += (known.empty() ? "" : ", ") + std::string(k);
    Node field = node.Child(key);
    field.key.clear();
    context.Error(field, "unknown field " + Quoted(key) + " (known here: " + known + ")", true);
  }
}

std::optional<Node> ObjectReader::Get(std::string_view key) const {
  if (!is_object_) return std::nullopt;
  Node child = node_.Child(key);
  if (child.value == nullptr) return std::nullopt;
  return child;
}

bool ExpectType(BuildContext& context, const Node& node, bool ok, std::string_view expected) {
  if (!ok)
    context.Error(node, "expected " + std::string(expected) + ", found " +
                            std::string(JsonTypeName(*node.value)));
  return ok;
}

std::optional<int64_t> ReadInteger(BuildContext& context, const Node& node, int64_t lowest,
                                   int64_t highest) {
  const Json& v = *node.value;
  // The JSON reader keeps a whole number beyond 64 bits as a floating-point
  // value; it is an integer all the same, just out of range.
  if (v.is_number_float()) {
    const double d = v.get<double>();
    if (std::isfinite(d) && std::trunc(d) == d && std::fabs(d) >= 0x1p63) {
      context.Error(node, "the integer " + v.dump() + " is out of range; allowed are " +
                              std::to_string(lowest) + " to " + std::to_string(highest));
      return std::nullopt;
    }
  }
  if (!ExpectType(context, node, v.is_number_integer(), "an integer")) return std::nullopt;
  int64_t n = 0;
  bool fits = true;
  if (v.is_number_unsigned()) {
    const uint64_t u = v.get<uint64_t>();
    fits = u <= static_cast<uint64_t>(INT64_MAX);
    n = fits ? static_cast<int64_t>(u) : 0;
  } else {
    n = v.get<int64_t>();
  }
  if (!fits || n < lowest || n > highest) {
    context.Error(node, v.dump() + " is out of range; allowed are " + std::to_string(lowest) +
                            " to " + std::to_string(highest));
    return std::nullopt;
  }
  return n;
}

std::optional<uint8_t> ReadFlag(BuildContext& context, const Node& node) {
  if (node.value->is_boolean()) return node.value->get<bool>() ? 1 : 0;
  if (!node.value->is_number_integer()) {
    ExpectType(context, node, false, "true, false or a number 0 to 255");
    return std::nullopt;
  }
  const auto n = ReadInteger(context, node, 0, 255);
  if (!n) return std::nullopt;
  return static_cast<uint8_t>(*n);
}

std::optional<std::string> ReadString(BuildContext& context, const Node& node) {
  if (!ExpectType(context, node, node.value->is_string(), "a string")) return std::nullopt;
  return node.value->get<std::string>();
}

std::optional<std::string> ReadText(BuildContext& context, const Node& node, int max_bytes) {
  const auto utf8 = ReadString(context, node);
  if (!utf8) return std::nullopt;
  std::string problem;
  auto sjis = ToCp932(*utf8, &problem);
  if (!sjis) {
    context.Error(node, "the text " + problem);
    return std::nullopt;
  }
  if (static_cast<int>(sjis->size()) > max_bytes) {
    context.Error(node, "the text is " + std::to_string(sjis->size()) +
                            " bytes in Shift-JIS; at most " + std::to_string(max_bytes) + " fit");
    return std::nullopt;
  }
  return sjis;
}

std::optional<int> ReadTarget(BuildContext& context, const Node& node, const PageNames& pages) {
  if (node.value->is_string()) {
    const std::string name = node.value->get<std::string>();
    const int page = pages.Find(name);
    if (page < 0) context.Error(node, "no page named " + Quoted(name));
    return page >= 0 ? std::optional<int>(page) : std::nullopt;
  }
  if (!node.value->is_number_integer()) {
    ExpectType(context, node, false, "a page number or a page name");
    return std::nullopt;
  }
  const auto n = ReadInteger(context, node, 0, project::kPages - 1);
  return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::optional<int> ReadAssetRef(BuildContext& context, const Node& node,
                                const AssetCatalog& catalog, project::AssetList list) {
  const AssetListInfo& info = kAssetLists[list];
  if (node.value->is_string()) {
    return UniqueMatch(context, node, catalog.Find(list, node.value->get<std::string>()),
                       std::string(info.what) + " in assets." + std::string(info.key));
  }
  if (!node.value->is_number_integer()) {
    ExpectType(context, node, false,
               "a file name of assets." + std::string(info.key) + " or a number");
    return std::nullopt;
  }
  const auto n = ReadInteger(context, node, 0, catalog.Count(list));
  return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::optional<int> ReadPersonRef(BuildContext& context, const Node& node,
                                 const AssetCatalog& catalog) {
  if (node.value->is_string()) {
    return UniqueMatch(context, node, catalog.FindPerson(node.value->get<std::string>()),
                       "person picture (assets.persons) or speaker");
  }
  if (!node.value->is_number_integer()) {
    ExpectType(context, node, false, "a person's file name, a speaker name or a number");
    return std::nullopt;
  }
  const auto n = ReadInteger(context, node, 0, project::kMaxListCount);
  return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::optional<int32_t> ReadColour(BuildContext& context, const Node& node) {
  if (node.value->is_string()) {
    const auto index = IndexOf(kColourNames, node.value->get<std::string>());
    if (!index)
      context.Error(node, "unknown colour " + node.value->dump() +
                              " (known: " + NameList(kColourNames) + ", or a number)");
    return index;
  }
  if (!node.value->is_number_integer()) {
    ExpectType(context, node, false, "a colour name or a number");
    return std::nullopt;
  }
  const auto n = ReadInteger(context, node, INT32_MIN, INT32_MAX);
  return n ? std::optional<int32_t>(static_cast<int32_t>(*n)) : std::nullopt;
}

void StoreText(const std::string& sjis, project::TextRecord* record) {
  record->fill(0);
  std::memcpy(record->data(), sjis.data(), std::min(sjis.size(), record->size() - 1));
}

}  // namespace story_source
