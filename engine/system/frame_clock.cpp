// The frame clock and the ten one-shot wait slots, all on the platform's
// millisecond clock.
#include "engine/el.h"
#include "engine/system/internal/system.h"
#include "platform/platform.h"

uint32_t elSystem::WaitTime[11] = {};
uint32_t elSystem::NowTime = 0;

namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 10;
constexpr int kStopEntry = 10;  // the eleventh entry belongs to Stop

bool IsSlot(int No) {
  return No >= kFirstSlot && No <= kLastSlot;
}

}  // namespace

int elSystem::SetWait(int No, int Time) {
  if (!IsSlot(No)) return elDraw::Error("System::SetWait", "ウェイトNoが範囲外です", 0);
  WaitTime[No - 1] = platform::TimeMs() + static_cast<uint32_t>(Time);
  return 1;
}

int elSystem::InitWait(int No) {
  if (!IsSlot(No)) return elDraw::Error("System::InitWait", "ウェイトNoが範囲外です", 0);
  WaitTime[No - 1] = el::system::kClearedWait;
  return 1;
}

int elSystem::Wait(int No) {
  // A number outside the slots is a caller error; it reads no entry and
  // answers "not reached".
  if (!IsSlot(No)) return 0;
  return platform::TimeMs() >= WaitTime[No - 1] ? 1 : 0;
}

void elSystem::Stop(int Time) {
  const uint32_t deadline = platform::TimeMs() + static_cast<uint32_t>(Time);
  WaitTime[kStopEntry] = deadline;
  // The platform sleeps until its clock has passed the deadline. The test is
  // made on the difference, so a pause that spans the clock's 32-bit wrap
  // still lasts its full time.
  while (static_cast<int32_t>(platform::TimeMs() - deadline) <= 0) platform::WaitUntil(deadline);
  InitFrame();
}

void elSystem::InitFrame() {
  FrameTime = 0.0f;
  _WaitTime = platform::TimeMs();
}

void elSystem::UpdateFrame() {
  // Unsigned subtraction keeps a frame across the clock's wrap correct. No
  // clamp: a stall shows as one long frame unless the caller restarted the
  // clock with InitFrame.
  const uint32_t elapsed_ms = platform::TimeMs() - _WaitTime;
  FrameTime = static_cast<float>(static_cast<float>(elapsed_ms) / 1000.0);
  _WaitTime = platform::TimeMs();
}
