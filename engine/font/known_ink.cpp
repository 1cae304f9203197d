#include "engine/font/internal/known_ink.h"

namespace el::font {

KnownInk& FontSpriteInk() {
  static KnownInk known;
  return known;
}

KnownInk& ScratchInk() {
  static KnownInk known;
  return known;
}

void KnownInk::Clear(platform::Surface& surface) {
  // Where the pixels may not be black: the whole surface when nothing is known.
  const platform::Rect ink =
      Knows(surface) ? platform::Intersect(ink_, surface.Bounds()) : surface.Bounds();
  known_ = false;
  if (!ink.Empty() && surface.Fill(ink, 0) != platform::BltResult::kOk) return;
  ink_ = {};
  // Only a surface nobody holds a lock on can be known: writes through a
  // lock taken before would not show.
  if (surface.LockCount() == 0) Stamp(surface);
}

void KnownInk::Add(const platform::Surface& surface, uint64_t count_before,
                   const platform::Rect& written) {
  const bool held = KnewAt(surface, count_before);
  known_ = false;
  if (!held) return;
  ink_ = platform::Union(ink_, written);
  Stamp(surface);
}

void KnownInk::Stamp(const platform::Surface& surface) {
  known_ = true;
  identity_ = surface.Identity();
  write_count_ = surface.WriteCount();
  lock_count_ = surface.LockCount();
}

}  // namespace el::font
