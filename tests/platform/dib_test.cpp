// The BMP reader: what it accepts, what it refuses, and how its pixels reach
// a 16-bit surface.
#include "platform/dib.h"

#include <gtest/gtest.h>

#include "tests/platform/bmp_builder.h"

namespace {

using platform::Dib;
using test_support::BmpSpec;
using test_support::MakeBmp;

std::unique_ptr<Dib> Read(const std::string& bytes) {
  return Dib::FromFile(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// 0x00RRGGBB (as the builder stores 24-bit pixels) as a colour reference.
uint32_t Ref(uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

struct DepthCase {
  const char* name;
  BmpSpec spec;
  uint32_t expected_top_left;  // colour reference of pixel (0, 0)
  uint32_t expected_bottom_right;
};

std::vector<DepthCase> DepthCases() {
  auto tl_br = [](uint32_t a, uint32_t b) {
    return [a, b](int x, int y) { return (x == 0 && y == 0) ? a : (x == 2 && y == 2) ? b : 0u; };
  };
  std::vector<DepthCase> cases;
  BmpSpec s;
  s.width = 3, s.height = 3;

  s.bpp = 1, s.palette = {0x000000, 0xFF8040}, s.pixel = tl_br(1, 1);
  cases.push_back({"1 bit", s, Ref(0xFF8040), Ref(0xFF8040)});
  s.bpp = 4, s.palette.assign(16, 0), s.palette[9] = 0x102030, s.pixel = tl_br(9, 0);
  cases.push_back({"4 bits", s, Ref(0x102030), 0});
  s.bpp = 8, s.palette.assign(256, 0), s.palette[200] = 0xABCDEF, s.pixel = tl_br(0, 200);
  cases.push_back({"8 bits", s, 0, Ref(0xABCDEF)});
  s.palette.clear();
  s.bpp = 16, s.pixel = tl_br(0x7FFF, 0x7C00);  // 5-5-5 by default
  cases.push_back({"16 bits", s, 0xF8F8F8, 0x0000F8});
  s.compression = 3, s.masks[0] = 0xF800, s.masks[1] = 0x07E0, s.masks[2] = 0x001F;
  s.pixel = tl_br(0x07E0, 0x001F);
  cases.push_back({"16 bits 5-6-5 fields", s, 0x00FC00, 0xF80000});
  s.compression = 0, s.bpp = 24, s.pixel = tl_br(0x123456, 0xFEDCBA);
  cases.push_back({"24 bits", s, Ref(0x123456), Ref(0xFEDCBA)});
  s.bpp = 32, s.pixel = tl_br(0xAA123456, 0x00FEDCBA);
  cases.push_back({"32 bits", s, Ref(0x123456), Ref(0xFEDCBA)});
  s.compression = 3, s.masks[0] = 0x000000FF, s.masks[1] = 0x0000FF00, s.masks[2] = 0x00FF0000;
  s.pixel = tl_br(0x00563412, 0);
  cases.push_back({"32 bits swapped fields", s, Ref(0x123456), 0});
  return cases;
}

TEST(DibReader, ReadsEveryDepthAndHeaderSize) {
  for (const DepthCase& c : DepthCases()) {
    for (int header : {40, 52, 56, 108, 124}) {
      BmpSpec spec = c.spec;
      spec.header_size = header;
      const auto dib = Read(MakeBmp(spec));
      ASSERT_NE(dib, nullptr) << c.name << " header " << header;
      EXPECT_EQ(dib->Width(), 3);
      EXPECT_EQ(dib->Height(), 3);
      EXPECT_EQ(dib->ColorRefAt(0, 0), c.expected_top_left) << c.name << " header " << header;
      EXPECT_EQ(dib->ColorRefAt(2, 2), c.expected_bottom_right) << c.name << " header " << header;
    }
  }
}

TEST(DibReader, ShortColourTablesReadMissingEntriesAsBlack) {
  BmpSpec s;
  s.bpp = 8, s.width = 2, s.height = 1;
  s.palette = {0x0000FF, 0x00FF00};
  s.colors_used = 2;
  s.pixel = [](int x, int) { return x == 0 ? 1u : 5u; };
  auto dib = Read(MakeBmp(s));
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->ColorRefAt(0, 0), Ref(0x00FF00));
  EXPECT_EQ(dib->ColorRefAt(1, 0), 0u);
  // A table that claims 256 entries but whose pixels start after two.
  s.colors_used = 0;
  dib = Read(MakeBmp(s));
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->ColorRefAt(0, 0), Ref(0x00FF00));
}

TEST(DibReader, PixelOffsetPastTheColourTableKeepsTheTable) {
  BmpSpec s;
  s.bpp = 4, s.width = 2, s.height = 1, s.palette.assign(16, 0x000000);
  s.palette[3] = 0x445566;
  s.pixel = [](int, int) { return 3u; };
  std::string file = MakeBmp(s);
  const size_t offset = 14 + 40 + 64;
  file.insert(offset, 16, '\x7F');  // a gap before the pixels
  file[10] = static_cast<char>(offset + 16);
  const auto dib = Read(file);
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->ColorRefAt(1, 0), Ref(0x445566));
}

TEST(DibReader, RowOrderFollowsTheHeightSign) {
  BmpSpec s;
  s.width = 1, s.height = -2, s.give_image_size = true;
  s.pixel = [](int, int y) { return y == 0 ? 0xFF0000u : 0x0000FFu; };
  auto dib = Read(MakeBmp(s));
  ASSERT_NE(dib, nullptr);
  EXPECT_TRUE(dib->TopDown());
  EXPECT_EQ(dib->ColorRefAt(0, 0), Ref(0xFF0000));
  EXPECT_EQ(dib->ColorRefAt(0, 1), Ref(0x0000FF));
  s.give_image_size = false;  // top-down rows need the image size
  EXPECT_EQ(Read(MakeBmp(s)), nullptr);
}

TEST(DibReader, BitFieldBitmapsWithoutImageSizeStillReadTheirRows) {
  BmpSpec s;
  s.bpp = 16, s.compression = 3, s.masks[0] = 0xF800, s.masks[1] = 0x07E0, s.masks[2] = 0x001F;
  s.pixel = [](int, int) { return 0xF800u; };
  const auto dib = Read(MakeBmp(s));
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->ColorRefAt(3, 3), 0x0000F8u);
}

std::string Patched(std::string file, size_t at, uint32_t value, int bytes = 4) {
  std::string encoded;
  platform::AppendLe(encoded, value, bytes);
  return file.replace(at, encoded.size(), encoded);
}

TEST(DibReader, RefusesWhatTheBytesCannotBack) {
  BmpSpec s;
  s.width = 8, s.height = 8;
  const std::string good = MakeBmp(s);
  ASSERT_NE(Read(good), nullptr);
  BmpSpec fields = s;
  fields.bpp = 16, fields.compression = 3, fields.masks[0] = 0xF800, fields.masks[1] = 0x07E0,
  fields.masks[2] = 0x001F;
  const std::string field_file = MakeBmp(fields);
  ASSERT_NE(Read(field_file), nullptr);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"file header only", good.substr(0, 14)},
      {"not BM", "XM" + good.substr(2)},
      {"truncated pixels", good.substr(0, good.size() - 1)},
      {"pixel offset past the end", Patched(good, 10, static_cast<uint32_t>(good.size() + 1))},
      {"pixel offset inside the header", Patched(good, 10, 30)},
      {"pixel offset below the file header", Patched(good, 10, 4)},
      {"core header", Patched(good, 14, 12)},
      {"unknown header size", Patched(good, 14, 64)},
      {"run-length", Patched(good, 30, 1)},
      {"embedded png", Patched(good, 30, 5)},
      {"unknown compression", Patched(good, 30, 77)},
      {"two bits per pixel", Patched(good, 28, 2, 2)},
      {"zero bits per pixel", Patched(good, 28, 0, 2)},
      {"bit fields at 24 bits", Patched(good, 30, 3)},
      {"zero width", Patched(good, 18, 0)},
      {"negative width", Patched(good, 18, 0xFFFFFFF0)},
      {"zero height", Patched(good, 22, 0)},
      {"huge width", Patched(good, 18, 0x7FFFFFFF)},
      {"huge height", Patched(good, 22, 0x40000000)},
      {"most negative height", Patched(Patched(good, 22, 0x80000000), 34, 192)},
      {"image size beyond the file", Patched(good, 34, 100000)},
      {"rows beyond the file", Patched(good, 22, 9)},
      {"masks missing", field_file.substr(0, 14 + 40)},
      {"masks not contiguous", Patched(field_file, 54, 0xF00F)},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), nullptr) << c.what;
}

TEST(DibReader, ResourcesMayBePackedBitmapsOrWholeFiles) {
  BmpSpec s;
  s.bpp = 8, s.width = 2, s.height = 2, s.palette = {0x000000, 0x808080}, s.colors_used = 2;
  s.pixel = [](int x, int y) { return (x == 1 && y == 1) ? 1u : 0u; };
  const std::string file = MakeBmp(s);
  const std::string packed = file.substr(14);
  for (const std::string& bytes : {file, packed}) {
    const auto dib =
        Dib::FromResource(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(dib->ColorRefAt(1, 1), 0x808080u);
  }
  const std::string short_packed = packed.substr(0, packed.size() - 1);
  EXPECT_EQ(Dib::FromResource(std::span(reinterpret_cast<const uint8_t*>(short_packed.data()),
                                        short_packed.size())),
            nullptr);
}

TEST(DibConversion, ReachesSixteenBitsAsTheDrawingContextConvertsIt) {
  BmpSpec s;
  s.width = 2, s.height = 2, s.bpp = 16;  // 5-5-5
  s.pixel = [](int x, int y) { return x == 0 && y == 0 ? 0x03E0u : 0x7FFFu; };
  const auto dib = Read(MakeBmp(s));
  ASSERT_NE(dib, nullptr);
  platform::Surface surface(4, 4, platform::PixelFormat::Rgb565());
  platform::DrawDib(surface, surface.Bounds(), *dib, {0, 0, 2, 2});
  // Stretched twice: green 31 of five bits becomes 62 of six (low bit 0).
  EXPECT_EQ(surface.GetPixel(0, 0), 62u << 5);
  EXPECT_EQ(surface.GetPixel(1, 1), 62u << 5);
  EXPECT_EQ(surface.GetPixel(2, 0), 0xFFDFu);
  EXPECT_EQ(surface.GetPixel(3, 3), 0xFFDFu);
}

}  // namespace
