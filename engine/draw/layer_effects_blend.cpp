// Blends of a sprite over the back surface: the 50 % blend, float and table
// cross-fades (flat and graded), additive and subtractive light.
#include <algorithm>
#include <cmath>

#include "engine/draw/internal/blend_rows.h"
#include "engine/draw/internal/layer_frame.h"

namespace {

using el::draw::DrawLayer;
using pixel16::Blend3;
using pixel16::Channels;
using pixel16::Del2;
using pixel16::Level;

// A channel weighted by the source's weight, the destination's weight being
// 1 minus it less what a gradient has taken from it (floored at 0).
int Mix(int source, int dest, float weight, float loss) {
  const float source_weight = std::min(1.0f, weight + loss);
  const float dest_weight = std::max(0.0f, 1.0f - weight - loss);
  return static_cast<int>(static_cast<float>(source) * source_weight +
                          static_cast<float>(dest) * dest_weight);
}

uint16_t FloatBlend(uint16_t s, uint16_t d, float wr, float wg, float wb, float loss = 0.0f) {
  const Channels a = pixel16::Full(s), b = pixel16::Full(d);
  return pixel16::PackFull(Mix(a.r, b.r, wr, loss), Mix(a.g, b.g, wg, loss),
                           Mix(a.b, b.b, wb, loss));
}

// Channel-wise table look-up; the tables hold the channels already shifted.
uint16_t TableBlend(const uint16_t* table, uint16_t s, uint16_t d, int lr, int lg, int lb) {
  const Channels a = pixel16::Five(s), b = pixel16::Five(d);
  return static_cast<uint16_t>(table[Blend3(0, lr, a.r, b.r)] | table[Blend3(1, lg, a.g, b.g)] |
                               table[Blend3(2, lb, a.b, b.b)]);
}

// How many 1/32 steps a graded blend has lost at step t. The start is
// compared in its low 16 bits; a size below 1 loses a step every step.
int GradientLoss(int t, int start, int size) {
  const int from = static_cast<uint16_t>(start);
  return t > from ? (t - from) / std::max(size, 1) : 0;
}

}  // namespace

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  const auto mask = static_cast<uint16_t>(MaskRGB);
  return el::draw::DrawLayerRows(
      Px, Py, ObjDD, X1, Y1, X2, Y2,
      [mask](uint16_t s, uint16_t d, int, int) {
        return static_cast<uint16_t>(((s >> 1) & mask) + ((d >> 1) & mask));
      },
      [mask](uint16_t* dst, const uint16_t* src, int width) {
        el::draw::Blend50Row(dst, src, width, mask);
      });
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Blend) {
  return BlendLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, Blend, Blend, Blend);
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BlendR,
                       float BlendG, float BlendB) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t d, int, int) {
    return FloatBlend(s, d, BlendR, BlendG, BlendB);
  });
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Blend) {
  return BlendLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, Blend, Blend, Blend);
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BlendR,
                       int BlendG, int BlendB) {
  const int lr = Level(31 - BlendR), lg = Level(31 - BlendG), lb = Level(31 - BlendB);
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t d, int, int) {
    return TableBlend(BlendList, s, d, lr, lg, lb);
  });
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BlendR,
                       float BlendG, float BlendB, int Mode, int Start, int Size) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t d, int x, int y) {
    const float loss = static_cast<float>(GradientLoss(Mode == 0 ? x : y, Start, Size)) / 32.0f;
    return FloatBlend(s, d, BlendR, BlendG, BlendB, loss);
  });
}

int elDraw::BlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BlendR,
                       int BlendG, int BlendB, int Mode, int Start, int Size) {
  const int lr = Level(31 - BlendR), lg = Level(31 - BlendG), lb = Level(31 - BlendB);
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t d, int x, int y) {
    const int loss = GradientLoss(Mode == 0 ? x : y, Start, Size);
    const auto level = [loss](int l) { return std::max(0, l - loss); };
    return TableBlend(BlendList, s, d, level(lr), level(lg), level(lb));
  });
}

int elDraw::AddBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [](uint16_t s, uint16_t d, int, int) {
    return TableBlend(AddBlendList, s, d, 0, 0, 0);
  });
}

int elDraw::AddBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Blend) {
  const int b = Level(static_cast<int>(31.0f - 31.0f * Blend));
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [b](uint16_t s, uint16_t d, int, int) {
    return TableBlend(AddBlendList, s, d, b, b, b);
  });
}

int elDraw::DelBlendLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [](uint16_t s, uint16_t d, int, int) {
    const int v = GetRGB[s].r;
    const Channels b = pixel16::Five(d);
    return static_cast<uint16_t>(DelBlendList[Del2(0, b.r, v)] | DelBlendList[Del2(1, b.g, v)] |
                                 DelBlendList[Del2(2, b.b, v)]);
  });
}
