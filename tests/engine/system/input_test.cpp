#include <gtest/gtest.h>

#include <vector>

#include "engine/el.h"
#include "platform/messages.h"
#include "tests/engine/system_fixture.h"

namespace {

using platform::vk::kLButton;
using platform::vk::kReturn;
using platform::vk::kSpace;
namespace msg = platform::msg;

using InputTest = test_support::SystemTest;

class KeyPolling : public InputTest {};

// One frame of a GetKey sequence: whether the button is down when polled,
// what withholds input during that poll, and the expected state.
struct Poll {
  bool down;
  enum Withheld { kNone, kFade, kHelp, kLock } withheld;
  int expected;
};

struct PollSequence {
  const char* name;
  std::vector<Poll> polls;
};

TEST_F(KeyPolling, GetKeyFollowsTheFourStateScheme) {
  using enum Poll::Withheld;
  const PollSequence sequences[] = {
      {"held over four frames",
       {{true, kNone, 1},
        {true, kNone, 3},
        {true, kNone, 3},
        {false, kNone, 2},
        {false, kNone, 0}}},
      {"tap", {{true, kNone, 1}, {false, kNone, 2}, {false, kNone, 0}}},
      {"pressed again right after release",
       {{true, kNone, 1}, {false, kNone, 2}, {true, kNone, 3}}},
      {"held through a fade reads as a new press",
       {{true, kNone, 1}, {true, kFade, 0}, {true, kFade, 0}, {true, kNone, 1}, {true, kNone, 3}}},
      {"help screen withholds", {{true, kHelp, 0}, {true, kNone, 1}}},
      {"keyboard lock withholds", {{true, kLock, 0}, {false, kLock, 0}, {true, kNone, 1}}},
  };
  for (const PollSequence& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    platform::ResetMessageQueue();
    bool down = false;
    int flag = 0;
    for (const Poll& poll : sequence.polls) {
      if (poll.down != down) Deliver(poll.down ? msg::kLButtonDown : msg::kLButtonUp, 0);
      down = poll.down;
      elDraw::FadeNo = poll.withheld == kFade ? 1 : 0;
      elDraw::HelpOn = poll.withheld == kHelp ? 1 : 0;
      elSystem::KeyboardLock = poll.withheld == kLock ? 1 : 0;
      elSystem::GetKey(kLButton, &flag);
      EXPECT_EQ(flag, poll.expected);
    }
  }
}

TEST_F(KeyPolling, GetKeyReadsKeysAsWellAsButtons) {
  int flag = 0;
  Deliver(msg::kKeyDown, kReturn);
  elSystem::GetKey(kReturn, &flag);
  EXPECT_EQ(flag, 1);
  int other = 0;
  elSystem::GetKey(kSpace, &other);
  EXPECT_EQ(other, 0);
}

// The input variables as the window procedure leaves them before one call
// of CheckKey, and the expected result.
struct Step {
  uint32_t push_key, last_key, mouse_push, mouse_last;
  unsigned expected;
};

struct CheckSequence {
  const char* name;
  std::vector<unsigned> codes;
  std::vector<Step> steps;
};

class ReleaseDetection : public InputTest {
 protected:
  unsigned Check(const std::vector<unsigned>& codes) {
    switch (codes.size()) {
      case 1:
        return elSystem::CheckKey(codes[0], 0u);
      case 2:
        return elSystem::CheckKey(codes[0], codes[1], 0u);
      default:
        return elSystem::CheckKey(0u);
    }
  }
  // The detector keeps its state between calls: a call with nothing held and
  // nothing listed brings it back to waiting.
  void ResetDetector() {
    PushKey = LastKey = MousePush = MouseLast = 0;
    elSystem::CheckKey(0u);
  }
};

TEST_F(ReleaseDetection, ReportsAListedKeyOnceOnRelease) {
  const CheckSequence sequences[] = {
      {"Enter held then released",
       {kReturn, kSpace},
       {{kReturn, kReturn, 0, 0, 0},
        {kReturn, kReturn, 0, 0, 0},
        {0, kReturn, 0, 0, kReturn},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0}}},
      {"auto-repeat reports once",
       {kReturn},
       {{kReturn, kReturn, 0, 0, 0},
        {kReturn, kReturn, 0, 0, 0},
        {0, kReturn, 0, 0, kReturn},
        {0, 0, 0, 0, 0}}},
      {"left click", {1}, {{0, 0, 1, 1, 0}, {0, 0, 1, 1, 0}, {0, 0, 0, 1, 1}, {0, 0, 0, 0, 0}}},
      {"unlisted key is not reported", {kReturn}, {{'A', 'A', 0, 0, 0}, {0, 'A', 0, 0, 0}}},
      {"armed before the press, reported on release",
       {kSpace},
       {{0, 0, 0, 0, 0}, {kSpace, kSpace, 0, 0, 0}, {0, kSpace, 0, 0, kSpace}}},
      {"another key pressed while tracking starts over",
       {kReturn},
       {{kReturn, kReturn, 0, 0, 0},  // Enter followed...
        {'B', 'B', 0, 0, 0},          // ...until B is pressed over it
        {0, 'B', 0, 0, 0},
        {0, 'B', 0, 0, 0}}},
      {"a release seen in the same call as the start-over still counts",
       {kReturn},
       {{kReturn, kReturn, 0, 0, 0}, {0, 'B', 0, 0, kReturn}}},
  };
  for (const CheckSequence& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    ResetDetector();
    int index = 0;
    for (const Step& step : sequence.steps) {
      PushKey = step.push_key;
      LastKey = step.last_key;
      MousePush = step.mouse_push;
      MouseLast = step.mouse_last;
      EXPECT_EQ(Check(sequence.codes), step.expected) << "step " << index++;
    }
  }
}

TEST_F(ReleaseDetection, ReportClearsTheLastKeyAndButton) {
  ResetDetector();
  LastKey = kReturn;
  MouseLast = 2;
  EXPECT_EQ(elSystem::CheckKey(kReturn, 0u), kReturn);
  EXPECT_EQ(LastKey, 0u);
  EXPECT_EQ(MouseLast, 0u);
}

TEST_F(KeyPolling, LockAndUnlock) {
  PushKey = 'A';
  MenuKey = 'M';
  elSystem::LockKey();
  EXPECT_EQ(elSystem::KeyboardLock, 1);
  elSystem::UnlockKey();
  EXPECT_EQ(elSystem::KeyboardLock, 0);
  EXPECT_EQ(PushKey, 0u);
  EXPECT_EQ(MenuKey, static_cast<uint32_t>('M'));
}

TEST_F(KeyPolling, SystemKeyFilterAndTextInputSwitch) {
  elSystem::SystemKey(2);
  EXPECT_EQ(elSystem::SystemKeyCheck, 2);
  elSystem::IME(0);
  EXPECT_FALSE(fake->text_input);
  EXPECT_EQ(elSystem::StatusIME, 0);
  elSystem::IME(5);
  EXPECT_TRUE(fake->text_input);
  EXPECT_EQ(elSystem::StatusIME, 5);
}

}  // namespace
