#include "platform/encoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace platform {
namespace {

// One iconv conversion, owned for the duration of a call.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible; returns false on an unconvertible sequence,
  // with `consumed` and `out` covering what came before it.
  bool Convert(std::string_view in, std::string* out, size_t* consumed) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // start from the initial state
    char* in_ptr = const_cast<char*>(in.data());
    size_t in_left = in.size();
    std::array<char, 256> buffer{};
    bool ok = true;
    while (in_left > 0) {
      char* out_ptr = buffer.data();
      size_t out_left = buffer.size();
      const size_t r = iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
      out->append(buffer.data(), buffer.size() - out_left);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        ok = false;
        break;
      }
    }
    *consumed = in.size() - in_left;
    return ok;
  }

 private:
  iconv_t handle_;
};

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

char32_t DecodeUtf8(std::string_view s) {
  const auto b = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  if (s.empty()) return 0xFFFD;
  if (b(0) < 0x80) return b(0);
  if ((b(0) & 0xE0) == 0xC0 && s.size() >= 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if ((b(0) & 0xF0) == 0xE0 && s.size() >= 3)
    return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  if ((b(0) & 0xF8) == 0xF0 && s.size() >= 4)
    return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
  return 0xFFFD;
}

size_t Utf8SequenceLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  const auto lead = static_cast<uint8_t>(text[pos]);
  size_t length = 0;
  if (lead < 0x80) {
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (length == 0 || pos + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<uint8_t>(text[pos + i]) & 0xC0) != 0x80) return 0;
  return length;
}

char32_t DecodeCp932(std::string_view text, size_t pos, size_t* length) {
  if (pos >= text.size()) {
    *length = 0;
    return 0xFFFD;
  }
  const uint8_t first = static_cast<uint8_t>(text[pos]);
  const bool lead = IsLeadByte(first);
  if (lead && pos + 1 >= text.size()) {
    *length = 1;  // a lead byte with nothing after it
    return 0xFFFD;
  }
  *length = lead ? 2 : 1;
  if (first < 0x80) return first;
  Converter converter("UTF-8", "CP932");
  std::string out;
  size_t consumed = 0;
  if (!converter.Valid() || !converter.Convert(text.substr(pos, *length), &out, &consumed) ||
      out.empty())
    return 0xFFFD;
  return DecodeUtf8(out);
}

std::string Cp932ToUtf8(std::string_view sjis) {
  std::string out;
  Converter converter("UTF-8", "CP932");
  size_t pos = 0;
  while (pos < sjis.size()) {
    size_t consumed = 0;
    if (converter.Valid() && converter.Convert(sjis.substr(pos), &out, &consumed)) break;
    pos += consumed;
    // Skip the character that did not map and mark it.
    size_t length = 1;
    DecodeCp932(sjis, pos, &length);
    AppendUtf8(0xFFFD, &out);
    pos += length == 0 ? 1 : length;
  }
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  Converter converter("CP932", "UTF-8");
  if (!converter.Valid()) return std::nullopt;
  std::string out;
  size_t consumed = 0;
  if (!converter.Convert(utf8, &out, &consumed)) return std::nullopt;
  return out;
}

std::string Utf8ToCp932Lossy(std::string_view utf8, size_t* first_loss) {
  if (first_loss != nullptr) *first_loss = std::string_view::npos;
  Converter converter("CP932", "UTF-8");
  std::string out;
  size_t consumed = 0;
  if (converter.Valid() && converter.Convert(utf8, &out, &consumed)) return out;
  // Something did not convert: go character by character from the start, so
  // that each loss costs exactly one replacement.
  out.clear();
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t length = Utf8SequenceLength(utf8, pos);
    const size_t before = out.size();
    if (length == 0 || !converter.Valid() ||
        !converter.Convert(utf8.substr(pos, length), &out, &consumed)) {
      out.resize(before);
      out.push_back(kCp932Replacement);
      if (first_loss != nullptr && *first_loss == std::string_view::npos) *first_loss = pos;
    }
    pos += length == 0 ? 1 : length;
  }
  return out;
}

}  // namespace platform
