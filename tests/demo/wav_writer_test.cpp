#include "demo/generator/wav_writer.h"

#include <gtest/gtest.h>

#include "tests/demo/file_probe.h"

namespace demo {
namespace {

using demo_test::Tag;
using demo_test::U16;
using demo_test::U32;

TEST(WavWriter, CanonicalLayoutForPlainFiles) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 256};
  const std::vector<uint8_t> wav = EncodeWav16({44100, 2}, samples);
  ASSERT_EQ(wav.size(), 44u + 12u);
  EXPECT_EQ(Tag(wav, 0), "RIFF");
  EXPECT_EQ(U32(wav, 4), wav.size() - 8);
  EXPECT_EQ(Tag(wav, 8), "WAVE");
  EXPECT_EQ(Tag(wav, 12), "fmt ");
  EXPECT_EQ(U32(wav, 16), 16u);
  EXPECT_EQ(U16(wav, 20), 1u);       // PCM
  EXPECT_EQ(U16(wav, 22), 2u);       // channels
  EXPECT_EQ(U32(wav, 24), 44100u);   // rate
  EXPECT_EQ(U32(wav, 28), 176400u);  // bytes a second
  EXPECT_EQ(U16(wav, 32), 4u);       // block align
  EXPECT_EQ(U16(wav, 34), 16u);      // bits
  EXPECT_EQ(Tag(wav, 36), "data");
  EXPECT_EQ(U32(wav, 40), 12u);
  // Little-endian two's complement.
  const std::vector<uint8_t> data(wav.begin() + 44, wav.end());
  EXPECT_EQ(data,
            (std::vector<uint8_t>{0, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 0x00, 0x01}));
}

TEST(WavWriter, MonoBlockAlignAndByteRate) {
  const std::vector<uint8_t> wav = EncodeWav16({22050, 1}, std::vector<int16_t>(3, 5));
  EXPECT_EQ(U32(wav, 28), 44100u);
  EXPECT_EQ(U16(wav, 32), 2u);
  EXPECT_EQ(U32(wav, 40), 6u);
}

TEST(WavWriter, CommentChunkIsPaddedToAnEvenLengthBeforeTheData) {
  const struct {
    std::string comment;
    uint32_t list_bytes;  // the LIST chunk's stated length
  } cases[] = {{"ab", 4 + 8 + 4}, {"abc", 4 + 8 + 4}, {"a", 4 + 8 + 2}};
  for (const auto& c : cases) {
    const std::vector<uint8_t> wav = EncodeWav16({22050, 1}, std::vector<int16_t>{7}, c.comment);
    ASSERT_EQ(Tag(wav, 36), "LIST") << c.comment;
    EXPECT_EQ(U32(wav, 40), c.list_bytes) << c.comment;
    EXPECT_EQ(Tag(wav, 44), "INFO");
    EXPECT_EQ(Tag(wav, 48), "ICMT");
    EXPECT_EQ(U32(wav, 52), c.comment.size() + 1);  // the text with its zero
    const size_t data_at = 44 + c.list_bytes;
    EXPECT_EQ(data_at % 2, 0u);
    EXPECT_EQ(Tag(wav, data_at), "data") << c.comment;
    EXPECT_EQ(U32(wav, data_at + 4), 2u);
    EXPECT_EQ(U32(wav, 4), wav.size() - 8);
    EXPECT_EQ(wav.size(), data_at + 8 + 2);
  }
}

TEST(WavWriter, RefusesPartialFramesAndEmptyFormats) {
  EXPECT_THROW(EncodeWav16({44100, 2}, std::vector<int16_t>(3)), std::invalid_argument);
  EXPECT_THROW(EncodeWav16({44100, 0}, std::vector<int16_t>(2)), std::invalid_argument);
  EXPECT_THROW(EncodeWav16({0, 1}, std::vector<int16_t>(2)), std::invalid_argument);
}

}  // namespace
}  // namespace demo
