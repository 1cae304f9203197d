// Pieces of the display class shared by its files and reachable by tests:
// sprite-table helpers, the pixel-format derivation and table builders, and
// the display set-up steps that do not involve the other engine classes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/el.h"
#include "platform/surface.h"

namespace el::draw {

// Every surface of the display has the platform's display format.
inline constexpr platform::PixelFormat kDisplayFormat = platform::PixelFormat::Rgb565();
// The result code reported for failures the platform does not name.
inline constexpr long kGenericFailure = static_cast<long>(0x80004005);
inline constexpr int kSpriteCount = 1024;
inline constexpr int kFirstFreeSprite = 4;
// Longest sprite name the loaders accept (the name field holds it whole).
inline constexpr size_t kMaxSpriteName = 100;

// ---- Sprite table
// The entry of a sprite number, or null outside the table.
elDraw::_sprite* Entry(int number);
// The surface of a sprite number, or null when there is none.
platform::Surface* SurfaceOf(int number);
// Releases the entry's surface and resets every field to a free entry.
void ResetEntry(elDraw::_sprite& entry);
// The lowest free entry from 4, or -1 when the table is full.
int FindFreeEntry();
// Stores `name` in the entry's name field; false when it does not fit.
bool StoreName(elDraw::_sprite& entry, const char* name);
// A surface of the display format, or null when the size is refused.
std::unique_ptr<platform::Surface> CreateSurface(int width_px, int height_px);
// The colour-key rule: the sprite colour, or the top-left pixel.
void ApplyColorKeyRule(elDraw::_sprite& entry);
// A bitmap resource of the program by name, or null.
std::unique_ptr<platform::Dib> LoadResourceBitmap(const char* name);

// ---- Pixel format and tables
// Fills the channel masks, shifts and bit values from a surface format;
// false for a format without red, green and blue masks.
bool ReadPixelFormat(const platform::PixelFormat& format);
void FillRotateData();
// GetRGB, the three blend tables, GrayList and elEffect::FireRandomList.
void FillSixteenBitTables();

// ---- Display set-up
struct SetupFailure {
  const char* message;  // the step's message, as reported
  long code;
};
// The display set-up after the window exists: choosing the driver, the
// cooperative level and the display mode, creating the surfaces and the
// internal sprites, reading the capabilities and the pixel format, filling
// the tables, clearing the free sprite entries and setting the presentation
// rectangles. `desktop_bits` answers the
// desktop's depth when asked (after a mode change it is the new depth).
std::optional<SetupFailure> OpenDisplay(int width_px, int height_px, int memory,
                                        int (*desktop_bits)());

// Lets Exit run once more (tests of the shutdown sequence).
void AllowExitAgain();

// ---- Blits
struct ClippedLayer {
  int px, py;
  platform::Rect source;
};
// The virtual screen as a rectangle.
platform::Rect VirtualRect();
// The clip of the layer copies against `bounds` (the virtual screen), in its
// order: the right and bottom edges shorten the source, the left and top
// edges move the point and the source's start. Nothing when the source turned
// inside out or a number left the range of a coordinate.
std::optional<ClippedLayer> ClipLayer(int64_t px, int64_t py, int64_t x1, int64_t y1, int64_t x2,
                                      int64_t y2, const platform::Rect& bounds);
// Reloads the pictures when a blit found a surface lost.
void AfterBlit(platform::BltResult result);

}  // namespace el::draw
