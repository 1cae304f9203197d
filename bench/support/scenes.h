// What several benchmarks draw: the story's message (a name and four rows of
// about 20 double-byte characters, Shift-JIS) and one frame of the story
// screen.
#pragma once

#include <array>
#include <string>

namespace bench_support {

struct StoryMessage {
  std::string name;
  std::array<std::string, 4> rows;
  std::string joined;  // the four rows as one string
};
const StoryMessage& TheStoryMessage();

// One frame of the story screen after its line was composed: the cached
// picture (sprite 0, taken by SpriteScreen first), the choice box, five menu
// labels, the pointer, presentation.
void DrawStoryFrame(int label_sprite, int pointer_sprite);

}  // namespace bench_support
