// The contact sheet of the effects gallery.
#include "tools/effects-gallery/contact_sheet.h"

#include "engine/el.h"
#include "platform/png_writer.h"
#include "tools/effects-gallery/test_picture.h"

namespace gallery {

namespace {

constexpr int kGap = 4;
constexpr int kCellWidth = kPictureWidth;
constexpr int kCellHeight = kPictureHeight + kLabelHeight;

}  // namespace

ContactSheet::ContactSheet(int cell_count, int columns) : columns_(columns) {
  const int rows = (cell_count + columns - 1) / columns;
  sheet_ = std::make_unique<platform::Surface>(kGap + columns * (kCellWidth + kGap),
                                               kGap + rows * (kCellHeight + kGap),
                                               platform::PixelFormat::Rgb565());
  sheet_->Fill(sheet_->Bounds(), Rgb(16, 16, 20));
}

void ContactSheet::Add(const std::string& label) {
  elDraw::VirtualScreen(0, 0, elDraw::Width, elDraw::Height);
  elDraw::ColorFill(0, kPictureHeight, kCellWidth, kCellHeight, Rgb(16, 16, 20));
  elDraw::ShowString(2, kPictureHeight + 1, label.c_str());
  const int x = kGap + (added_ % columns_) * (kCellWidth + kGap);
  const int y = kGap + (added_ / columns_) * (kCellHeight + kGap);
  sheet_->BltFast(x, y, *DDBack, {0, 0, kCellWidth, kCellHeight}, false);
  ++added_;
}

bool ContactSheet::Write(const std::string& path, std::string* error) const {
  return platform::WriteSurfacePng(path, *sheet_, error);
}

}  // namespace gallery
