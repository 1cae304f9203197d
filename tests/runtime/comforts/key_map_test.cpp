// The comforts' mapping table: the keys of the documentation stand for their
// actions, bindings can move keys between actions, and key names read back.
#include "runtime/comforts/key_map.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using comforts::Action;
using comforts::KeyMap;

TEST(ComfortKeyMap, DefaultKeysStandForTheDocumentedActions) {
  struct Case {
    uint32_t key;
    std::optional<Action> action;
  };
  const std::vector<Case> cases = {
      {32, Action::kClick},       {13, Action::kClick},       {34, Action::kClick},
      {8, Action::kRightClick},   {38, Action::kPrevious},    {37, Action::kPrevious},
      {40, Action::kNext},        {39, Action::kNext},        {17, Action::kSkipHold},
      {9, Action::kSkipToggle},   {33, Action::kBacklog},     {77, Action::kMute},
      {189, Action::kVolumeDown}, {109, Action::kVolumeDown}, {187, Action::kVolumeUp},
      {107, Action::kVolumeUp},   {122, Action::kFullScreen}, {112, Action::kHelp},
      {27, std::nullopt},         {65, std::nullopt},         {123, std::nullopt},
  };
  const KeyMap map = KeyMap::Defaults();
  for (const Case& c : cases) EXPECT_EQ(map.ActionOf(c.key), c.action) << "key " << c.key;
}

TEST(ComfortKeyMap, ABindingTakesItsKeysFromOtherActions) {
  KeyMap map = KeyMap::Defaults();
  map.Bind(Action::kSkipToggle, {'S', 32, 'S'});
  EXPECT_EQ(map.ActionOf('S'), Action::kSkipToggle);
  EXPECT_EQ(map.ActionOf(32), Action::kSkipToggle);
  EXPECT_EQ(map.ActionOf(9), std::nullopt) << "Tab is no longer bound";
  EXPECT_EQ(map.KeysOf(Action::kSkipToggle), (std::vector<uint32_t>{'S', 32}));
  EXPECT_EQ(map.KeysOf(Action::kClick), (std::vector<uint32_t>{13, 34}));
  map.Bind(Action::kHelp, {});
  EXPECT_EQ(map.ActionOf(112), std::nullopt);
}

TEST(ComfortKeyMap, KeyNamesReadInAnyCaseAndWriteBackCanonically) {
  struct Case {
    const char* name;
    std::optional<uint32_t> key;
    const char* canonical;
  };
  const std::vector<Case> cases = {
      {"Space", 32, "Space"},
      {"space", 32, "Space"},
      {"ENTER", 13, "Enter"},
      {"KeypadEnter", 13, "Enter"},
      {"PageDown", 34, "PageDown"},
      {"m", 'M', "M"},
      {"7", '7', "7"},
      {"F1", 112, "F1"},
      {"f11", 122, "F11"},
      {"F24", 135, "F24"},
      {"Keypad0", 96, "Keypad0"},
      {"KeypadPlus", 107, "KeypadPlus"},
      {"Minus", 189, "Minus"},
      {"Equals", 187, "Equals"},
      {"Ctrl", 17, "Ctrl"},
      {"F0", std::nullopt, ""},
      {"F25", std::nullopt, ""},
      {"F01", std::nullopt, ""},
      {"Keypad10", std::nullopt, ""},
      {"", std::nullopt, ""},
      {"Spacebar", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(comforts::KeyNamed(c.name), c.key) << c.name;
    if (c.key) {
      EXPECT_EQ(comforts::KeyName(*c.key), c.canonical) << c.name;
    }
  }
}

TEST(ComfortKeyMap, ActionNamesRoundTrip) {
  for (size_t i = 0; i < comforts::kActionCount; ++i) {
    const auto action = static_cast<Action>(i);
    EXPECT_EQ(comforts::ActionNamed(comforts::ActionName(action)), action);
  }
  EXPECT_EQ(comforts::ActionNamed("jump"), std::nullopt);
}

}  // namespace
