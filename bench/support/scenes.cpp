#include "bench/support/scenes.h"

#include "engine/el.h"
#include "platform/encoding.h"

namespace bench_support {
namespace {

std::string Sjis(const char* utf8) {
  return platform::Utf8ToCp932(utf8).value_or("");
}

}  // namespace

const StoryMessage& TheStoryMessage() {
  static const StoryMessage message = [] {
    StoryMessage m{Sjis("語り手"),
                   {
                       Sjis("春の夜の夢のごとく、灯りの落ちた廊下を歩いて"),
                       Sjis("いくと、突き当たりの窓から月明かりが差し込ん"),
                       Sjis("でいた。誰もいないはずの部屋から、かすかに歌"),
                       Sjis("声が聞こえる。私は足を止め、耳を澄ませた。"),
                   },
                   {}};
    m.joined = m.rows[0] + m.rows[1] + m.rows[2] + m.rows[3];
    return m;
  }();
  return message;
}

void DrawStoryFrame(int label_sprite, int pointer_sprite) {
  elDraw::DirectLayer(0, 0, 0, 0, 0, 640, 480);
  elDraw::Box(120, 300, 520, 420, 0x402000, 0xFFFFFF, 2);
  for (int i = 0; i < 5; ++i) elDraw::Layer(520, 20 + 30 * i, label_sprite, 0, 0, 96, 24);
  elDraw::Layer(300, 200, pointer_sprite, 0, 0, 32, 32);
  elDraw::Refresh();
}

}  // namespace bench_support
