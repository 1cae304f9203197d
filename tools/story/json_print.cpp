// The layout of written story sources: one key or element a line, except for
// arrays and objects short enough to stay on one line (lines of a page,
// choices, layout slots), which keeps dumped stories easy to read.
#include "tools/story/dump.h"

namespace story {
namespace {

constexpr size_t kLineWidth = 100;

std::string Scalar(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Appends the one-line form; false as soon as it grows past `limit` bytes.
bool OneLine(const Json& value, size_t limit, std::string* out) {
  if (!value.is_structured()) {
    *out += Scalar(value);
    return out->size() <= limit;
  }
  const bool array = value.is_array();
  *out += array ? '[' : '{';
  bool first = true;
  for (const auto& [key, child] : value.items()) {
    if (!first) *out += ", ";
    first = false;
    if (!array) *out += Scalar(Json(key)) + ": ";
    if (!OneLine(child, limit, out)) return false;
  }
  *out += array ? ']' : '}';
  return out->size() <= limit;
}

void Write(const Json& value, size_t indent, size_t prefix, std::string* out) {
  std::string line;
  if (!value.is_structured() || value.empty() ||
      OneLine(value, kLineWidth - std::min(kLineWidth, indent + prefix), &line)) {
    *out += value.is_structured() && !value.empty() ? line : Scalar(value);
    return;
  }
  const bool array = value.is_array();
  *out += array ? "[\n" : "{\n";
  size_t remaining = value.size();
  for (const auto& [key, child] : value.items()) {
    out->append(indent + 2, ' ');
    std::string key_text;
    if (!array) key_text = Scalar(Json(key)) + ": ";
    *out += key_text;
    Write(child, indent + 2, key_text.size(), out);
    *out += --remaining > 0 ? ",\n" : "\n";
  }
  out->append(indent, ' ');
  *out += array ? ']' : '}';
}

}  // namespace

std::string FormatJson(const Json& value) {
  std::string out;
  Write(value, 0, 0, &out);
  out += '\n';
  return out;
}

}  // namespace story
