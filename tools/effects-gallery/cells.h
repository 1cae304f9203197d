// The gallery's cells: a label and the drawing of one effect call (or a few
// steps of it) onto the cell area at the back surface's top-left corner.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace gallery {

// The frame time between the three cells of an animated effect.
inline constexpr float kFrameSeconds = 0.25f;

struct Cell {
  std::string label;
  std::function<void(int picture)> draw;  // the cell's background is drawn already
};
using Cells = std::vector<Cell>;

// Three cells of one animated effect, drawn one frame (kFrameSeconds) apart:
// each cell makes one call, so the effect's own state moves on between them.
void AddAnimated(Cells& cells, const std::string& label, const std::function<void(int)>& draw);

// The blends, tones, shapes and rotations.
void AddLayerCells(Cells& cells);
// The effects that move, tunnel, light, project and are built from rows.
void AddMovingCells(Cells& cells);
// The procedural pixel effects on the back surface.
void AddProceduralCells(Cells& cells);

}  // namespace gallery
