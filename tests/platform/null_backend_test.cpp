// The do-nothing backend the test doubles derive from: the platform runs on
// it with no window system, no screen and no audio device, and its clock
// moves only when the program waits.
#include "platform/null_backend.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/audio/mixer.h"
#include "platform/platform.h"

namespace {

TEST(NullBackend, TheClockMovesOnlyWhenTheProgramWaits) {
  platform::InstallBackend(std::make_unique<platform::NullBackend>());
  platform::ResetClockPauses();
  const uint32_t start = platform::TimeMs();
  EXPECT_EQ(platform::TimeMs(), start);
  platform::WaitUntil(start + 40);
  EXPECT_EQ(platform::TimeMs(), start + 41);  // strictly past the deadline
  platform::ResetBackend();
}

TEST(NullBackend, AnswersEveryCallHarmlesslyAndHasNoAudioDevice) {
  platform::InstallBackend(std::make_unique<platform::NullBackend>());
  EXPECT_TRUE(platform::CreateMainWindow("title"));
  EXPECT_EQ(platform::ShowMessageBox(platform::MessageBoxKind::kYesNo, "c", "t"),
            platform::MessageBoxAnswer::kOk);
  EXPECT_EQ(platform::CurrentBackend().DesktopBitsPerPixel(), 16);
  EXPECT_FALSE(platform::OpenSoundOutput());
  platform::DestroyMainWindow();
  platform::ResetMessageQueue();
  platform::ResetBackend();
}

}  // namespace
