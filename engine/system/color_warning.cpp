// The colour-depth check a host program may make before the display is set
// up. Kept apart because it closes the program through the display's exit.
#include <cstring>

#include "engine/el.h"

namespace {

const char* const kColorCountNames[4] = {"16", "256", "65536", "1670万"};

// 1 for 8 bits, 2 for 16, 3 for 24 or 32; 0 for a depth the check ignores.
int DepthLevel(int bits) {
  switch (bits) {
    case 8:
      return 1;
    case 16:
      return 2;
    case 24:
    case 32:
      return 3;
    default:
      return 0;
  }
}

}  // namespace

int elSystem::WarningColorBit(const char* FileName) {
  const int level = DepthLevel(elDraw::ColorBit);
  if (level == 0) return 1;
  if (WindowMode() != 1 || ColorBit() >= elDraw::ColorBit) return 1;

  Message(
      "　ウィンドウ状態で実行しようとしていますが、"
      "画面が%s色以下に設定されています。\n"
      "正しく動作させるには、%s色以上に設定するか、"
      "フルスクリーンで実行させて下さい。",
      kColorCountNames[level - 1], kColorCountNames[level]);

  const bool ask_once = FileName != nullptr && std::strcmp(FileName, "*") == 0;
  const bool has_question = FileName != nullptr && FileName[0] != '\0';
  const char* question =
      ask_once ? "フルスクリーンに切り換えますか？" : "フルスクリーンに設定し直しますか？";
  if (has_question && YesNo("%s", question) == 1) {
    if (!ask_once) SaveScreenMode(FileName, 1);
    _FullScreen = 1;
    return 1;
  }
  elDraw::Exit();
  return 0;
}
