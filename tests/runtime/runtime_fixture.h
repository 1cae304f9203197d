// Shared set-up of the runtime skeleton's tests: a fake backend with a hand-
// moved clock, the program's variables at their start values, the window
// procedure installed, and the engine operations it hands work to replaced by
// counters.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/el.h"
#include "platform/platform.h"
#include "runtime/shell/shell.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"

namespace runtime_test {

struct EngineCalls {
  int shut_downs = 0;
  int replays = 0;
  int status_queries = 0;
  std::string midi_mode = "playing";
  // The engine's exit as the engine does it: when the close did not start at
  // the window, it asks the window to close; then the engine is down.
  bool behave_like_exit = true;
};

inline EngineCalls& Calls() {
  static EngineCalls calls;
  return calls;
}

class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    Calls() = EngineCalls{};
    runtime::WindowProcHooks hooks;
    hooks.shut_down = [] {
      ++Calls().shut_downs;
      if (Calls().behave_like_exit) {
        if (_CloseEvent == 0) platform::PostMessage(platform::msg::kClose, 0, 0);
        _CloseEvent = 2;
      }
      return 1;
    };
    hooks.replay_music = [] { ++Calls().replays; };
    hooks.query_midi_mode = [](char* reply, size_t size) {
      ++Calls().status_queries;
      std::snprintf(reply, size, "%s", Calls().midi_mode.c_str());
    };
    runtime::SetWindowProcHooks(hooks);
    test_support::ResetEngineState();
    elAllInit();
    // The pointer is clamped to the display the program opens.
    elDraw::Width = 640;
    elDraw::Height = 480;
    platform::SetWindowProcedure(WindowProc);
    runtime::InstallScreens({});
    platform::CreateMainWindow("");
  }

  void TearDown() override {
    runtime::SetWindowProcHooks({});
    runtime::InstallScreens({});
    platform::SetWindowProcedure(nullptr);
    test_support::ResetEngineState();
    platform::ResetMessageQueue();
    platform::ResetBackend();
  }

  int64_t Send(uint32_t message, uint64_t wparam = 0, int64_t lparam = 0) {
    return platform::SendMessage(message, wparam, lparam);
  }

  test_support::FakeBackend* fake_ = nullptr;
};

}  // namespace runtime_test
