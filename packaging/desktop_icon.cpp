// desktop-icon SIZE FILE.png: the program icon painted SIZE pixels square
// (the painter of the window icon, scaled) and written as an RGBA PNG for the
// desktop's icon theme.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "demo/generator/art.h"
#include "platform/file_writing.h"
#include "platform/png_writer.h"

namespace {

constexpr int kMinSizePx = 16;
constexpr int kMaxSizePx = 1024;

std::vector<uint8_t> Interleave(const demo::IconPicture& icon) {
  std::vector<uint8_t> rgba;
  rgba.reserve(icon.alpha.size() * 4);
  const auto pixels = icon.colour.Pixels();
  for (size_t i = 0; i < pixels.size(); ++i) {
    rgba.insert(rgba.end(), {pixels[i].r, pixels[i].g, pixels[i].b, icon.alpha[i]});
  }
  return rgba;
}

}  // namespace

int main(int argc, char** argv) {
  int size_px = 0;
  const std::string_view size_text = argc == 3 ? argv[1] : "";
  const auto [end, parse_error] =
      std::from_chars(size_text.data(), size_text.data() + size_text.size(), size_px);
  if (argc != 3 || parse_error != std::errc() || end != size_text.data() + size_text.size() ||
      size_px < kMinSizePx || size_px > kMaxSizePx) {
    std::fputs("usage: desktop-icon SIZE FILE.png  (SIZE from 16 to 1024)\n", stderr);
    return 2;
  }
  const demo::IconPicture icon = demo::PaintProgramIcon(size_px);
  std::vector<uint8_t> png;
  std::string error;
  if (!platform::EncodeRgbaPng(size_px, size_px, Interleave(icon), &png, &error) ||
      platform::WriteWholeFile(argv[2], png, platform::IfExists::kReplace, &error) !=
          platform::WriteResult::kWritten) {
    std::fprintf(stderr, "desktop-icon: %s: %s\n", argv[2], error.c_str());
    return 1;
  }
  return 0;
}
