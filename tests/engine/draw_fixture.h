// A display opened on the fake backend without the other engine classes, a
// game folder to put pictures in, and the display's state reset afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/draw/internal/draw.h"
#include "engine/el.h"
#include "platform/platform.h"
#include "tests/platform/bmp_builder.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"
#include "tests/support/support.h"

namespace test_support {

inline int FakeDesktopBits() {
  return platform::CurrentBackend().DesktopBitsPerPixel();
}

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = &FakeBackend::Install();
    fake->has_window = true;
    ResetEngineState();
    _FullScreen = 0;  // a window: the fake has no screen modes to change
    platform::SetGameFolder(folder.Path().string() + "/");
    const auto failure = el::draw::OpenDisplay(640, 480, 1, &FakeDesktopBits);
    ASSERT_FALSE(failure.has_value()) << failure->message;
  }
  void TearDown() override {
    ResetEngineState();
    platform::ResetBackend();
  }

  // Writes a BMP into the game folder.
  void WriteBmp(const std::string& name, const BmpSpec& spec) const {
    folder.Write(name, MakeBmp(spec));
  }
  // A width x height 24-bit picture of one colour (0x00RRGGBB), with another
  // colour at the top-left pixel.
  static BmpSpec Plain(int width, int height, uint32_t rrggbb, uint32_t top_left) {
    BmpSpec spec;
    spec.width = width, spec.height = height, spec.bpp = 24;
    spec.pixel = [=](int x, int y) { return x == 0 && y == 0 ? top_left : rrggbb; };
    return spec;
  }
  static uint32_t Back(int x, int y) { return DDBack->GetPixel(x, y); }

  FakeBackend* fake = nullptr;
  TempFolder folder;
};

}  // namespace test_support
