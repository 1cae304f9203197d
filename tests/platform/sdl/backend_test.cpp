// The SDL backend under SDL's offscreen video driver and dummy audio driver:
// window creation, and synthetic SDL events arriving as window messages.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/backends.h"
#include "platform/platform.h"
#include "tests/support/support.h"

namespace {

using platform::Message;
namespace msg = platform::msg;
namespace vk = platform::vk;

std::vector<Message> TakeAll() {
  std::vector<Message> out;
  Message m;
  while (platform::PeekMessage(&m)) out.push_back(m);
  return out;
}

class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // SDL's software paths: no GL driver is loaded (its allocations outlive
    // the test and would read as leaks).
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
    platform::ResetMessageQueue();
    platform::SetWindowProcedure(&Record);
    sent().clear();
  }
  void TearDown() override {
    platform::ResetBackend();
    platform::SetWindowProcedure(nullptr);
    platform::ResetMessageQueue();
  }
  // Opens a window of 640*scale x 480*scale and drops its start messages.
  bool Open(int scale, platform::ScaleMode mode = platform::ScaleMode::kFit, bool gamepad = false) {
    platform::DisplayOptions options{true, scale, mode};
    options.gamepad = gamepad;
    auto backend = platform::CreateSdlBackend(options);
    if (!backend) return false;
    platform::InstallBackend(std::move(backend));
    if (!platform::CreateMainWindow("test")) return false;
    start_messages_ = TakeAll();
    return true;
  }
  static std::vector<Message>& sent() {
    static std::vector<Message> messages;
    return messages;
  }
  static int64_t Record(uint32_t message, uint64_t wparam, int64_t lparam) {
    sent().push_back({message, wparam, lparam});
    return platform::DefWindowProc(message, wparam, lparam);
  }

  std::vector<Message> start_messages_;
};

void PushMotion(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  SDL_PushEvent(&e);
}

void PushButton(Uint8 button, bool down, Uint8 clicks, int x, int y) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = button;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = clicks;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
}

void PushKey(SDL_Scancode scancode, bool down, Uint16 mod = KMOD_NONE, bool repeat = false) {
  SDL_Event e{};
  e.key.repeat = repeat ? 1 : 0;
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = scancode;
  e.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

TEST_F(SdlBackendTest, WindowStartsActiveAtTheOrigin) {
  ASSERT_TRUE(Open(1));
  ASSERT_EQ(start_messages_.size(), 2u);
  EXPECT_EQ(start_messages_[0].message, msg::kActivateApp);
  EXPECT_EQ(start_messages_[0].wparam, 1u);
  EXPECT_EQ(start_messages_[1].message, msg::kMove);
  EXPECT_EQ(start_messages_[1].lparam, 0);
  EXPECT_TRUE(platform::CurrentBackend().HasWindow());
}

TEST_F(SdlBackendTest, MouseMoveIsMappedToDisplayCoordinatesAfterSetCursor) {
  ASSERT_TRUE(Open(2));
  sent().clear();
  PushMotion(201, 101);
  const auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, msg::kMouseMove);
  EXPECT_EQ(messages[0].lparam, platform::MakePointParam(100, 50));
  // The pointer shape was asked for first, synchronously.
  ASSERT_EQ(sent().size(), 1u);
  EXPECT_EQ(sent()[0].message, msg::kSetCursor);
  EXPECT_EQ(sent()[0].lparam, 1 | (static_cast<int64_t>(msg::kMouseMove) << 16));
}

TEST_F(SdlBackendTest, MouseOutsideThePictureIsClamped) {
  ASSERT_TRUE(Open(1));
  PushMotion(5000, -20);
  const auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].lparam, platform::MakePointParam(639, 0));
}

TEST_F(SdlBackendTest, SecondClickOfASeriesArrivesAsDoubleClickAndEachPressGetsItsFrame) {
  ASSERT_TRUE(Open(1));
  PushButton(SDL_BUTTON_LEFT, true, 1, 10, 20);
  PushButton(SDL_BUTTON_LEFT, false, 1, 10, 20);
  PushButton(SDL_BUTTON_LEFT, true, 2, 10, 20);
  PushButton(SDL_BUTTON_LEFT, false, 2, 10, 20);
  PushButton(SDL_BUTTON_RIGHT, true, 2, 10, 20);
  // A quick tap comes as press and release in one go; the release waits for
  // a frame, so the program's once-a-frame poll sees the button down.
  std::vector<std::vector<uint32_t>> pumps;
  Message first_press{};
  for (int frame = 0; frame < 3; ++frame) {
    const auto messages = TakeAll();
    if (frame == 0 && messages.size() > 1) first_press = messages[1];
    pumps.emplace_back();
    for (const auto& m : messages) pumps.back().push_back(m.message);
    platform::CurrentBackend().EndFrame();
  }
  EXPECT_EQ(pumps, (std::vector<std::vector<uint32_t>>{{msg::kMouseMove, msg::kLButtonDown},
                                                       {msg::kLButtonUp, msg::kLButtonDblClk},
                                                       {msg::kLButtonUp, msg::kRButtonDblClk}}));
  EXPECT_EQ(first_press.lparam, platform::MakePointParam(10, 20));
  EXPECT_EQ(platform::GetKeyState(vk::kRButton) & 0x80, 0x80);
}

TEST_F(SdlBackendTest, KeysAndSystemKeys) {
  ASSERT_TRUE(Open(1));
  PushKey(SDL_SCANCODE_SPACE, true);
  PushKey(SDL_SCANCODE_SPACE, false);
  PushKey(SDL_SCANCODE_LALT, true, KMOD_LALT);
  PushKey(SDL_SCANCODE_F4, true, KMOD_LALT);
  PushKey(SDL_SCANCODE_F4, false, KMOD_LALT);
  PushKey(SDL_SCANCODE_LALT, false);
  const auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 6u);
  EXPECT_EQ(messages[0].message, msg::kKeyDown);
  EXPECT_EQ(messages[0].wparam, vk::kSpace);
  EXPECT_EQ(messages[1].message, msg::kKeyUp);
  EXPECT_EQ(messages[2].message, msg::kSysKeyDown);
  EXPECT_EQ(messages[2].wparam, vk::kMenu);
  EXPECT_EQ(messages[3].message, msg::kSysKeyDown);
  EXPECT_EQ(messages[3].wparam, vk::kF4);
  EXPECT_EQ(messages[4].message, msg::kSysKeyUp);
  EXPECT_EQ(messages[5].message, msg::kSysKeyUp);
}

TEST_F(SdlBackendTest, AltEnterAndF12StayWithTheBackend) {
  // Screenshots go to the pictures folder that user-dirs.dirs names.
  test_support::TempFolder config;
  const std::string pictures_folder = (config.Path() / "pictures").string();
  config.Write("user-dirs.dirs", "XDG_PICTURES_DIR=\"" + pictures_folder + "\"\n");
  const std::string config_before = std::getenv("XDG_CONFIG_HOME");
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  ASSERT_TRUE(Open(1));
  PushKey(SDL_SCANCODE_RETURN, true, KMOD_LALT);
  PushKey(SDL_SCANCODE_RETURN, true, KMOD_LALT, true);  // auto-repeat
  PushKey(SDL_SCANCODE_RETURN, false, KMOD_LALT);
  PushKey(SDL_SCANCODE_F12, true);
  PushKey(SDL_SCANCODE_F12, false);
  PushKey(SDL_SCANCODE_RETURN, true);  // a plain Enter is the program's again
  const auto messages = TakeAll();
  setenv("XDG_CONFIG_HOME", config_before.c_str(), 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, msg::kKeyDown);
  EXPECT_EQ(messages[0].wparam, vk::kReturn);
  int pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(pictures_folder + "/aoat-player")) {
    pictures += entry.path().extension() == ".png" ? 1 : 0;
  }
  EXPECT_EQ(pictures, 1);
}

TEST_F(SdlBackendTest, WheelTurnsArriveInWholeNotches) {
  ASSERT_TRUE(Open(1));
  const auto push = [](float y, Uint32 direction) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.preciseY = y;
    e.wheel.y = static_cast<Sint32>(y);
    e.wheel.direction = direction;
    SDL_PushEvent(&e);
  };
  push(1.0f, SDL_MOUSEWHEEL_NORMAL);
  push(-2.0f, SDL_MOUSEWHEEL_NORMAL);
  push(0.5f, SDL_MOUSEWHEEL_NORMAL);  // half a notch: nothing yet
  push(0.5f, SDL_MOUSEWHEEL_NORMAL);
  push(1.0f, SDL_MOUSEWHEEL_FLIPPED);  // natural scrolling turns the other way
  std::vector<int> notches;
  for (const Message& m : TakeAll()) {
    ASSERT_EQ(m.message, msg::kMouseWheel);
    notches.push_back(platform::WheelDistance(m.wparam) / platform::kWheelDelta);
  }
  EXPECT_EQ(notches, (std::vector<int>{1, -2, 1, -1}));
}

TEST_F(SdlBackendTest, ControllerButtonsAndTheStickArePadMessagesWhenAsked) {
  const auto push = [] {
    SDL_Event button{};
    button.type = SDL_CONTROLLERBUTTONDOWN;
    button.cbutton.button = SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;
    SDL_PushEvent(&button);
    SDL_Event axis{};
    axis.type = SDL_CONTROLLERAXISMOTION;
    axis.caxis.axis = SDL_CONTROLLER_AXIS_LEFTY;
    axis.caxis.value = -20000;
    SDL_PushEvent(&axis);
  };
  ASSERT_TRUE(Open(1));
  push();
  EXPECT_TRUE(TakeAll().empty()) << "no controllers unless the player asks for them";
  platform::ResetBackend();
  ASSERT_TRUE(Open(1, platform::ScaleMode::kFit, true));
  push();
  const auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].message, msg::kPadButtonDown);
  EXPECT_EQ(messages[0].wparam, static_cast<uint64_t>(platform::PadButton::kRightShoulder));
  EXPECT_EQ(messages[1].message, msg::kPadAxis);
  EXPECT_EQ(messages[1].wparam, static_cast<uint64_t>(platform::PadAxis::kLeftY));
  EXPECT_EQ(messages[1].lparam, -20000);
}

TEST_F(SdlBackendTest, FullScreenOnRequest) {
  ASSERT_TRUE(Open(1));
  EXPECT_FALSE(platform::IsFullScreen());
  platform::SetFullScreen(true);
  EXPECT_TRUE(platform::IsFullScreen());
  platform::SetFullScreen(false);
  EXPECT_FALSE(platform::IsFullScreen());
}

TEST_F(SdlBackendTest, CloseRequestsBecomeOneCloseMessage) {
  ASSERT_TRUE(Open(1));
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&e);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, msg::kClose);
  SDL_PushEvent(&quit);
  messages = TakeAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, msg::kClose);
}

TEST_F(SdlBackendTest, FocusChangesAreActivationMessages) {
  ASSERT_TRUE(Open(1));
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&e);
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  SDL_PushEvent(&e);
  SDL_PushEvent(&e);  // already active: nothing more
  const auto messages = TakeAll();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].message, msg::kActivateApp);
  EXPECT_EQ(messages[0].wparam, 0u);
  EXPECT_EQ(messages[1].wparam, 1u);
}

TEST_F(SdlBackendTest, PresentAndDisplayModeRules) {
  ASSERT_TRUE(Open(1));
  auto& backend = platform::CurrentBackend();
  EXPECT_FALSE(backend.SetDisplayMode(640, 480, 32));
  EXPECT_TRUE(backend.SetDisplayMode(640, 480, 16));
  EXPECT_EQ(backend.DesktopBitsPerPixel(), 16);
  platform::Surface back(640, 480, platform::PixelFormat::Rgb565());
  back.Fill(back.Bounds(), 0xF800);
  backend.Present(back, back.Bounds());
  backend.EndFrame();
  // A renderer that lost its device takes the surfaces' contents with it:
  // they report lost until restored, and presenting goes on afterwards.
  for (const SDL_EventType reset : {SDL_RENDER_DEVICE_RESET, SDL_RENDER_TARGETS_RESET}) {
    back.Restore();
    SDL_Event e{};
    e.type = reset;
    SDL_PushEvent(&e);
    TakeAll();
    EXPECT_TRUE(back.IsLost()) << reset;
  }
  back.Restore();
  backend.Present(back, back.Bounds());
  EXPECT_FALSE(back.IsLost());
}

// The colour of the window's pixel at `x`, `y` as the renderer shows it.
Uint32 ShownPixel(int x, int y) {
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  Uint32 pixel = 0;
  const SDL_Rect one{x, y, 1, 1};
  SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  return pixel & 0xFFFFFF;
}

void PaintWindowBlue() {
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  SDL_SetRenderDrawColor(renderer, 0, 0, 255, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
}

TEST_F(SdlBackendTest, AFrameEqualToTheShownOneIsNotDrawnAgainUntilTheWindowAsks) {
  ASSERT_TRUE(Open(1));
  ASSERT_NE(SDL_GetWindowFromID(1), nullptr);
  auto& backend = platform::CurrentBackend();
  platform::Surface back(640, 480, platform::PixelFormat::Rgb565());
  back.Fill(back.Bounds(), 0xF800);
  back.SetPixel(639, 479, 0x001F);
  backend.Present(back, back.Bounds());
  EXPECT_EQ(ShownPixel(0, 0), 0xFF0000u);
  EXPECT_EQ(ShownPixel(639, 479), 0x0000FFu);
  PaintWindowBlue();
  backend.Present(back, back.Bounds());
  EXPECT_EQ(ShownPixel(0, 0), 0x0000FFu) << "the same frame was drawn again";
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_EXPOSED;
  e.window.windowID = 1;
  SDL_PushEvent(&e);
  TakeAll();
  EXPECT_EQ(ShownPixel(0, 0), 0xFF0000u) << "an expose shows the kept frame";
  PaintWindowBlue();
  back.SetPixel(320, 240, 0x07E0);
  backend.Present(back, back.Bounds());
  EXPECT_EQ(ShownPixel(0, 0), 0xFF0000u) << "a changed frame is drawn whole";
  EXPECT_EQ(ShownPixel(320, 240), 0x00FF00u);
}

}  // namespace

namespace {

void SilentRender(int16_t* frames, int count) {
  for (int i = 0; i < count * 2; ++i) frames[i] = 0;
}

TEST(SdlAudio, OpensOnTheDummyDriverAndRefusesWithoutADevice) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto backend = platform::CreateSdlBackend({true, 1, platform::ScaleMode::kFit});
  ASSERT_NE(backend, nullptr);
  EXPECT_TRUE(backend->OpenAudio(&SilentRender));
  backend->Beep();  // mixed into the open device
  backend->CloseAudio();
  backend->Beep();  // on a device of its own
  EXPECT_FALSE(backend->OpenAudio(nullptr));
  backend.reset();

  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  backend = platform::CreateSdlBackend({true, 1, platform::ScaleMode::kFit});
  ASSERT_NE(backend, nullptr);
  EXPECT_FALSE(backend->OpenAudio(&SilentRender));
  backend->Beep();  // silent
  backend.reset();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
