// The generated pictures every gallery cell starts from.
#pragma once

#include <cstdint>

namespace gallery {

inline constexpr int kPictureWidth = 160;
inline constexpr int kPictureHeight = 120;

// A sprite of the test picture: a rainbow that darkens downwards, a white
// ring, a chequered quarter, and black (the effects' transparent value) in a
// hole at the centre and beyond the rounded corners. Returns its number.
int CreateTestPicture();

// Fills the cell area of the back surface with the dark chequerboard the
// blends show through.
void DrawCellBackground();

// A raw pixel of the display from 8-bit channels.
uint16_t Rgb(int r, int g, int b);

}  // namespace gallery
