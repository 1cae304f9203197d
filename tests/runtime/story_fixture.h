// The story screen on the fake backend: an open display with text and sound,
// the music class, an empty project with a small default layout, and helpers
// that run frames, click, make pictures and read the trace.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/el.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "runtime/screens/screens.h"
#include "runtime/story/random.h"
#include "runtime/story/story.h"
#include "tests/engine/draw_fixture.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/engine_state.h"
#include "tests/support/fake_backend.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace story_test {

namespace field = project::field;
namespace slot = project::slot;

// Colour values (red in the lowest byte).
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kRed = 0x0000FF;
inline constexpr uint32_t kGreen = 0x00FF00;
inline constexpr uint32_t kBlue = 0xFF0000;
inline constexpr uint32_t kYellow = 0x00FFFF;
inline constexpr uint32_t kGrey = 0x808080;
inline constexpr uint32_t kLightGrey = 0xD0D0D0;

// Where the default layout puts the menu and the message: tests click and
// probe away from the menu's corner.
inline constexpr int kMessageX = 20, kMessageY = 300, kMessageSize = 16;
inline constexpr int kIdleX = 320, kIdleY = 10;  // a point that hits nothing

class StoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_ = &test_support::FakeBackend::Install();
    fake_->has_window = true;
    test_support::ResetEngineState();
    _FullScreen = 0;  // a window: the fake has no screen modes to change
    platform::SetGameFolder(folder_.Path().string() + "/");
    ASSERT_FALSE(el::draw::OpenDisplay(640, 480, 1, &test_support::FakeDesktopBits));
    elDraw::SetSpriteColor(kWhite);
    elFont::Init();
    ASSERT_EQ(elSound::Init(), 1);
    sound_test::ResetSoundTable();
    elMusic::Init();
    hwnd = 1;
    platform::ResetMessageQueue();
    ResetStory();
    ASSERT_TRUE(platform::OpenTrace(TracePath()));
  }

  void TearDown() override {
    platform::CloseTrace();
    test_support::ResetEngineState();
    platform::ResetMessageQueue();
    platform::ResetBackend();
    runtime::ClearProject();
    hwnd = 0;
  }

  // An empty project and a fresh game: page 0, manual mode, the timer
  // elapsed, nothing loaded; the default layout shows the menu in the top
  // right corner and the message slot.
  static void ResetStory() {
    runtime::ClearProject();
    for (auto* table : {&hitobmp, &mainbmp, &backbmp, &itembmp}) table->fill(0);
    effectwav.fill(-1);
    hitoname.fill(nullptr);
    mousebmp = titlebmp = screenbmp = lyoutbmp = 0;
    KeyClick = KeyClickR = 0;
    MousePX = kIdleX, MousePY = kIdleY;
    elSystem::InitWait(1);
    elSystem::WaitTime[0] = 0;
    runtime::SeedRandom(1);
    Slot(str6, slot::kMenu, 600, 0, 8, 1);
    Slot(str6, slot::kMessage, kMessageX, kMessageY, kMessageSize, 1);
  }

  // Shows slot `index` of `layout` at (x, y) with sizes `sizex`, `sizey`.
  static SCREENPRM& Slot(ScreenLayout& layout, int index, int x, int y, int sizex, int sizey) {
    SCREENPRM& s = layout[static_cast<size_t>(index)];
    s.show = 1;
    s.x = x, s.y = y, s.sizex = sizex, s.sizey = sizey;
    return s;
  }

  // ---- The project
  static void SetText(int page, int line, const std::string& utf8) {
    const std::string sjis = test_support::Sjis(utf8);
    auto& record = str[static_cast<size_t>(project::RecordIndex(page, line))];
    record.fill(0);
    std::copy(sjis.begin(), sjis.end(), record.begin());
  }
  // Lines 0.. of `page`, one record each.
  static void SetLines(int page, const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) SetText(page, static_cast<int>(i), lines[i]);
  }
  static void SetField(int page, int index, int value) {
    str2[static_cast<size_t>(page)][static_cast<size_t>(index)] = value;
  }
  // A one-line page that goes on to `next`.
  static void LinkPage(int page, int next) {
    SetLines(page, {"line"});
    SetField(page, field::kEndType, project::end_type::kNext);
    SetField(page, field::kNextPage, next);
  }
  static void SetCount(project::AssetList list, int count) {
    picname.counts[static_cast<size_t>(list)] = count;
  }

  // ---- Assets
  // A picture of one colour (0x00RRGGBB in the file) loaded as the loading
  // screen loads them; `key_corner` paints its top-left quarter white.
  int Picture(const std::string& name, int width, int height, uint32_t rrggbb,
              bool key_corner = false) {
    test_support::BmpSpec spec;
    spec.width = width, spec.height = height, spec.bpp = 24;
    spec.pixel = [=](int x, int y) {
      return key_corner && x < width / 2 && y < height / 2 ? 0xFFFFFFu : rrggbb;
    };
    folder_.Write(name, test_support::MakeBmp(spec));
    const int sprite = elDraw::LoadObject(name.c_str(), 2);
    EXPECT_GT(sprite, 3) << name;
    return sprite;
  }
  int Sound(const std::string& name) {
    folder_.Write(name,
                  test_support::WaveFile(1, 22050, 16, test_support::ConstantPcm16(100, 1, 1)));
    const int number = elSound::LoadObject(name.c_str(), 1);
    EXPECT_GE(number, 0) << name;
    return number;
  }

  // ---- Running the screen
  void Frame() { Main4Screen(); }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
  void Pass(uint32_t ms) { fake_->now_ms += ms; }
  // The button goes down for one frame and is up for the next two: the
  // polling state reads "released" and then "up" again, so that the next
  // press counts as a new one.
  void Click(int x, int y, uint32_t button = platform::vk::kLButton) {
    MousePX = x, MousePY = y;
    const bool left = button == platform::vk::kLButton;
    Button(left ? platform::msg::kLButtonDown : platform::msg::kRButtonDown, x, y);
    Frame();
    Button(left ? platform::msg::kLButtonUp : platform::msg::kRButtonUp, x, y);
    Frames(2);
  }
  void Click() { Click(kIdleX, kIdleY); }
  void RightClick() { Click(kIdleX, kIdleY, platform::vk::kRButton); }
  // Posts a button message and takes it, so that the key state follows.
  static void Button(uint32_t message, int x, int y) {
    platform::PostMessage(message, 0, platform::MakePointParam(x, y));
    platform::Message taken;
    while (platform::PeekMessage(&taken)) {
    }
  }

  // ---- Probes
  // The composed picture of the line (the cache in sprite 0).
  static uint32_t Cached(int x, int y) { return Sprite[0].Object->GetPixel(x, y); }
  static uint32_t Shown(int x, int y) { return DDBack->GetPixel(x, y); }
  static uint32_t Raw(uint32_t color_ref) {
    return platform::ColorRefToPixel(DDBack->Format(), color_ref);
  }
  // Pixels of colour `color_ref` in the back buffer's rectangle [x1,x2) x [y1,y2).
  static int CountShown(int x1, int y1, int x2, int y2, uint32_t color_ref) {
    int count = 0;
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x) count += Shown(x, y) == Raw(color_ref) ? 1 : 0;
    return count;
  }

  // ---- Trace
  std::string TracePath() const { return (folder_.Path() / "trace.jsonl").string(); }
  // The trace lines written since the last call that contain `needle`.
  std::vector<std::string> TraceLines(const std::string& needle) {
    platform::CloseTrace();
    std::vector<std::string> lines;
    const std::string text = folder_.Read("trace.jsonl");
    for (size_t start = 0; start < text.size();) {
      const size_t end = std::min(text.find('\n', start), text.size());
      const std::string line = text.substr(start, end - start);
      if (line.find(needle) != std::string::npos) lines.push_back(line);
      start = end + 1;
    }
    EXPECT_TRUE(platform::OpenTrace(TracePath()));
    return lines;
  }

  test_support::FakeBackend* fake_ = nullptr;
  test_support::TempFolder folder_;
};

}  // namespace story_test
