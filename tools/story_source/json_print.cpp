// The layout of written story sources: one key or element a line, except for
// arrays and objects short enough to stay on one line (lines of a page,
// choices, layout slots), which keeps dumped stories easy to read.
#include <algorithm>

#include "tools/story_source/dump.h"

namespace story_source {
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

// An array of scalars too long for one line is filled, several to a line.
bool AllScalars(const Json& value) {
  return value.is_array() &&
         std::none_of(value.begin(), value.end(), [](const Json& v) { return v.is_structured(); });
}

void WriteFilled(const Json& array, size_t indent, std::string* out) {
  *out += "[\n";
  std::string line;
  for (size_t i = 0; i < array.size(); ++i) {
    std::string item = Scalar(array[i]) + (i + 1 < array.size() ? "," : "");
    if (!line.empty() && indent + 2 + line.size() + 1 + item.size() > kLineWidth) {
      out->append(indent + 2, ' ');
      *out += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + item;
  }
  out->append(indent + 2, ' ');
  *out += line + "\n";
  out->append(indent, ' ');
  *out += ']';
}

void Write(const Json& value, size_t indent, size_t prefix, std::string* out) {
  std::string line;
  const size_t room = kLineWidth - std::min(kLineWidth, indent + prefix);
  // The story itself always opens over several lines.
  const bool root = indent == 0 && prefix == 0;
  if (!value.is_structured() || value.empty() || (!root && OneLine(value, room, &line))) {
    *out += value.is_structured() && !value.empty() ? line : Scalar(value);
    return;
  }
  if (AllScalars(value)) {
    WriteFilled(value, indent, out);
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

}  // namespace story_source
