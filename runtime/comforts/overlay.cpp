#include "runtime/comforts/overlay.h"

#include <string>
#include <vector>

namespace comforts {
namespace {

constexpr uint32_t kTextGrey = 0x202020;
constexpr uint32_t kLightGrey = 0xC0C0C0;
constexpr int kBacklogFontPx = 16;
constexpr int kBacklogPitchPx = 19;
constexpr int kBacklogGapPx = 8;
constexpr int kBacklogLeftPx = 40;
constexpr int kBacklogTopPx = 36;
constexpr int kHelpFontPx = 14;

// One row of the help: what it does, its keys, its gamepad button.
struct HelpRow {
  const char* what;
  std::vector<Action> actions;
  const char* extra_keys;
  const char* pad;
};

const std::vector<HelpRow>& HelpRows() {
  static const std::vector<HelpRow> rows = {
      {"Click (advance, pick)", {Action::kClick}, "wheel down", "A"},
      {"Advance mode", {Action::kRightClick}, "", "B"},
      {"Previous choice / entry", {Action::kPrevious}, "", "D-pad, stick"},
      {"Next choice / entry", {Action::kNext}, "", "D-pad, stick"},
      {"Skip while held", {Action::kSkipHold}, "", "RB"},
      {"Skip on / off", {Action::kSkipToggle}, "", "Y"},
      {"Backlog", {Action::kBacklog}, "wheel up", "LB"},
      {"Mute", {Action::kMute}, "", "Back"},
      {"Volume down / up", {Action::kVolumeDown, Action::kVolumeUp}, "", ""},
      {"Full screen", {Action::kFullScreen}, "Alt+Enter", ""},
      {"This help", {Action::kHelp}, "", "Start (held)"},
      {"Screenshot", {}, "F12", ""},
  };
  return rows;
}

std::string KeysText(const KeyMap& keys, const HelpRow& row) {
  std::string text;
  for (size_t i = 0; i < row.actions.size(); ++i) {
    if (i > 0) text += " / ";
    const auto& bound = keys.KeysOf(row.actions[i]);
    for (size_t k = 0; k < bound.size(); ++k) {
      if (k > 0) text += ", ";
      text += KeyName(bound[k]);
    }
  }
  if (row.extra_keys[0] != '\0') text += (text.empty() ? "" : ", ") + std::string(row.extra_keys);
  return text;
}

}  // namespace

void Overlay::ShowLevels(const Levels& levels, uint32_t until_ms) {
  levels_ = levels;
  levels_until_ms_ = until_ms;
  levels_set_ = true;
}

bool Overlay::LevelsShown() const {
  return levels_set_ && static_cast<int32_t>(levels_until_ms_ - platform::BackendTimeMs()) > 0;
}

bool Overlay::Active() {
  return backlog_.IsOpen() || help_ || LevelsShown();
}

void Overlay::Draw(platform::Surface& frame) {
  if (frame.IsLost()) frame.Restore();
  Painter painter(frame);
  if (backlog_.IsOpen()) DrawBacklog(painter);
  if (help_) DrawHelp(painter);
  if (LevelsShown()) DrawLevels(painter);
}

// Newest at the bottom, older lines above as far as they fit.
void Overlay::DrawBacklog(Painter& painter) {
  painter.Shade({0, 0, painter.Width(), painter.Height()}, kWhite, 236);
  const platform::Font& title = fonts_.Gothic(kBacklogFontPx, true);
  const platform::Font& text = fonts_.Gothic(kBacklogFontPx, false);
  const platform::Font& name = fonts_.Gothic(kBacklogFontPx, true);
  const std::string heading = "Backlog  " + std::to_string(backlog_.Size()) + " lines";
  painter.Text(kBacklogLeftPx - 24, 10, heading, kTextGrey, title);
  int bottom = painter.Height() - 10;
  for (size_t i = backlog_.Scroll(); i < backlog_.Size(); ++i) {
    const BacklogLine& line = backlog_.FromNewest(i);
    const int rows = line.row_count + (line.speaker.empty() ? 0 : 1);
    const int top = bottom - rows * kBacklogPitchPx;
    if (top < kBacklogTopPx) break;
    int y = top;
    if (!line.speaker.empty()) {
      painter.Text(kBacklogLeftPx, y, line.speaker, kBlue, name);
      y += kBacklogPitchPx;
    }
    for (int r = 0; r < line.row_count; ++r, y += kBacklogPitchPx)
      painter.Text(kBacklogLeftPx, y, line.rows[static_cast<size_t>(r)], kTextGrey, text);
    bottom = top - kBacklogGapPx;
  }
}

void Overlay::DrawHelp(Painter& painter) {
  const platform::Rect panel{16, 40, 624, 440};
  painter.Shade(panel, kBlack, 232);
  painter.Text(panel.left + 20, panel.top + 14, "Keys and buttons", kWhite,
               fonts_.Gothic(18, true));
  const platform::Font& font = fonts_.Gothic(kHelpFontPx, false);
  int y = panel.top + 50;
  for (const HelpRow& row : HelpRows()) {
    painter.Text(panel.left + 20, y, row.what, kWhite, font);
    painter.Text(panel.left + 200, y, KeysText(keys_, row), kLightGrey, font);
    painter.Text(panel.left + 490, y, row.pad, kLightGrey, font);
    y += 26;
  }
}

void Overlay::DrawLevels(Painter& painter) {
  const platform::Rect box{452, 10, 630, 48};
  painter.Shade(box, kBlack, 190);
  const platform::Font& font = fonts_.Gothic(kHelpFontPx, true);
  const std::string label = levels_.mute ? "Muted" : "Volume " + std::to_string(levels_.master);
  painter.Text(box.left + 10, box.top + 4, label, kWhite, font);
  // Ten segments, one for each step of the master level.
  for (int step = 0; step < kMaxLevel / kLevelStep; ++step) {
    const platform::Rect segment{box.left + 10 + step * 16, box.top + 24, box.left + 24 + step * 16,
                                 box.top + 32};
    const bool lit = !levels_.mute && levels_.master > step * kLevelStep;
    painter.Shade(segment, lit ? kWhite : kLightGrey, lit ? 256 : 64);
  }
}

}  // namespace comforts
