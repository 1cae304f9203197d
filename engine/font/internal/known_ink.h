// What the font layer knows of its own sprites between its calls: that
// nothing else wrote one since, and where on it the pixels may not be black.
// Clearing such a sprite whole then clears only that, instead of the whole
// screen-sized sprite for every message.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace el::font {

class KnownInk {
 public:
  // Makes `surface` black, writing only where it may not be black yet.
  void Clear(platform::Surface& surface);
  // The font layer itself drew inside `written` (and nobody else wrote),
  // starting when the surface's write count was `count_before`.
  void Add(const platform::Surface& surface, uint64_t count_before, const platform::Rect& written);
  // The caller made `surface` black and holds the only locks on it (its
  // drawing scope's, whose writes all move the write count).
  void MarkBlack(const platform::Surface& surface) {
    ink_ = {};
    Stamp(surface);
  }
  // Runs `step`, which writes no pixels (it opens or closes a drawing
  // scope, whose writes all move the write count), and keeps what is known.
  template <typename Step>
  void Across(const platform::Surface* surface, Step step) {
    const bool held = surface && Knows(*surface);
    step();
    if (held) Stamp(*surface);
  }
  bool Knows(const platform::Surface& surface) const {
    return KnewAt(surface, surface.WriteCount());
  }

 private:
  // Whether what is known held when the surface's write count was `count`
  // (and its locks are as they were then).
  bool KnewAt(const platform::Surface& surface, uint64_t count) const {
    return known_ && surface.Identity() == identity_ && count == write_count_ &&
           surface.LockCount() == lock_count_;
  }
  void Stamp(const platform::Surface& surface);

  bool known_ = false;
  uint64_t identity_ = 0;
  uint64_t write_count_ = 0;
  int lock_count_ = 0;
  platform::Rect ink_;
};

// The two sprites the anti-aliased text clears for every message: the Font
// sprite and the Font buffer sprite (the scratch).
KnownInk& FontSpriteInk();
KnownInk& ScratchInk();

// Runs `step`, which opens or closes a drawing scope on `surface` and writes
// no pixels, keeping what is known of it.
template <typename Step>
void KeepingKnownInk(const platform::Surface* surface, Step step) {
  FontSpriteInk().Across(surface, [&] { ScratchInk().Across(surface, step); });
}

}  // namespace el::font
