// demo-assets: writes the demo game's pictures, sounds and songs, or the
// program's own resources, into a folder.
//
//   demo-assets --game DIR        the game's asset tree (lyout/, person/, ...)
//   demo-assets --resources DIR   kovadine2.bmp and main_icon.bmp
//   demo-assets --list            every file with its size and purpose
#include <cstdio>
#include <exception>
#include <string_view>

#include "demo/generator/assets.h"

namespace {

int Usage() {
  std::fputs("usage: demo-assets --game DIR | --resources DIR | --list\n", stderr);
  return 2;
}

void List(const char* heading, const std::vector<demo::Asset>& assets) {
  std::printf("%s\n", heading);
  for (const demo::Asset& asset : assets) {
    std::printf("  %-22s %8zu  %s\n", asset.path.c_str(), asset.make().size(),
                asset.purpose.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "--list" && argc == 2) {
      List("game:", demo::GameAssets());
      List("program resources:", demo::ProgramResources());
      return 0;
    }
    if (argc != 3) return Usage();
    if (mode == "--game") {
      demo::WriteAssets(demo::GameAssets(), argv[2]);
    } else if (mode == "--resources") {
      demo::WriteAssets(demo::ProgramResources(), argv[2]);
    } else {
      return Usage();
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "demo-assets: %s\n", e.what());
    return 1;
  }
}
