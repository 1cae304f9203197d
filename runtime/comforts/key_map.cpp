#include "runtime/comforts/key_map.h"

#include <algorithm>
#include <cctype>

#include "platform/messages.h"

namespace comforts {
namespace {

namespace vk = platform::vk;

constexpr std::array<std::string_view, kActionCount> kActionNames = {
    "click",   "right-click", "previous",    "next",      "skip-hold",  "skip-toggle",
    "backlog", "mute",        "volume-down", "volume-up", "fullscreen", "help",
};

struct NamedKey {
  std::string_view name;
  uint32_t code;
};

// Keys with names of their own; letters, digits, F1-F24 and the keypad
// digits are made up from their number. Keypad Enter arrives as Enter.
constexpr NamedKey kNamedKeys[] = {
    {"Backspace", vk::kBack},
    {"Tab", vk::kTab},
    {"Enter", vk::kReturn},
    {"KeypadEnter", vk::kReturn},
    {"Shift", vk::kShift},
    {"Ctrl", vk::kControl},
    {"Alt", vk::kMenu},
    {"Pause", vk::kPause},
    {"Escape", vk::kEscape},
    {"Space", vk::kSpace},
    {"PageUp", vk::kPrior},
    {"PageDown", vk::kNext},
    {"End", vk::kEnd},
    {"Home", vk::kHome},
    {"Left", vk::kLeft},
    {"Up", vk::kUp},
    {"Right", vk::kRight},
    {"Down", vk::kDown},
    {"Insert", vk::kInsert},
    {"Delete", vk::kDelete},
    {"KeypadMultiply", vk::kMultiply},
    {"KeypadPlus", vk::kAdd},
    {"KeypadMinus", vk::kSubtract},
    {"KeypadPeriod", vk::kDecimal},
    {"KeypadDivide", vk::kDivide},
    {"Semicolon", vk::kOem1},
    {"Equals", vk::kOemPlus},
    {"Comma", vk::kOemComma},
    {"Minus", vk::kOemMinus},
    {"Period", vk::kOemPeriod},
    {"Slash", vk::kOem2},
    {"Backquote", vk::kOem3},
    {"LeftBracket", vk::kOem4},
    {"Backslash", vk::kOem5},
    {"RightBracket", vk::kOem6},
    {"Quote", vk::kOem7},
};

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The number after `prefix` in `name` (any letter case), within low..high.
std::optional<uint32_t> NumberedName(std::string_view name, std::string_view prefix, int low,
                                     int high) {
  if (name.size() <= prefix.size() || !SameLetters(name.substr(0, prefix.size()), prefix))
    return std::nullopt;
  int value = 0;
  for (const char c : name.substr(prefix.size())) {
    if (c < '0' || c > '9' || value > high) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high || (name[prefix.size()] == '0' && value != 0))
    return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace

std::string_view ActionName(Action action) {
  return kActionNames[static_cast<size_t>(action)];
}

std::optional<Action> ActionNamed(std::string_view name) {
  for (size_t i = 0; i < kActionCount; ++i)
    if (kActionNames[i] == name) return static_cast<Action>(i);
  return std::nullopt;
}

std::optional<uint32_t> KeyNamed(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (SameLetters(key.name, name)) return key.code;
  if (name.size() == 1) {
    const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint32_t>(c);
  }
  if (auto f = NumberedName(name, "F", 1, 24)) return vk::kF1 + *f - 1;
  if (auto digit = NumberedName(name, "Keypad", 0, 9)) return vk::kNumpad0 + *digit;
  return std::nullopt;
}

std::string KeyName(uint32_t virtual_key) {
  for (const NamedKey& key : kNamedKeys)
    if (key.code == virtual_key) return std::string(key.name);
  if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9'))
    return std::string(1, static_cast<char>(virtual_key));
  if (virtual_key >= vk::kF1 && virtual_key <= vk::kF24)
    return "F" + std::to_string(virtual_key - vk::kF1 + 1);
  if (virtual_key >= vk::kNumpad0 && virtual_key <= vk::kNumpad0 + 9)
    return "Keypad" + std::to_string(virtual_key - vk::kNumpad0);
  return {};
}

KeyMap KeyMap::Defaults() {
  KeyMap map;
  map.Bind(Action::kClick, {vk::kSpace, vk::kReturn, vk::kNext});
  map.Bind(Action::kRightClick, {vk::kBack});
  map.Bind(Action::kPrevious, {vk::kUp, vk::kLeft});
  map.Bind(Action::kNext, {vk::kDown, vk::kRight});
  map.Bind(Action::kSkipHold, {vk::kControl});
  map.Bind(Action::kSkipToggle, {vk::kTab});
  map.Bind(Action::kBacklog, {vk::kPrior});
  map.Bind(Action::kMute, {'M'});
  map.Bind(Action::kVolumeDown, {vk::kOemMinus, vk::kSubtract});
  map.Bind(Action::kVolumeUp, {vk::kOemPlus, vk::kAdd});
  map.Bind(Action::kFullScreen, {vk::kF1 + 10});  // F11
  map.Bind(Action::kHelp, {vk::kF1});
  return map;
}

void KeyMap::Bind(Action action, const std::vector<uint32_t>& keys) {
  for (auto& bound : keys_) {
    bound.erase(std::remove_if(bound.begin(), bound.end(),
                               [&](uint32_t key) {
                                 return std::find(keys.begin(), keys.end(), key) != keys.end();
                               }),
                bound.end());
  }
  auto& mine = keys_[static_cast<size_t>(action)];
  mine.clear();
  for (const uint32_t key : keys)
    if (std::find(mine.begin(), mine.end(), key) == mine.end()) mine.push_back(key);
}

std::optional<Action> KeyMap::ActionOf(uint32_t virtual_key) const {
  for (size_t i = 0; i < kActionCount; ++i) {
    const auto& bound = keys_[i];
    if (std::find(bound.begin(), bound.end(), virtual_key) != bound.end())
      return static_cast<Action>(i);
  }
  return std::nullopt;
}

const std::vector<uint32_t>& KeyMap::KeysOf(Action action) const {
  return keys_[static_cast<size_t>(action)];
}

}  // namespace comforts
