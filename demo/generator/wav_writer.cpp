#include "demo/generator/wav_writer.h"

#include <stdexcept>

#include "demo/generator/byte_writer.h"

namespace demo {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr uint16_t kBitsPerSample = 16;

// "LIST" chunk holding one zero-terminated "ICMT" text; sub-chunk and chunk
// padded to even lengths.
void WriteComment(ByteWriter& out, std::string_view comment) {
  const auto text_bytes = static_cast<uint32_t>(comment.size() + 1);
  const uint32_t padded_text = text_bytes + (text_bytes & 1);
  out.Text("LIST");
  out.U32(4 + 8 + padded_text);
  out.Text("INFO");
  out.Text("ICMT");
  out.U32(text_bytes);
  out.Text(comment);
  out.Zeros(1 + (padded_text - text_bytes));
}

}  // namespace

std::vector<uint8_t> EncodeWav16(const WavFormat& format, std::span<const int16_t> samples,
                                 std::string_view comment) {
  if (format.channels == 0 || format.rate_hz == 0) throw std::invalid_argument("empty format");
  if (samples.size() % format.channels != 0) throw std::invalid_argument("partial frame");
  const uint16_t block_align = static_cast<uint16_t>(format.channels * kBitsPerSample / 8);
  const auto data_bytes = static_cast<uint32_t>(samples.size() * 2);

  ByteWriter body;  // everything after the form type
  body.Text("fmt ");
  body.U32(16);
  body.U16(kPcmTag);
  body.U16(format.channels);
  body.U32(format.rate_hz);
  body.U32(format.rate_hz * block_align);
  body.U16(block_align);
  body.U16(kBitsPerSample);
  if (!comment.empty()) WriteComment(body, comment);
  body.Text("data");
  body.U32(data_bytes);
  for (int16_t s : samples) body.U16(static_cast<uint16_t>(s));

  ByteWriter out;
  out.Text("RIFF");
  out.U32(static_cast<uint32_t>(4 + body.Size()));
  out.Text("WAVE");
  const std::vector<uint8_t> rest = body.Take();
  out.Bytes(rest);
  return out.Take();
}

}  // namespace demo
