// A fake platform and the engine's input and clock state reset, for the
// tests of the system services and the joystick.
#pragma once

#include <gtest/gtest.h>

#include "engine/el.h"
#include "platform/platform.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"

namespace test_support {

class SystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = &FakeBackend::Install();
    // Among the rest, no fade, help screen or keyboard lock withholds polled
    // input, and the program starts for the full screen.
    ResetEngineState();
  }
  void TearDown() override {
    ResetEngineState();
    platform::ResetBackend();
  }

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
