// A fake platform and the engine's input and clock state reset, for the
// tests of the system services and the joystick.
#pragma once

#include <gtest/gtest.h>

#include "engine/el.h"
#include "platform/platform.h"
#include "tests/support/fake_backend.h"

namespace test_support {

class SystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = &FakeBackend::Install();
    elDraw::ErrorCheck = 0;
    PushKey = LastKey = HelpKey = MenuKey = 0;
    MousePush = MouseLast = 0;
    _ShowDialog = 0;
    _ShowMouse = 1;
    _FullScreen = 1;
    _WindowX = _WindowY = 0;
    FrameTime = 0.0f;
    // Fades, the help screen and the keyboard lock withhold polled input.
    elDraw::FadeNo = 0;
    elDraw::HelpOn = 0;
    elSystem::KeyboardLock = 0;
  }
  void TearDown() override { platform::ResetBackend(); }

  // Moves the fake clock to `ms`.
  void SetClock(uint32_t ms) { fake->now_ms = ms; }
  // Delivers one message through the queue, so the key-state table sees it.
  void Deliver(uint32_t message, uint64_t wparam) {
    platform::PostMessage(message, wparam, 0);
    platform::Message taken;
    while (platform::PeekMessage(&taken)) {
    }
  }

  FakeBackend* fake = nullptr;
};

}  // namespace test_support
