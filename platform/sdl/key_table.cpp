#include "platform/sdl/key_table.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include <array>

#include "platform/messages.h"

namespace platform::sdl {
namespace {

// Punctuation keys, by position: what Windows reports for them with a US and
// with a Japanese layout.
struct OemKey {
  int scancode;
  uint32_t us;
  uint32_t jp;
};

constexpr std::array kOemKeys = {
    OemKey{SDL_SCANCODE_MINUS, vk::kOemMinus, vk::kOemMinus},               // - / -
    OemKey{SDL_SCANCODE_EQUALS, vk::kOemPlus, vk::kOem7},                   // = / ^
    OemKey{SDL_SCANCODE_LEFTBRACKET, vk::kOem4, vk::kOem3},                 // [ / @
    OemKey{SDL_SCANCODE_RIGHTBRACKET, vk::kOem6, vk::kOem4},                // ] / [
    OemKey{SDL_SCANCODE_BACKSLASH, vk::kOem5, vk::kOem6},                   // \ / ]
    OemKey{SDL_SCANCODE_NONUSHASH, vk::kOem5, vk::kOem6},                   // ISO # / ]
    OemKey{SDL_SCANCODE_SEMICOLON, vk::kOem1, vk::kOemPlus},                // ; / ;
    OemKey{SDL_SCANCODE_APOSTROPHE, vk::kOem7, vk::kOem1},                  // ' / :
    OemKey{SDL_SCANCODE_GRAVE, vk::kOem3, vk::kOemAuto},                    // ` / hankaku-zenkaku
    OemKey{SDL_SCANCODE_COMMA, vk::kOemComma, vk::kOemComma},               // ,
    OemKey{SDL_SCANCODE_PERIOD, vk::kOemPeriod, vk::kOemPeriod},            // .
    OemKey{SDL_SCANCODE_SLASH, vk::kOem2, vk::kOem2},                       // /
    OemKey{SDL_SCANCODE_NONUSBACKSLASH, vk::kOem102, vk::kOem102},          // ISO < / ro
    OemKey{SDL_SCANCODE_INTERNATIONAL1, vk::kOem102, vk::kOem102},          // ro \_
    OemKey{SDL_SCANCODE_INTERNATIONAL2, vk::kOemCopy, vk::kOemCopy},        // katakana/hiragana
    OemKey{SDL_SCANCODE_INTERNATIONAL3, vk::kOem5, vk::kOem5},              // yen
    OemKey{SDL_SCANCODE_INTERNATIONAL4, vk::kConvert, vk::kConvert},        // henkan
    OemKey{SDL_SCANCODE_INTERNATIONAL5, vk::kNonConvert, vk::kNonConvert},  // muhenkan
    OemKey{SDL_SCANCODE_LANG1, vk::kKana, vk::kKana},                       // kana (hangul)
    OemKey{SDL_SCANCODE_LANG2, vk::kKanji, vk::kOemAttn},                   // hanja / eisu
    OemKey{SDL_SCANCODE_LANG3, 0xF1, 0xF1},                                 // katakana
    OemKey{SDL_SCANCODE_LANG4, vk::kOemCopy, vk::kOemCopy},                 // hiragana
    OemKey{SDL_SCANCODE_LANG5, vk::kOemAuto, vk::kOemAuto},                 // zenkaku/hankaku
};

struct FixedKey {
  int scancode;
  uint32_t virtual_key;
};

constexpr std::array kFixedKeys = {
    FixedKey{SDL_SCANCODE_RETURN, vk::kReturn},
    FixedKey{SDL_SCANCODE_RETURN2, vk::kReturn},
    FixedKey{SDL_SCANCODE_ESCAPE, vk::kEscape},
    FixedKey{SDL_SCANCODE_BACKSPACE, vk::kBack},
    FixedKey{SDL_SCANCODE_TAB, vk::kTab},
    FixedKey{SDL_SCANCODE_SPACE, vk::kSpace},
    FixedKey{SDL_SCANCODE_PRINTSCREEN, vk::kSnapshot},
    FixedKey{SDL_SCANCODE_SYSREQ, vk::kSnapshot},
    FixedKey{SDL_SCANCODE_SCROLLLOCK, vk::kScroll},
    FixedKey{SDL_SCANCODE_PAUSE, vk::kPause},
    FixedKey{SDL_SCANCODE_INSERT, vk::kInsert},
    FixedKey{SDL_SCANCODE_HOME, vk::kHome},
    FixedKey{SDL_SCANCODE_PAGEUP, vk::kPrior},
    FixedKey{SDL_SCANCODE_DELETE, vk::kDelete},
    FixedKey{SDL_SCANCODE_END, vk::kEnd},
    FixedKey{SDL_SCANCODE_PAGEDOWN, vk::kNext},
    FixedKey{SDL_SCANCODE_RIGHT, vk::kRight},
    FixedKey{SDL_SCANCODE_LEFT, vk::kLeft},
    FixedKey{SDL_SCANCODE_DOWN, vk::kDown},
    FixedKey{SDL_SCANCODE_UP, vk::kUp},
    FixedKey{SDL_SCANCODE_NUMLOCKCLEAR, vk::kNumLock},
    FixedKey{SDL_SCANCODE_KP_DIVIDE, vk::kDivide},
    FixedKey{SDL_SCANCODE_KP_MULTIPLY, vk::kMultiply},
    FixedKey{SDL_SCANCODE_KP_MINUS, vk::kSubtract},
    FixedKey{SDL_SCANCODE_KP_PLUS, vk::kAdd},
    FixedKey{SDL_SCANCODE_KP_ENTER, vk::kReturn},
    FixedKey{SDL_SCANCODE_KP_COMMA, vk::kSeparator},
    FixedKey{SDL_SCANCODE_APPLICATION, vk::kApps},
    FixedKey{SDL_SCANCODE_MENU, vk::kApps},
    FixedKey{SDL_SCANCODE_HELP, vk::kHelp},
    FixedKey{SDL_SCANCODE_SELECT, 0x29},
    FixedKey{SDL_SCANCODE_EXECUTE, 0x2B},
    FixedKey{SDL_SCANCODE_CANCEL, vk::kCancel},
    FixedKey{SDL_SCANCODE_CLEAR, vk::kClear},
    FixedKey{SDL_SCANCODE_SLEEP, 0x5F},
    FixedKey{SDL_SCANCODE_MUTE, 0xAD},
    FixedKey{SDL_SCANCODE_VOLUMEDOWN, 0xAE},
    FixedKey{SDL_SCANCODE_VOLUMEUP, 0xAF},
    FixedKey{SDL_SCANCODE_AUDIOMUTE, 0xAD},
    FixedKey{SDL_SCANCODE_AUDIONEXT, 0xB0},
    FixedKey{SDL_SCANCODE_AUDIOPREV, 0xB1},
    FixedKey{SDL_SCANCODE_AUDIOSTOP, 0xB2},
    FixedKey{SDL_SCANCODE_AUDIOPLAY, 0xB3},
    FixedKey{SDL_SCANCODE_LCTRL, vk::kControl},
    FixedKey{SDL_SCANCODE_RCTRL, vk::kControl},
    FixedKey{SDL_SCANCODE_LSHIFT, vk::kShift},
    FixedKey{SDL_SCANCODE_RSHIFT, vk::kShift},
    FixedKey{SDL_SCANCODE_LALT, vk::kMenu},
    FixedKey{SDL_SCANCODE_RALT, vk::kMenu},
    FixedKey{SDL_SCANCODE_LGUI, vk::kLWin},
    FixedKey{SDL_SCANCODE_RGUI, vk::kRWin},
};

// Keypad keys: the digit with Num Lock on, else the navigation key printed
// beside it.
struct KeypadKey {
  int scancode;
  uint32_t with_num_lock;
  uint32_t without;
};

constexpr std::array kKeypadKeys = {
    KeypadKey{SDL_SCANCODE_KP_0, vk::kNumpad0 + 0, vk::kInsert},
    KeypadKey{SDL_SCANCODE_KP_1, vk::kNumpad0 + 1, vk::kEnd},
    KeypadKey{SDL_SCANCODE_KP_2, vk::kNumpad0 + 2, vk::kDown},
    KeypadKey{SDL_SCANCODE_KP_3, vk::kNumpad0 + 3, vk::kNext},
    KeypadKey{SDL_SCANCODE_KP_4, vk::kNumpad0 + 4, vk::kLeft},
    KeypadKey{SDL_SCANCODE_KP_5, vk::kNumpad0 + 5, vk::kClear},
    KeypadKey{SDL_SCANCODE_KP_6, vk::kNumpad0 + 6, vk::kRight},
    KeypadKey{SDL_SCANCODE_KP_7, vk::kNumpad0 + 7, vk::kHome},
    KeypadKey{SDL_SCANCODE_KP_8, vk::kNumpad0 + 8, vk::kUp},
    KeypadKey{SDL_SCANCODE_KP_9, vk::kNumpad0 + 9, vk::kPrior},
    KeypadKey{SDL_SCANCODE_KP_PERIOD, vk::kDecimal, vk::kDelete},
};

uint32_t LetterOrDigit(int scancode, int32_t keycode) {
  // Letters as the layout places them (an AZERTY "A" key reports 'A').
  if (keycode >= 'a' && keycode <= 'z') return static_cast<uint32_t>(keycode - 'a' + 'A');
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return static_cast<uint32_t>('A' + (scancode - SDL_SCANCODE_A));
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return static_cast<uint32_t>('1' + (scancode - SDL_SCANCODE_1));
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

uint32_t FunctionKey(int scancode) {
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    return vk::kF1 + static_cast<uint32_t>(scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
    return vk::kF1 + 12 + static_cast<uint32_t>(scancode - SDL_SCANCODE_F13);
  return 0;
}

}  // namespace

uint32_t VirtualKeyFromSdl(int scancode, int32_t keycode, const KeyContext& context) {
  // Letters first: a layout that puts a letter on a punctuation position
  // reports that letter there.
  if (const uint32_t code = LetterOrDigit(scancode, keycode)) return code;
  if (const uint32_t code = FunctionKey(scancode)) return code;
  const bool japanese = context.layout == KeyLayout::kJapanese;
  // The Japanese caps key is eisu; with Shift it is Caps Lock.
  if (scancode == SDL_SCANCODE_CAPSLOCK)
    return japanese && !context.shift ? vk::kOemAttn : vk::kCapital;
  for (const OemKey& key : kOemKeys) {
    if (key.scancode == scancode) return japanese ? key.jp : key.us;
  }
  for (const KeypadKey& key : kKeypadKeys) {
    if (key.scancode == scancode) return context.num_lock ? key.with_num_lock : key.without;
  }
  for (const FixedKey& key : kFixedKeys) {
    if (key.scancode == scancode) return key.virtual_key;
  }
  return 0;
}

KeyLayout LayoutFromKeyRightOfP(int32_t keycode) {
  return keycode == '@' ? KeyLayout::kJapanese : KeyLayout::kUs;
}

}  // namespace platform::sdl
