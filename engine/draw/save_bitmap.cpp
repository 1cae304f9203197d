// Saving the top-left part of the back surface as an uncompressed 24-bit BMP.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/draw/internal/draw.h"
#include "platform/bmp_writer.h"
#include "platform/platform.h"

namespace {

// The headers and one zero colour-table entry, which the files have always
// carried although a 24-bit picture has no table.
constexpr uint32_t kPixelOffset = platform::kBmpFileHeaderBytes + platform::kBmpInfoHeaderBytes + 4;
constexpr int32_t kPixelsPerMetre = 2834;
// Sizes beyond this are refused rather than written as huge files.
constexpr int kMaxSide = 32767;

std::vector<uint8_t> Header(int width, int height, uint32_t stride) {
  std::vector<uint8_t> h;
  const uint32_t image_size = stride * static_cast<uint32_t>(height);
  platform::AppendBmpFileHeader(h, kPixelOffset + image_size, kPixelOffset);
  platform::BmpInfoHeader info;
  info.width_px = width;
  info.height_px = height;
  info.bits_per_pixel = 24;
  info.image_bytes = image_size;
  info.x_pixels_per_metre = info.y_pixels_per_metre = kPixelsPerMetre;
  platform::AppendBmpInfoHeader(h, info);
  platform::AppendLe32(h, 0);  // the one colour-table entry
  return h;
}

// Blue, green and red of a back-surface pixel: a 16-bit pixel gives the top
// five bits of each channel (the values GetRGB holds) shifted up by 3, a
// 32-bit pixel its channel bytes. Pixels outside the surface are black.
void PixelBytes(int x, int y, uint8_t* bgr) {
  bgr[0] = bgr[1] = bgr[2] = 0;
  if (x >= DDBack->Width() || y >= DDBack->Height()) return;
  const uint32_t p = DDBack->GetPixel(x, y);
  if (DDBack->Format().bits_per_pixel == 16) {
    bgr[0] = static_cast<uint8_t>(((p >> elDraw::ShiftB2) & 31) << 3);
    bgr[1] = static_cast<uint8_t>(((p >> elDraw::ShiftG2) & 31) << 3);
    bgr[2] = static_cast<uint8_t>(((p >> elDraw::ShiftR2) & 31) << 3);
  } else {
    bgr[0] = (p >> elDraw::ShiftB) & 0xFF;
    bgr[1] = (p >> elDraw::ShiftG) & 0xFF;
    bgr[2] = (p >> elDraw::ShiftR) & 0xFF;
  }
}

void WriteFile(const char* name, int width, int height) {
  const uint32_t stride = platform::BmpRowBytes(width, 24);
  std::vector<uint8_t> bytes = Header(width, height, stride);
  bytes.reserve(bytes.size() + static_cast<size_t>(stride) * height);
  for (int y = height - 1; y >= 0; --y) {
    const size_t row_start = bytes.size();
    for (int x = 0; x < width; ++x) {
      uint8_t bgr[3];
      PixelBytes(x, y, bgr);
      bytes.insert(bytes.end(), bgr, bgr + 3);
    }
    bytes.resize(row_start + stride, 0);
  }
  const std::string path = platform::PathForWriting(std::string(elSystem::Directory(0)) + name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

}  // namespace

int elDraw::SaveBitmap(const char* FileName, int Width, int Height) {
  if (!DDBack || DDBack->Lock() == nullptr) return 0;
  // The desktop depth decides whether a file is written at all.
  const int depth = elSystem::ColorBit();
  const bool sizes_ok = Width >= 0 && Height >= 0 && Width <= kMaxSide && Height <= kMaxSide;
  if (FileName != nullptr && sizes_ok && (depth == 16 || depth == 32))
    WriteFile(FileName, Width, Height);
  DDBack->Unlock();
  return 1;
}
