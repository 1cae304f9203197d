// Shared set-up of the screen tests: the runtime skeleton's fixture with the
// whole engine started on the fake backend (display, sound, music, text), a
// game folder and a save folder of their own, and helpers that write small
// projects and assets and press the mouse buttons through the message queue.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/draw/internal/draw.h"
#include "engine/el.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "runtime/project/project_file.h"
#include "runtime/project/project_model.h"
#include "runtime/save/save_game.h"
#include "runtime/screens/screens.h"
#include "runtime/story/story.h"
#include "tests/engine/draw_fixture.h"
#include "tests/platform/bmp_builder.h"
#include "tests/runtime/runtime_fixture.h"
#include "tests/support/sound_files.h"
#include "tests/support/support.h"

namespace runtime_test {

// Puts the screens' own tables back to their start values.
inline void ResetScreenTables() {
  runtime::ClearProject();
  mousebmp = titlebmp = screenbmp = lyoutbmp = 0;
  hitobmp.fill(0);
  mainbmp.fill(0);
  backbmp.fill(0);
  itembmp.fill(0);
  effectwav.fill(0);
  hitoname.fill(nullptr);
  KeyClick = KeyClickR = 0;
}

// Writes `text` into a fixed-size text field, cut to the field.
inline void SetText(project::TextRecord& field, std::string_view text) {
  field.fill('\0');
  for (size_t i = 0; i < text.size() && i < field.size(); ++i) field[i] = text[i];
}

class ScreenTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    fake_->has_window = true;
    _FullScreen = 0;  // a window: the fake has no screen modes to change
    platform::SetGameFolder(game_.Path().string() + "/");
    platform::SetSaveFolder(save_.Path().string() + "/");
    ASSERT_EQ(elDraw::Screen(640, 480, 1), 1);
    ResetScreenTables();
    project_ = std::make_unique<project::ProjectData>();
  }

  void TearDown() override {
    platform::CloseTrace();
    ResetScreenTables();
    RuntimeTest::TearDown();  // the engine reset with it
  }

  // ---- Game folder
  void WriteProject() const {
    const auto image = project::Encode(*project_);
    game_.Write("data.aoat", std::string(image.begin(), image.end()));
  }
  // A 24-bit picture of one colour (0x00RRGGBB) in the game folder.
  void WritePicture(const std::string& name, int width, int height, uint32_t rrggbb) const {
    test_support::BmpSpec spec;
    spec.width = width;
    spec.height = height;
    spec.pixel = [=](int, int) { return rrggbb; };
    game_.Write(name, test_support::MakeBmp(spec));
  }
  void WriteSound(const std::string& name) const {
    game_.Write(name, test_support::WaveFile(1, 22050, 16, test_support::ConstantPcm16(100, 1, 1)));
  }
  // Lists `name` as entry `n` of `list` and sets the list's count.
  void List(project::AssetList list, int count, int n, std::string_view name) {
    project_->picname.counts[static_cast<size_t>(list)] = count;
    SetText(project_->picname.names[static_cast<size_t>(list)][static_cast<size_t>(n)], name);
  }

  // ---- Input through the message queue, as the window delivers it
  void Pump() {
    platform::Message m;
    while (platform::PeekMessage(&m)) {
      platform::TranslateMessage(m);
      platform::DispatchMessage(m);
    }
  }
  void MoveTo(int x, int y) {
    platform::PostMessage(platform::msg::kMouseMove, 0, platform::MakePointParam(x, y));
    Pump();
  }
  void PressLeft(int x, int y) {
    MoveTo(x, y);
    platform::PostMessage(platform::msg::kLButtonDown, 1, platform::MakePointParam(x, y));
    Pump();
  }
  void ReleaseLeft() {
    platform::PostMessage(platform::msg::kLButtonUp, 0, platform::MakePointParam(MousePX, MousePY));
    Pump();
  }
  // One frame of the main loop, `step_ms` later than the previous one.
  void Frame(uint32_t step_ms = 16) {
    fake_->now_ms += step_ms;
    Pump();
    runtime::RunFrame();
  }

  // ---- Trace of the run, read back as lines
  void StartTrace() { ASSERT_TRUE(platform::OpenTrace((save_.Path() / "trace.jsonl").string())); }
  std::vector<std::string> TraceLines(std::string_view containing) {
    platform::CloseTrace();
    std::vector<std::string> lines;
    std::ifstream in(save_.Path() / "trace.jsonl");
    for (std::string line; std::getline(in, line);)
      if (line.find(containing) != std::string::npos) lines.push_back(line);
    return lines;
  }

  // The message boxes shown, by text (Shift-JIS, as shown).
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : fake_->boxes) texts.push_back(box.text);
    return texts;
  }

  // A pixel of the back surface as the colour value it was drawn with.
  static uint32_t BackPixel(int x, int y) { return DDBack->GetPixel(x, y); }
  static uint32_t Raw(uint32_t color_ref) {
    return platform::ColorRefToPixel(platform::PixelFormat::Rgb565(), color_ref);
  }

  test_support::TempFolder game_;
  test_support::TempFolder save_;
  std::unique_ptr<project::ProjectData> project_;
};

}  // namespace runtime_test
