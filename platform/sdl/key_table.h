// Keys of SDL (scancode and keycode, as plain numbers) to Windows virtual-key
// codes, for US and Japanese keyboards. Letters follow the layout's
// characters, digits and punctuation keys their position on the keyboard.
#pragma once

#include <cstdint>

namespace platform::sdl {

enum class KeyLayout { kUs, kJapanese };

struct KeyContext {
  KeyLayout layout = KeyLayout::kUs;
  bool num_lock = true;  // keypad digits, else their navigation keys
  bool shift = false;
};

// The virtual-key code of a key, or 0 for keys without one.
uint32_t VirtualKeyFromSdl(int scancode, int32_t keycode, const KeyContext& context);

// The layout told by what the key right of P produces: '@' on Japanese
// keyboards, '[' on US ones.
KeyLayout LayoutFromKeyRightOfP(int32_t keycode);

}  // namespace platform::sdl
