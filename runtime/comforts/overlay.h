// The comforts' pictures over the presented frame: the backlog, the help
// with the bindings, and the volume level for a moment after a change.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "runtime/comforts/backlog.h"
#include "runtime/comforts/key_map.h"
#include "runtime/comforts/painter.h"
#include "runtime/comforts/volume.h"

namespace comforts {

inline constexpr uint32_t kLevelShownMs = 1000;

class Overlay : public platform::FrameOverlay {
 public:
  Overlay(const Backlog& backlog, const KeyMap& keys) : backlog_(backlog), keys_(keys) {}

  void SetHelp(bool shown) { help_ = shown; }
  bool HelpShown() const { return help_; }
  // Shows `levels` until `until_ms` on the backend's clock.
  void ShowLevels(const Levels& levels, uint32_t until_ms);

  bool Active() override;
  void Draw(platform::Surface& frame) override;

  // Lines of the backlog that fit on one screen (the page of Page Up/Down).
  static int BacklogPageLines() { return 6; }

 private:
  bool LevelsShown() const;
  void DrawBacklog(Painter& painter);
  void DrawHelp(Painter& painter);
  void DrawLevels(Painter& painter);

  const Backlog& backlog_;
  const KeyMap& keys_;
  Fonts fonts_;
  bool help_ = false;
  Levels levels_;
  uint32_t levels_until_ms_ = 0;
  bool levels_set_ = false;
};

}  // namespace comforts
