// SDL keys to Windows virtual-key codes, and the system-key rules.
#include "platform/sdl/key_table.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/input_poster.h"
#include "platform/platform.h"

namespace {

using platform::sdl::KeyContext;
using platform::sdl::KeyLayout;
using platform::sdl::VirtualKeyFromSdl;

struct KeyCase {
  const char* what;
  KeyLayout layout;
  int scancode;
  int32_t keycode;
  uint32_t expected;
};

constexpr KeyLayout kUs = KeyLayout::kUs;
constexpr KeyLayout kJp = KeyLayout::kJapanese;

TEST(KeyTable, MapsUsAndJapaneseKeys) {
  const std::vector<KeyCase> cases = {
      {"letter", kUs, SDL_SCANCODE_A, 'a', 'A'},
      {"letter z", kUs, SDL_SCANCODE_Z, 'z', 'Z'},
      {"azerty letter follows the layout", kUs, SDL_SCANCODE_Q, 'a', 'A'},
      {"non-latin letter by position", kUs, SDL_SCANCODE_F, 0x0430, 'F'},
      {"digit", kUs, SDL_SCANCODE_1, '1', '1'},
      {"digit zero", kUs, SDL_SCANCODE_0, '0', '0'},
      {"azerty digit by position", kUs, SDL_SCANCODE_2, 0xE9, '2'},
      {"F1", kUs, SDL_SCANCODE_F1, SDLK_F1, 0x70},
      {"F12", kUs, SDL_SCANCODE_F12, SDLK_F12, 0x7B},
      {"F13", kUs, SDL_SCANCODE_F13, SDLK_F13, 0x7C},
      {"F24", kUs, SDL_SCANCODE_F24, SDLK_F24, 0x87},
      {"enter", kUs, SDL_SCANCODE_RETURN, SDLK_RETURN, 0x0D},
      {"keypad enter", kUs, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0x0D},
      {"escape", kUs, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0x1B},
      {"space", kUs, SDL_SCANCODE_SPACE, ' ', 0x20},
      {"left", kUs, SDL_SCANCODE_LEFT, SDLK_LEFT, 0x25},
      {"up", kUs, SDL_SCANCODE_UP, SDLK_UP, 0x26},
      {"page down", kUs, SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, 0x22},
      {"delete", kUs, SDL_SCANCODE_DELETE, SDLK_DELETE, 0x2E},
      {"print screen", kUs, SDL_SCANCODE_PRINTSCREEN, SDLK_PRINTSCREEN, 0x2C},
      {"left shift", kUs, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 0x10},
      {"right ctrl", kUs, SDL_SCANCODE_RCTRL, SDLK_RCTRL, 0x11},
      {"right alt", kUs, SDL_SCANCODE_RALT, SDLK_RALT, 0x12},
      {"windows key", kUs, SDL_SCANCODE_LGUI, SDLK_LGUI, 0x5B},
      {"keypad multiply", kUs, SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, 0x6A},
      {"us semicolon", kUs, SDL_SCANCODE_SEMICOLON, ';', 0xBA},
      {"us equals", kUs, SDL_SCANCODE_EQUALS, '=', 0xBB},
      {"us minus", kUs, SDL_SCANCODE_MINUS, '-', 0xBD},
      {"us left bracket", kUs, SDL_SCANCODE_LEFTBRACKET, '[', 0xDB},
      {"us right bracket", kUs, SDL_SCANCODE_RIGHTBRACKET, ']', 0xDD},
      {"us backslash", kUs, SDL_SCANCODE_BACKSLASH, '\\', 0xDC},
      {"us quote", kUs, SDL_SCANCODE_APOSTROPHE, '\'', 0xDE},
      {"us grave", kUs, SDL_SCANCODE_GRAVE, '`', 0xC0},
      {"us slash", kUs, SDL_SCANCODE_SLASH, '/', 0xBF},
      {"us caps lock", kUs, SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0x14},
      {"jp semicolon", kJp, SDL_SCANCODE_SEMICOLON, ';', 0xBB},
      {"jp colon", kJp, SDL_SCANCODE_APOSTROPHE, ':', 0xBA},
      {"jp at", kJp, SDL_SCANCODE_LEFTBRACKET, '@', 0xC0},
      {"jp left bracket", kJp, SDL_SCANCODE_RIGHTBRACKET, '[', 0xDB},
      {"jp right bracket", kJp, SDL_SCANCODE_BACKSLASH, ']', 0xDD},
      {"jp caret", kJp, SDL_SCANCODE_EQUALS, '^', 0xDE},
      {"jp minus", kJp, SDL_SCANCODE_MINUS, '-', 0xBD},
      {"jp hankaku/zenkaku", kJp, SDL_SCANCODE_GRAVE, 0, 0xF3},
      {"jp zenkaku key", kJp, SDL_SCANCODE_LANG5, 0, 0xF3},
      {"jp ro", kJp, SDL_SCANCODE_INTERNATIONAL1, '\\', 0xE2},
      {"jp katakana/hiragana", kJp, SDL_SCANCODE_INTERNATIONAL2, 0, 0xF2},
      {"jp yen", kJp, SDL_SCANCODE_INTERNATIONAL3, 0xA5, 0xDC},
      {"jp henkan", kJp, SDL_SCANCODE_INTERNATIONAL4, 0, 0x1C},
      {"jp muhenkan", kJp, SDL_SCANCODE_INTERNATIONAL5, 0, 0x1D},
      {"jp eisu", kJp, SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0xF0},
      {"jp kana", kJp, SDL_SCANCODE_LANG1, 0, 0x15},
      {"jp eisu (mac)", kJp, SDL_SCANCODE_LANG2, 0, 0xF0},
      {"jp letters unchanged", kJp, SDL_SCANCODE_K, 'k', 'K'},
      {"jp keypad comma", kJp, SDL_SCANCODE_KP_COMMA, SDLK_KP_COMMA, 0x6C},
      {"no code", kUs, SDL_SCANCODE_POWER, SDLK_POWER, 0},
      {"unknown", kUs, SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, 0},
  };
  for (const KeyCase& c : cases) {
    KeyContext context;
    context.layout = c.layout;
    EXPECT_EQ(VirtualKeyFromSdl(c.scancode, c.keycode, context), c.expected) << c.what;
  }
}

TEST(KeyTable, KeypadFollowsNumLockAndCapsFollowsShiftOnJapanese) {
  KeyContext on;
  on.num_lock = true;
  KeyContext off;
  off.num_lock = false;
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_5, SDLK_KP_5, on), 0x65u);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_0, SDLK_KP_0, on), 0x60u);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, on), 0x6Eu);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_8, SDLK_KP_8, off), 0x26u);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_1, SDLK_KP_1, off), 0x23u);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, off), 0x2Eu);
  KeyContext jp_shift;
  jp_shift.layout = KeyLayout::kJapanese;
  jp_shift.shift = true;
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, jp_shift), 0x14u);
}

TEST(KeyTable, LayoutIsToldByTheKeyRightOfP) {
  EXPECT_EQ(platform::sdl::LayoutFromKeyRightOfP('@'), KeyLayout::kJapanese);
  EXPECT_EQ(platform::sdl::LayoutFromKeyRightOfP('['), KeyLayout::kUs);
  EXPECT_EQ(platform::sdl::LayoutFromKeyRightOfP(0xFC), KeyLayout::kUs);  // German ü
}

TEST(SystemKeys, AltF10AndAltChordsAreSystemKeys) {
  namespace msg = platform::msg;
  using platform::KeyMessageFor;
  struct Case {
    uint32_t key;
    bool down, alt, ctrl;
    uint32_t expected;
  };
  const std::vector<Case> cases = {
      {'A', true, false, false, msg::kKeyDown},     {'A', false, false, false, msg::kKeyUp},
      {0x12, true, false, false, msg::kSysKeyDown}, {0x12, false, true, false, msg::kSysKeyUp},
      {0x79, true, false, false, msg::kSysKeyDown}, {0x79, false, false, false, msg::kSysKeyUp},
      {0x73, true, true, false, msg::kSysKeyDown},  {0x73, false, true, false, msg::kSysKeyUp},
      {'Q', true, true, true, msg::kKeyDown},       {0x0D, true, false, true, msg::kKeyDown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyMessageFor(c.key, c.down, c.alt, c.ctrl), c.expected)
        << c.key << " down " << c.down << " alt " << c.alt << " ctrl " << c.ctrl;
  }
}

TEST(SystemKeys, PosterTracksAltAndMarksRepeats) {
  platform::ResetMessageQueue();
  platform::InputPoster poster;
  poster.Key(platform::vk::kMenu, true);
  poster.Key('X', true);
  poster.Key('X', true);  // auto-repeat
  poster.Key('X', false);
  poster.Key(platform::vk::kMenu, false);
  poster.Key('X', true);
  std::vector<platform::Message> got;
  platform::Message m;
  while (platform::PeekMessage(&m)) got.push_back(m);
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(got[1].message, platform::msg::kSysKeyDown);
  EXPECT_EQ(got[1].lparam & (1 << 30), 0);  // first press
  EXPECT_NE(got[2].lparam & (1 << 30), 0);  // repeat: was down
  EXPECT_EQ(got[3].message, platform::msg::kSysKeyUp);
  EXPECT_EQ(got[4].message, platform::msg::kSysKeyUp);
  EXPECT_EQ(got[5].message, platform::msg::kKeyDown);
  platform::ResetMessageQueue();
}

}  // namespace
