#include "tools/story_source/json_source.h"

#include <algorithm>
#include <iterator>

namespace story_source {
namespace {

// Walks the source for the JSON parser and remembers how far it has read, so
// that each parse event can be tied to the place of its token.
class CountingIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, const char* base, size_t* consumed)
      : at_(at), base_(base), consumed_(consumed) {}
  reference operator*() const {
    *consumed_ = std::max(*consumed_, static_cast<size_t>(at_ - base_) + 1);
    return *at_;
  }
  CountingIterator& operator++() {
    ++at_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++at_;
    return before;
  }
  bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
  bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

 private:
  const char* at_;
  const char* base_;
  size_t* consumed_;
};

// Line starts of the source, for turning byte offsets into line and column.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n') starts_.push_back(i + 1);
  }
  // The parser asks in the order of the source, so the count of characters
  // goes on from the last answer on the same line: a source of one long
  // line costs no more than one of many short ones.
  SourcePosition At(size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset) - 1;
    const auto line = static_cast<size_t>(it - starts_.begin());
    if (line != last_line_ || offset < last_offset_) {
      last_line_ = line;
      last_offset_ = *it;
      last_column_ = 1;
    }
    for (size_t i = last_offset_; i < offset; ++i)
      if ((static_cast<uint8_t>(text_[i]) & 0xC0) != 0x80) ++last_column_;  // count characters
    last_offset_ = offset;
    return {static_cast<int>(line) + 1, last_column_};
  }

 private:
  std::string_view text_;
  std::vector<size_t> starts_;
  mutable size_t last_line_ = 0;
  mutable size_t last_offset_ = 0;
  mutable int last_column_ = 1;
};

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

enum class Token { kBracket, kString, kLiteral, kNumber };

// Start of the token the parser has just read, given how far it has read.
// Strings and literals end exactly there, brackets are one byte, and a
// number has been followed by one byte of look-ahead (except at the end).
size_t TokenStart(std::string_view text, size_t consumed, Token token, size_t literal_length) {
  consumed = std::min(consumed, text.size());
  switch (token) {
    case Token::kBracket:
      return consumed > 0 ? consumed - 1 : 0;
    case Token::kLiteral:
      return consumed >= literal_length ? consumed - literal_length : 0;
    case Token::kNumber: {
      size_t end = consumed;
      if (end > 0 && !IsNumberChar(text[end - 1])) --end;
      while (end > 0 && IsNumberChar(text[end - 1])) --end;
      return end;
    }
    case Token::kString:
      break;
  }
  // The opening quote is the first quote before the closing one that is not
  // escaped, that is, preceded by an even number of backslashes.
  size_t at = consumed > 0 ? consumed - 1 : 0;  // the closing quote
  while (at > 0) {
    --at;
    if (text[at] != '"') continue;
    size_t backslashes = 0;
    while (at > backslashes && text[at - 1 - backslashes] == '\\') ++backslashes;
    if (backslashes % 2 == 0) return at;
  }
  return 0;
}

// The parser's message without its own prefix and its own position.
std::string ParserMessage(const std::string& what) {
  std::string rest = what;
  if (const size_t bracket = rest.find("] "); bracket != std::string::npos)
    rest = rest.substr(bracket + 2);
  if (rest.rfind("parse error", 0) == 0) {
    if (const size_t colon = rest.find(": "); colon != std::string::npos)
      rest = rest.substr(colon + 2);
  }
  return rest;
}

class PlacingSax {
 public:
  PlacingSax(std::string_view text, const size_t* consumed, JsonDocument* document,
             std::vector<Diagnostic>* diagnostics)
      : text_(text),
        lines_(text),
        consumed_(consumed),
        document_(document),
        diagnostics_(diagnostics) {}

  bool null() { return Insert(Json(nullptr), Token::kLiteral, 4); }
  bool boolean(bool value) { return Insert(Json(value), Token::kLiteral, value ? 4 : 5); }
  bool number_integer(Json::number_integer_t value) { return Insert(Json(value), Token::kNumber); }
  bool number_unsigned(Json::number_unsigned_t value) {
    return Insert(Json(value), Token::kNumber);
  }
  bool number_float(Json::number_float_t value, const std::string&) {
    return Insert(Json(value), Token::kNumber);
  }
  bool string(std::string& value) { return Insert(Json(std::move(value)), Token::kString); }
  bool binary(Json::binary_t&) { return false; }  // JSON text holds no binary values
  bool start_object(size_t) { return Open(Json::object()); }
  bool start_array(size_t) { return Open(Json::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(std::string& name) {
    Frame& frame = stack_.back();
    const SourcePosition at = Here(Token::kString);
    if (frame.container->contains(name)) {
      Fail(at, "the key \"" + name + "\" is given twice in this object");
      return false;
    }
    frame.key = std::move(name);
    document_->places[ChildPointer(frame.pointer, frame.key)].key = at;
    return true;
  }

  bool parse_error(size_t position, const std::string&, const nlohmann::detail::exception& error) {
    Fail(lines_.At(position > 0 ? position - 1 : 0), ParserMessage(error.what()));
    return false;
  }

 private:
  struct Frame {
    Json* container;
    std::string pointer;
    std::string key;
  };

  SourcePosition Here(Token token, size_t literal_length = 0) const {
    return lines_.At(TokenStart(text_, *consumed_, token, literal_length));
  }

  // Places the value in its parent and returns it where it now lives.
  Json* Place(Json value, Token token, size_t literal_length, std::string* pointer) {
    const SourcePosition at = Here(token, literal_length);
    Json* placed = nullptr;
    if (stack_.empty()) {
      document_->root = std::move(value);
      placed = &document_->root;
      pointer->clear();
    } else if (Frame& parent = stack_.back(); parent.container->is_array()) {
      *pointer = ChildPointer(parent.pointer, parent.container->size());
      parent.container->push_back(std::move(value));
      placed = &parent.container->back();
    } else {
      *pointer = ChildPointer(parent.pointer, parent.key);
      placed = &((*parent.container)[parent.key] = std::move(value));
    }
    document_->places[*pointer].value = at;
    return placed;
  }

  bool Insert(Json value, Token token, size_t literal_length = 0) {
    std::string pointer;
    Place(std::move(value), token, literal_length, &pointer);
    return true;
  }

  bool Open(Json container) {
    if (static_cast<int>(stack_.size()) >= kMaxJsonDepth) {
      Fail(Here(Token::kBracket),
           "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
      return false;
    }
    std::string pointer;
    Json* placed = Place(std::move(container), Token::kBracket, 0, &pointer);
    stack_.push_back({placed, std::move(pointer), {}});
    return true;
  }

  bool Close() {
    stack_.pop_back();
    return true;
  }

  void Fail(SourcePosition at, std::string message) {
    Diagnostic d;
    d.position = at;
    d.message = std::move(message);
    diagnostics_->push_back(std::move(d));
  }

  std::string_view text_;
  LineIndex lines_;
  const size_t* consumed_;
  JsonDocument* document_;
  std::vector<Diagnostic>* diagnostics_;
  std::vector<Frame> stack_;
};

SourcePosition Find(const std::map<std::string, JsonDocument::Place>& places,
                    const std::string& pointer, bool key) {
  const auto it = places.find(pointer);
  if (it == places.end()) return {};
  return key ? it->second.key : it->second.value;
}

}  // namespace

SourcePosition JsonDocument::ValueAt(const std::string& pointer) const {
  return Find(places, pointer, false);
}

SourcePosition JsonDocument::KeyAt(const std::string& pointer) const {
  const SourcePosition key = Find(places, pointer, true);
  return key.line > 0 ? key : ValueAt(pointer);
}

std::optional<JsonDocument> ParseJson(std::string_view text, std::vector<Diagnostic>* diagnostics) {
  JsonDocument document;
  size_t consumed = 0;
  PlacingSax sax(text, &consumed, &document, diagnostics);
  const CountingIterator first(text.data(), text.data(), &consumed);
  const CountingIterator last(text.data() + text.size(), text.data(), &consumed);
  const size_t errors_before = diagnostics->size();
  const bool ok = Json::sax_parse(first, last, &sax, nlohmann::detail::input_format_t::json,
                                  /*strict=*/true, /*ignore_comments=*/true);
  if (!ok) {
    if (diagnostics->size() == errors_before) {
      Diagnostic d;
      d.message = "the story source is not valid JSON";
      diagnostics->push_back(std::move(d));
    }
    return std::nullopt;
  }
  return document;
}

std::string ChildPointer(const std::string& parent, std::string_view key) {
  std::string out = parent + '/';
  for (const char c : key) {
    if (c == '~') {
      out += "~0";
    } else if (c == '/') {
      out += "~1";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ChildPointer(const std::string& parent, size_t index) {
  return parent + '/' + std::to_string(index);
}

std::string_view JsonTypeName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return "a boolean";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      return "an integer";
    case Json::value_t::number_float:
      return "a number with a fraction";
    case Json::value_t::string:
      return "a string";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    default:
      break;
  }
  return "a value of another kind";
}

}  // namespace story_source
