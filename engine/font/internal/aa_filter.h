// The 2:1 filter of the anti-aliased text, on plain pixel buffers: each
// output pixel averages a 3 x 3 neighbourhood of the double-size scratch
// line, counting only the samples that are not black, and blends the
// missing weight with the background it will be shown on.
#pragma once

#include <cstdint>

#include "engine/font/internal/layout.h"

namespace el::font {

// A locked surface's pixels: 2, 3 or 4 bytes per pixel.
struct PixelPlane {
  uint8_t* pixels = nullptr;
  int pitch_bytes = 0;
  int width_px = 0;
  int height_px = 0;
  int bytes_per_pixel = 2;
};

// How components are read: 16-bit pixels give three 5-bit components at
// these shifts (the top five bits of each channel); wider pixels give their
// three low bytes.
struct ChannelShifts {
  int r = 11;
  int g = 6;
  int b = 0;
};

// Where the output goes and which source pixels feed it.
struct FilterArea {
  int px = 0, py = 0;  // first output pixel
  int ex = 0, ey = 0;  // output size
  Box source;          // the source rectangle (samples outside it are not taken)
};

// The output size of the source rectangle (x1, y1)-(x2, y2) placed at
// (px, py), clipped to `view`; false when nothing is left to draw. A cut at
// the left or top moves the source by two pixels per output pixel.
bool ClipFilterArea(int px, int py, int x1, int y1, int x2, int y2, const Box& view,
                    FilterArea* area);

// Filters `source` into `output`, reading `background` at the output
// positions. Planes must hold the output area; samples outside the source
// plane are not taken.
void FilterHalf(const PixelPlane& source, const PixelPlane& output, const PixelPlane& background,
                const FilterArea& area, const ChannelShifts& shifts);
// The same pixels when every sample of `source` that is not black is `ink`
// (as on the scratch of a line drawn in one colour): only the samples are
// counted.
void FilterHalfOneInk(const PixelPlane& source, const PixelPlane& output,
                      const PixelPlane& background, const FilterArea& area,
                      const ChannelShifts& shifts, uint16_t ink);
// The plain loop that defines the filter, one output pixel and nine samples
// at a time; FilterHalf gives the same pixels faster for 16-bit planes.
void FilterHalfReference(const PixelPlane& source, const PixelPlane& output,
                         const PixelPlane& background, const FilterArea& area,
                         const ChannelShifts& shifts);

// Runs the plain loop for every message instead of the fast rows, so that
// tests can compare whole messages pixel for pixel.
extern bool g_reference_filter;

}  // namespace el::font
