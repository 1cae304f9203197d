// The demo's BMP and WAV bytes, written through the platform's header
// writers, read back by the player's own readers: the picture reader gives
// every pixel back and the wave reader every field and sample.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "demo/generator/bmp_writer.h"
#include "demo/generator/wav_writer.h"
#include "engine/sound/internal/wave_reader.h"
#include "platform/byte_order.h"
#include "platform/dib.h"

namespace demo {
namespace {

uint32_t ColorRef(Rgb c) {
  return c.r | (c.g << 8) | (c.b << 16);
}

Image Gradient(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Set(x, y,
                Rgb{static_cast<uint8_t>(40 * x), static_cast<uint8_t>(70 * y),
                    static_cast<uint8_t>(x * y + 5)});
  return image;
}

void ExpectPixels(const std::vector<uint8_t>& bmp, int width, int height,
                  const std::function<Rgb(int, int)>& expected) {
  const auto dib = platform::Dib::FromFile(bmp);
  ASSERT_NE(dib, nullptr);
  ASSERT_EQ(dib->Width(), width);
  ASSERT_EQ(dib->Height(), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      EXPECT_EQ(dib->ColorRefAt(x, y), ColorRef(expected(x, y))) << x << ", " << y;
}

TEST(WritersDecode, BmpFilesOfEveryDepthReadBackPixelForPixel) {
  const Image image = Gradient(5, 3);  // odd width: every row is padded
  const auto of_image = [&](int x, int y) { return image.Get(x, y); };
  ExpectPixels(EncodeBmp24(image), 5, 3, of_image);
  ExpectPixels(EncodeBmp24(image, {.write_image_size = false}), 5, 3, of_image);
  ExpectPixels(EncodeBmp32(image, std::vector<uint8_t>(15, 0x80)), 5, 3, of_image);

  PalettedImage paletted{3, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {0, 1, 2, 2, 1, 0}};
  const auto of_palette = [&](int x, int y) {
    return paletted.palette[paletted.indices[3 * y + x]];
  };
  for (const int bits : {4, 8}) {
    SCOPED_TRACE(bits);
    ExpectPixels(EncodeBmpPaletted(paletted, bits), 3, 2, of_palette);
    ExpectPixels(EncodeBmpPaletted(paletted, bits, {.full_colour_table = true}), 3, 2, of_palette);
  }
}

TEST(WritersDecode, WavFilesReadBackWithTheirFormatAndSamples) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234};
  std::vector<uint8_t> sample_bytes;
  for (const int16_t s : samples) platform::AppendLe16(sample_bytes, static_cast<uint16_t>(s));
  const struct {
    WavFormat format;
    std::string comment;
  } cases[] = {{{22050, 1}, ""}, {{44100, 2}, ""}, {{22050, 2}, "odd"}, {{11025, 1}, "even"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.comment + " " + std::to_string(c.format.rate_hz));
    const std::vector<uint8_t> wav = EncodeWav16(c.format, samples, c.comment);
    el::sound::SpanSource source(wav);
    el::sound::WaveData wave;
    ASSERT_TRUE(el::sound::ReadWave(source, &wave));
    const tWAVEFORMATEX header = wave.Header();
    EXPECT_EQ(header.wFormatTag, 1);
    EXPECT_EQ(header.nChannels, c.format.channels);
    EXPECT_EQ(header.nSamplesPerSec, c.format.rate_hz);
    EXPECT_EQ(header.nAvgBytesPerSec, c.format.rate_hz * 2 * c.format.channels);
    EXPECT_EQ(header.nBlockAlign, 2 * c.format.channels);
    EXPECT_EQ(header.wBitsPerSample, 16);
    EXPECT_EQ(wave.samples, sample_bytes);
  }
}

}  // namespace
}  // namespace demo
