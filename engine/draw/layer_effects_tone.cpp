// Tone effects that read only the source: channel filters, brightness and
// grey.
#include "engine/draw/internal/layer_frame.h"

namespace {

using el::draw::DrawLayer;
using pixel16::Channels;
using pixel16::Del2;
using pixel16::Level;

}  // namespace

int elDraw::PlainLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int PlainR,
                       int PlainG, int PlainB) {
  const auto mask = static_cast<uint16_t>((PlainR != 0 ? MaskR : 0) | (PlainG != 0 ? MaskG : 0) |
                                          (PlainB != 0 ? MaskB : 0));
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2,
                   [mask](uint16_t s, uint16_t, int, int) { return s & mask; });
}

int elDraw::BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float Bright) {
  return BrightLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, Bright, Bright, Bright);
}

int elDraw::BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, float BrightR,
                        float BrightG, float BrightB) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t, int, int) {
    const Channels c = pixel16::Full(s);
    const auto scale = [](int v, float k) { return static_cast<int>(static_cast<float>(v) * k); };
    return pixel16::PackFull(scale(c.r, BrightR), scale(c.g, BrightG), scale(c.b, BrightB));
  });
}

int elDraw::BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int Bright) {
  return BrightLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, Bright, Bright, Bright);
}

int elDraw::BrightLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2, int BrightR,
                        int BrightG, int BrightB) {
  const int dr = Level(31 - BrightR), dg = Level(31 - BrightG), db = Level(31 - BrightB);
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [=](uint16_t s, uint16_t, int, int) {
    const Channels c = pixel16::Five(s);
    return static_cast<uint16_t>(DelBlendList[Del2(0, c.r, dr)] | DelBlendList[Del2(1, c.g, dg)] |
                                 DelBlendList[Del2(2, c.b, db)]);
  });
}

int elDraw::GrayLayer(int Px, int Py, int ObjDD, int X1, int Y1, int X2, int Y2) {
  return DrawLayer(Px, Py, ObjDD, X1, Y1, X2, Y2, [](uint16_t s, uint16_t, int, int) {
    const Channels c = pixel16::Five(s);
    const int grey = GrayList[c.r + c.g + c.b];
    return pixel16::PackFive(grey, grey, grey);
  });
}
