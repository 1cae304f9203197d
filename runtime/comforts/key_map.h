// The comforts' key bindings: which keyboard keys (as virtual-key codes, the
// way both backends deliver them) stand for which of the player's actions,
// and the names by which the settings file lists keys and actions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace comforts {

enum class Action {
  kClick,       // a left click at the pointer
  kRightClick,  // a right click: the next advance mode
  kPrevious,    // pointer to the previous choice row or menu entry
  kNext,        // pointer to the next choice row or menu entry
  kSkipHold,    // skip while held
  kSkipToggle,  // skip on or off
  kBacklog,     // open the backlog
  kMute,
  kVolumeDown,
  kVolumeUp,
  kFullScreen,
  kHelp,
};
inline constexpr size_t kActionCount = 12;

// "click", "right-click", "previous", "next", "skip-hold", "skip-toggle",
// "backlog", "mute", "volume-down", "volume-up", "fullscreen", "help".
std::string_view ActionName(Action action);
std::optional<Action> ActionNamed(std::string_view name);

// Key names as the settings file writes them ("Space", "Enter", "PageDown",
// "F1", "M", "KeypadPlus", ...), in any letter case; nullopt for a name that
// is none. KeyName gives the canonical name, or "" for a code without one.
std::optional<uint32_t> KeyNamed(std::string_view name);
std::string KeyName(uint32_t virtual_key);

class KeyMap {
 public:
  // The bindings of the player's documentation (F1 shows them).
  static KeyMap Defaults();

  // `action` is given exactly `keys`; a key that stood for another action
  // stands for this one from now on.
  void Bind(Action action, const std::vector<uint32_t>& keys);
  std::optional<Action> ActionOf(uint32_t virtual_key) const;
  const std::vector<uint32_t>& KeysOf(Action action) const;

 private:
  std::array<std::vector<uint32_t>, kActionCount> keys_;
};

}  // namespace comforts
