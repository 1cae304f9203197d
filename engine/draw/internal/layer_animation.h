// The state the moving layer effects keep from call to call (wave angles,
// rolls, the light's place in the flicker table), and how each value moves
// on and stays in its range.
#pragma once

#include <cmath>

namespace el::draw {

struct LayerAnimation {
  float wave_angle = 0;  // WaveLayer
  int wave_sign = 1;     // WaveLayer's alternating row sign
  float roll_wave_angle = 0, roll_wave_roll = 0;
  float tile_roll_wave_angle = 0, tile_roll_wave_roll = 0;
  float tile_roll_x = 0, tile_roll_y = 0;  // TileLayer
  float waterfall_roll = 0;
  int light_index = 0;  // LightLayer's place in elEffect::FireRandomList
};

// The one state of the running program.
LayerAnimation& Animation();
// Puts every value back to its start (tests, and a fresh display).
void ResetLayerAnimation();

// A value pushed out of all proportion (a huge or endless speed or frame
// time) starts again within one period instead of losing its precision or
// its meaning; `period` > 0.
inline float Settled(float v, float period) {
  if (!std::isfinite(v)) return 0;
  return std::fabs(v) >= period ? std::fmod(v, period) : v;
}

// An angle in degrees moved by `step`; 360 is taken off once it reaches 360.
inline float AdvanceAngle(float angle, float step) {
  angle += step;
  if (angle >= 360) angle -= 360;
  return Settled(angle, 360);
}

// A roll moved by `step` and kept within 0 (included) and `size`
// (excluded): one `size` is added below 0 or taken at `size`. Nothing rolls
// over a size of 0 or below.
inline float AdvanceRoll(float roll, float step, float size) {
  if (!(size > 0)) return 0;
  roll += step;
  if (roll < 0)
    roll += size;
  else if (roll >= size)
    roll -= size;
  if (!std::isfinite(roll)) return 0;
  if (roll < 0 || roll >= size) {
    roll = std::fmod(roll, size);
    if (roll < 0) roll += size;
    if (roll >= size) roll = 0;  // a remainder too small to tell from 0
  }
  return roll;
}

}  // namespace el::draw
