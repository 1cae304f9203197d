// The one little-endian writer and reader: least significant byte first,
// every bit kept, into both kinds of byte buffer the project writes.
#include "platform/byte_order.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(ByteOrder, FieldsGoLeastSignificantByteFirstAndComeBackWhole) {
  struct Case {
    uint32_t value;
    std::vector<uint8_t> le32;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0}},
      {0x12345678, {0x78, 0x56, 0x34, 0x12}},
      {0x80FF7F01, {0x01, 0x7F, 0xFF, 0x80}},  // bytes above 127 stay unsigned
      {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    std::vector<uint8_t> bytes;
    platform::AppendLe32(bytes, c.value);
    EXPECT_EQ(bytes, c.le32);
    std::string text;
    platform::AppendLe32(text, c.value);
    EXPECT_EQ(std::vector<uint8_t>(text.begin(), text.end()), c.le32);
    EXPECT_EQ(platform::LoadLe32(c.le32.data()), c.value);
    EXPECT_EQ(platform::LoadLe16(c.le32.data()), c.value & 0xFFFF);

    uint8_t stored[6] = {0xAA, 0, 0, 0, 0, 0xAA};
    platform::StoreLe32(stored + 1, c.value);
    EXPECT_EQ(std::vector<uint8_t>(stored + 1, stored + 5), c.le32);
    EXPECT_EQ(stored[0], 0xAA);  // nothing written around the field
    EXPECT_EQ(stored[5], 0xAA);
    platform::StoreLe16(stored + 1, c.value >> 16);
    EXPECT_EQ(platform::LoadLe16(stored + 1), c.value >> 16);
    EXPECT_EQ(stored[3], c.le32[2]);  // the 16-bit store leaves the rest alone
  }
}

TEST(ByteOrder, ShorterFieldsKeepOnlyTheirLowBytes) {
  std::string out;
  platform::AppendLe16(out, 0xABCD1234);
  platform::AppendLe(out, 0x00C0FFEE, 3);
  EXPECT_EQ(out, std::string("\x34\x12\xEE\xFF\xC0"));
}

}  // namespace
