// Window messages and key codes as the engine's window procedure expects them:
// the Windows message numbers and virtual-key codes, delivered by both
// backends through one queue.
#pragma once

#include <cstdint>

namespace platform {

struct Message {
  uint32_t message = 0;
  uint64_t wparam = 0;
  int64_t lparam = 0;
};

// Packs a client-area point the way mouse messages carry it.
constexpr int64_t MakePointParam(int x, int y) {
  return static_cast<int64_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                              static_cast<uint32_t>(x & 0xFFFF));
}

namespace msg {
inline constexpr uint32_t kDestroy = 0x0002;
inline constexpr uint32_t kMove = 0x0003;
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kQuit = 0x0012;
inline constexpr uint32_t kActivateApp = 0x001C;
inline constexpr uint32_t kSetCursor = 0x0020;
inline constexpr uint32_t kKeyDown = 0x0100;
inline constexpr uint32_t kKeyUp = 0x0101;
inline constexpr uint32_t kChar = 0x0102;
inline constexpr uint32_t kSysKeyDown = 0x0104;
inline constexpr uint32_t kSysKeyUp = 0x0105;
inline constexpr uint32_t kSysCommand = 0x0112;
inline constexpr uint32_t kMouseMove = 0x0200;
inline constexpr uint32_t kLButtonDown = 0x0201;
inline constexpr uint32_t kLButtonUp = 0x0202;
inline constexpr uint32_t kLButtonDblClk = 0x0203;
inline constexpr uint32_t kRButtonDown = 0x0204;
inline constexpr uint32_t kRButtonUp = 0x0205;
inline constexpr uint32_t kRButtonDblClk = 0x0206;
// The wheel: the high word of wparam is the signed distance turned, in
// kWheelDelta units per notch, positive away from the user.
inline constexpr uint32_t kMouseWheel = 0x020A;
inline constexpr uint32_t kHotKey = 0x0312;
inline constexpr uint32_t kMciNotify = 0x03B9;
// The player's own messages, in the range the window system leaves to
// applications (from 0x8000): a game controller's button down and up (wparam
// a PadButton) and a stick axis moved (wparam a PadAxis, lparam the
// position -32768..32767). The window procedure passes them on untouched.
inline constexpr uint32_t kApp = 0x8000;
inline constexpr uint32_t kPadButtonDown = kApp + 1;
inline constexpr uint32_t kPadButtonUp = kApp + 2;
inline constexpr uint32_t kPadAxis = kApp + 3;
}  // namespace msg

// Modifier-key flags of the mouse messages' wparam.
namespace mk {
inline constexpr uint64_t kLButton = 0x0001;
inline constexpr uint64_t kRButton = 0x0002;
inline constexpr uint64_t kShift = 0x0004;
inline constexpr uint64_t kControl = 0x0008;
}  // namespace mk

inline constexpr int kWheelDelta = 120;

// Packs a wheel turn of `notches` (positive away from the user) the way the
// wheel message's wparam carries it, with the button flags `key_flags`.
constexpr uint64_t MakeWheelParam(int notches, uint64_t key_flags) {
  const auto distance = static_cast<uint16_t>(static_cast<int16_t>(notches * kWheelDelta));
  return (static_cast<uint64_t>(distance) << 16) | (key_flags & 0xFFFF);
}
// The signed distance of a wheel message's wparam.
constexpr int WheelDistance(uint64_t wparam) {
  return static_cast<int16_t>(static_cast<uint16_t>(wparam >> 16));
}

// Game controller buttons and axes, numbered as the common controller layout
// orders them.
enum class PadButton : uint32_t {
  kA = 0,
  kB = 1,
  kX = 2,
  kY = 3,
  kBack = 4,
  kGuide = 5,
  kStart = 6,
  kLeftStick = 7,
  kRightStick = 8,
  kLeftShoulder = 9,
  kRightShoulder = 10,
  kDpadUp = 11,
  kDpadDown = 12,
  kDpadLeft = 13,
  kDpadRight = 14,
};
inline constexpr uint32_t kPadButtonCount = 15;
enum class PadAxis : uint32_t { kLeftX = 0, kLeftY = 1, kRightX = 2, kRightY = 3 };
inline constexpr uint32_t kPadAxisCount = 4;

// Notice codes of the MCI completion message (its wparam).
namespace mci {
inline constexpr uint64_t kNotifySuccessful = 1;
inline constexpr uint64_t kNotifySuperseded = 2;
inline constexpr uint64_t kNotifyAborted = 4;
inline constexpr uint64_t kNotifyFailure = 8;
}  // namespace mci

// Virtual-key codes.
namespace vk {
inline constexpr uint32_t kLButton = 0x01;
inline constexpr uint32_t kRButton = 0x02;
inline constexpr uint32_t kCancel = 0x03;
inline constexpr uint32_t kMButton = 0x04;
inline constexpr uint32_t kBack = 0x08;
inline constexpr uint32_t kTab = 0x09;
inline constexpr uint32_t kClear = 0x0C;
inline constexpr uint32_t kReturn = 0x0D;
inline constexpr uint32_t kShift = 0x10;
inline constexpr uint32_t kControl = 0x11;
inline constexpr uint32_t kMenu = 0x12;  // Alt
inline constexpr uint32_t kPause = 0x13;
inline constexpr uint32_t kCapital = 0x14;
inline constexpr uint32_t kKana = 0x15;
inline constexpr uint32_t kKanji = 0x19;
inline constexpr uint32_t kEscape = 0x1B;
inline constexpr uint32_t kConvert = 0x1C;
inline constexpr uint32_t kNonConvert = 0x1D;
inline constexpr uint32_t kSpace = 0x20;
inline constexpr uint32_t kPrior = 0x21;
inline constexpr uint32_t kNext = 0x22;
inline constexpr uint32_t kEnd = 0x23;
inline constexpr uint32_t kHome = 0x24;
inline constexpr uint32_t kLeft = 0x25;
inline constexpr uint32_t kUp = 0x26;
inline constexpr uint32_t kRight = 0x27;
inline constexpr uint32_t kDown = 0x28;
inline constexpr uint32_t kSnapshot = 0x2C;
inline constexpr uint32_t kInsert = 0x2D;
inline constexpr uint32_t kDelete = 0x2E;
inline constexpr uint32_t kHelp = 0x2F;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' are 0x41..0x5A.
inline constexpr uint32_t kLWin = 0x5B;
inline constexpr uint32_t kRWin = 0x5C;
inline constexpr uint32_t kApps = 0x5D;
inline constexpr uint32_t kNumpad0 = 0x60;
inline constexpr uint32_t kMultiply = 0x6A;
inline constexpr uint32_t kAdd = 0x6B;
inline constexpr uint32_t kSeparator = 0x6C;
inline constexpr uint32_t kSubtract = 0x6D;
inline constexpr uint32_t kDecimal = 0x6E;
inline constexpr uint32_t kDivide = 0x6F;
inline constexpr uint32_t kF1 = 0x70;
inline constexpr uint32_t kF4 = 0x73;
inline constexpr uint32_t kF10 = 0x79;
inline constexpr uint32_t kF12 = 0x7B;
inline constexpr uint32_t kF24 = 0x87;
inline constexpr uint32_t kNumLock = 0x90;
inline constexpr uint32_t kScroll = 0x91;
inline constexpr uint32_t kLShift = 0xA0;
inline constexpr uint32_t kRShift = 0xA1;
inline constexpr uint32_t kLControl = 0xA2;
inline constexpr uint32_t kRControl = 0xA3;
inline constexpr uint32_t kLMenu = 0xA4;
inline constexpr uint32_t kRMenu = 0xA5;
inline constexpr uint32_t kOem1 = 0xBA;     // US ';:'   JP ':*'
inline constexpr uint32_t kOemPlus = 0xBB;  // US '=+'   JP ';+'
inline constexpr uint32_t kOemComma = 0xBC;
inline constexpr uint32_t kOemMinus = 0xBD;
inline constexpr uint32_t kOemPeriod = 0xBE;
inline constexpr uint32_t kOem2 = 0xBF;     // '/?'
inline constexpr uint32_t kOem3 = 0xC0;     // US '`~'   JP '@`'
inline constexpr uint32_t kOem4 = 0xDB;     // '[{'
inline constexpr uint32_t kOem5 = 0xDC;     // '\|' (JP yen key)
inline constexpr uint32_t kOem6 = 0xDD;     // ']}'
inline constexpr uint32_t kOem7 = 0xDE;     // US quote  JP '^~'
inline constexpr uint32_t kOem102 = 0xE2;   // JP '\_' (ro key)
inline constexpr uint32_t kOemAttn = 0xF0;  // JP eisu / caps
inline constexpr uint32_t kOemCopy = 0xF2;  // JP katakana/hiragana
inline constexpr uint32_t kOemAuto = 0xF3;  // JP hankaku/zenkaku
inline constexpr uint32_t kOemEnlw = 0xF4;  // JP hankaku/zenkaku
}  // namespace vk

}  // namespace platform
