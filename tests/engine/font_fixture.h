// An open display on the fake platform and the text class started, for the
// tests of the text drawing through the engine.
#pragma once

#include <gtest/gtest.h>

#include "engine/draw/internal/draw.h"
#include "engine/el.h"
#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/platform.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"

namespace test_support {

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeBackend::Install();
    ResetEngineState();
    _FullScreen = 0;  // a window
    ASSERT_FALSE(el::draw::OpenDisplay(640, 480, 1, [] { return 16; }).has_value());
    elFont::Init();
  }
  void TearDown() override {
    ResetEngineState();
    platform::ResetBackend();
  }

  platform::Surface& Back() { return *DDBack; }
  platform::Surface& FontSprite() { return *Sprite[2].Object; }
  static uint32_t Raw(uint32_t color_ref) {
    return platform::ColorRefToPixel(platform::PixelFormat::Rgb565(), color_ref);
  }
};

}  // namespace test_support
