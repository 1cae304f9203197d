#include "platform/text/text_chars.h"

#include <iconv.h>

#include <array>
#include <cstring>

#include "platform/encoding.h"

namespace platform::text {
namespace {

constexpr int kTrailCount = 256;

// Code points of all one-byte characters and of every lead/trail pair, filled
// once: decoding per character through iconv would cost more than drawing.
struct DecodeTable {
  std::array<char32_t, 256> single{};
  std::array<std::array<char32_t, kTrailCount>, 256> pairs{};  // by lead byte
};

class Utf32Converter {
 public:
  Utf32Converter() : handle_(iconv_open("UTF-32LE", "CP932")) {}
  ~Utf32Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Utf32Converter(const Utf32Converter&) = delete;
  Utf32Converter& operator=(const Utf32Converter&) = delete;
  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Exactly one code point from the bytes, else the replacement.
  char32_t Convert(const char* bytes, size_t length) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // reset the state
    char in[2];
    std::memcpy(in, bytes, length);
    char* in_ptr = in;
    size_t in_left = length;
    std::array<char, 16> out{};
    char* out_ptr = out.data();
    size_t out_left = out.size();
    const size_t r = iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
    if (r == static_cast<size_t>(-1) || in_left != 0 || out.size() - out_left != 4)
      return kReplacement;
    char32_t cp = 0;
    std::memcpy(&cp, out.data(), 4);
    return cp;
  }

 private:
  iconv_t handle_;
};

DecodeTable BuildTable() {
  DecodeTable table;
  table.single.fill(kReplacement);
  for (auto& row : table.pairs) row.fill(kReplacement);
  Utf32Converter converter;
  for (int b = 0; b < 0x80; ++b) table.single[b] = static_cast<char32_t>(b);
  if (!converter.Valid()) return table;
  for (int b = 0x80; b < 256; ++b) {
    if (IsLeadByte(static_cast<uint8_t>(b))) continue;
    const char byte = static_cast<char>(b);
    table.single[b] = converter.Convert(&byte, 1);
  }
  for (int lead = 0x81; lead < 256; ++lead) {
    if (!IsLeadByte(static_cast<uint8_t>(lead))) continue;
    for (int trail = 0; trail < kTrailCount; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      if (trail >= 0x40 && trail != 0x7F && trail <= 0xFC)
        table.pairs[lead][trail] = converter.Convert(pair, 2);
    }
  }
  return table;
}

const DecodeTable& Table() {
  static const DecodeTable table = BuildTable();
  return table;
}

}  // namespace

char32_t DecodeChar(std::string_view sjis, size_t pos, size_t* length) {
  if (pos >= sjis.size()) {
    *length = 0;
    return kReplacement;
  }
  const auto first = static_cast<uint8_t>(sjis[pos]);
  if (!IsLeadByte(first)) {
    *length = 1;
    return Table().single[first];
  }
  if (pos + 1 >= sjis.size()) {
    *length = 1;  // a lead byte with nothing after it
    return kReplacement;
  }
  *length = 2;
  return Table().pairs[first][static_cast<uint8_t>(sjis[pos + 1])];
}

void CutText(std::string_view sjis, std::vector<TextChar>* out) {
  out->clear();
  out->reserve(sjis.size());
  size_t pos = 0;
  while (pos < sjis.size()) {
    size_t length = 1;
    TextChar c;
    c.code_point = DecodeChar(sjis, pos, &length);
    c.offset = static_cast<uint32_t>(pos);
    c.length = static_cast<uint8_t>(length);
    c.double_byte = length == 2;
    out->push_back(c);
    pos += length;
  }
}

}  // namespace platform::text
