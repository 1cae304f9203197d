// The kept frame as a PNG picture (the screenshots of both backends). Apart
// from the rest of the frame keeper, which the core presentation uses: this
// part needs libpng and lives in the media library.
#include "platform/frame_keeper.h"

#include <string>
#include <vector>

#include "platform/file_writing.h"
#include "platform/png_writer.h"

namespace platform {

bool FrameKeeper::EncodePng(std::vector<uint8_t>* png, std::string* error) const {
  if (frame_) return EncodeSurfacePng(*frame_, png, error);
  const Surface black(640, 480, PixelFormat::Rgb565());
  return EncodeSurfacePng(black, png, error);
}

bool FrameKeeper::WritePng(const std::string& path, std::string* error) const {
  std::vector<uint8_t> png;
  return EncodePng(&png, error) &&
         WriteWholeFile(path, png, IfExists::kReplace, error) == WriteResult::kWritten;
}

}  // namespace platform
