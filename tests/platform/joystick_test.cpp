#include "platform/joystick.h"

#include <gtest/gtest.h>

#include "platform/backend.h"
#include "tests/support/fake_backend.h"

namespace {

using platform::JoystickPosition;
using platform::JoystickReading;
using platform::JoystickResult;
namespace joy = platform::joy;

TEST(JoystickAxis, MapsToTheFullPositionRange) {
  struct Case {
    int16_t axis;
    bool dead_zone;
    uint32_t position;
  } cases[] = {
      {-32768, false, 0},   {32767, false, 65535}, {0, false, 32768},    {-1, false, 32767},
      {0, true, 32767},     {2047, true, 32767},   {-2047, true, 32767}, {2048, true, 34816},
      {-2048, true, 30720}, {-32768, true, 0},     {32767, true, 65535},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::AxisToPosition(c.axis, c.dead_zone), c.position)
        << c.axis << (c.dead_zone ? " with dead zone" : "");
  }
}

TEST(JoystickRecord, FillsOnlyWhatTheFlagsAskFor) {
  JoystickReading reading;
  reading.axes[0] = 32767;
  reading.axes[1] = -32768;
  reading.axes[2] = 100;
  reading.buttons = 0b1011;
  reading.hat = 2;
  JoystickPosition position;
  position.x = position.y = position.z = 777;
  position.buttons = 777;
  position.pov = 777;
  platform::FillJoystickPosition(reading, 0x803, &position);
  EXPECT_EQ(position.x, 65535u);
  EXPECT_EQ(position.y, 0u);
  EXPECT_EQ(position.z, 777u);
  EXPECT_EQ(position.buttons, 777u);
  EXPECT_EQ(position.flags, 0x803u);

  platform::FillJoystickPosition(reading, 0x80, &position);
  EXPECT_EQ(position.buttons, 0b1011u);
  EXPECT_EQ(position.button_number, 3u);
  EXPECT_EQ(position.pov, 777u);

  platform::FillJoystickPosition(reading, 0x8FF, &position);
  EXPECT_EQ(position.z, 32767u);   // inside the dead zone
  EXPECT_EQ(position.pov, 9000u);  // right
  reading.hat = -1;
  platform::FillJoystickPosition(reading, joy::kReturnPov, &position);
  EXPECT_EQ(position.pov, joy::kPovCentered);
}

class CountingSource final : public platform::JoystickSource {
 public:
  JoystickResult GetPosition(unsigned, uint32_t, JoystickPosition* out) override {
    out->x = 1234;
    return JoystickResult::kOk;
  }
  void ConfigChanged() override { ++*changes; }
  int* changes = nullptr;
};

TEST(JoystickSource, WithoutTheSdlBackendEveryJoystickIsUnplugged) {
  JoystickPosition position;
  platform::ResetBackend();
  EXPECT_EQ(platform::GetJoystickPosition(0, 0x8FF, &position), JoystickResult::kUnplugged);
  test_support::FakeBackend::Install();
  EXPECT_EQ(platform::GetJoystickPosition(0, 0x8FF, &position), JoystickResult::kUnplugged);
  EXPECT_EQ(platform::GetJoystickPosition(1, 0x80, &position), JoystickResult::kUnplugged);
  platform::JoystickConfigChanged();
  platform::ResetBackend();
}

TEST(JoystickSource, AnInstalledSourceAnswersUntilRemoved) {
  int changes = 0;
  auto source = std::make_unique<CountingSource>();
  source->changes = &changes;
  platform::SetJoystickSource(std::move(source));
  JoystickPosition position;
  EXPECT_EQ(platform::GetJoystickPosition(0, 0x803, &position), JoystickResult::kOk);
  EXPECT_EQ(position.x, 1234u);
  platform::JoystickConfigChanged();
  EXPECT_EQ(changes, 1);
  platform::SetJoystickSource(nullptr);
  EXPECT_EQ(platform::GetJoystickPosition(0, 0x803, &position), JoystickResult::kUnplugged);
}

TEST(JoystickSource, SdlDevicesBeyondTheSecondAreUnplugged) {
  auto sdl = platform::CreateSdlJoystickSource();
  JoystickPosition position;
  EXPECT_EQ(sdl->GetPosition(2, 0x8FF, &position), JoystickResult::kUnplugged);
  EXPECT_EQ(sdl->GetPosition(1000, 0x8FF, &position), JoystickResult::kUnplugged);
  // The machine may or may not have a joystick; either answer is fine, and
  // a configuration change followed by another query must work.
  (void)sdl->GetPosition(0, 0x8FF, &position);
  sdl->ConfigChanged();
  (void)sdl->GetPosition(0, 0x803, &position);
}

}  // namespace
