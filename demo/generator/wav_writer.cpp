#include "demo/generator/wav_writer.h"

#include <stdexcept>

#include "demo/generator/byte_writer.h"
#include "platform/wave_writer.h"

namespace demo {
namespace {

constexpr uint16_t kBitsPerSample = 16;

// "LIST" chunk holding one zero-terminated "ICMT" text; sub-chunk and chunk
// padded to even lengths.
void WriteComment(ByteWriter& out, std::string_view comment) {
  const auto text_bytes = static_cast<uint32_t>(comment.size() + 1);
  const uint32_t padded_text = text_bytes + (text_bytes & 1);
  platform::AppendChunkHeader(out.Buffer(), "LIST", 4 + 8 + padded_text);
  out.Text("INFO");
  platform::AppendChunkHeader(out.Buffer(), "ICMT", text_bytes);
  out.Text(comment);
  out.Zeros(1 + (padded_text - text_bytes));
}

}  // namespace

std::vector<uint8_t> EncodeWav16(const WavFormat& format, std::span<const int16_t> samples,
                                 std::string_view comment) {
  if (format.channels == 0 || format.rate_hz == 0) throw std::invalid_argument("empty format");
  if (samples.size() % format.channels != 0) throw std::invalid_argument("partial frame");
  const auto data_bytes = static_cast<uint32_t>(samples.size() * 2);

  ByteWriter body;  // everything after the form type
  platform::AppendChunkHeader(body.Buffer(), "fmt ", platform::kPcmFieldsBytes);
  platform::AppendPcmFields(body.Buffer(), {format.channels, format.rate_hz, kBitsPerSample});
  if (!comment.empty()) WriteComment(body, comment);
  platform::AppendChunkHeader(body.Buffer(), "data", data_bytes);
  for (int16_t s : samples) body.U16(static_cast<uint16_t>(s));

  ByteWriter out;
  platform::AppendChunkHeader(out.Buffer(), "RIFF", static_cast<uint32_t>(4 + body.Size()));
  out.Text("WAVE");
  const std::vector<uint8_t> rest = body.Take();
  out.Bytes(rest);
  return out.Take();
}

}  // namespace demo
