#include "runtime/comforts/settings.h"

#include <toml++/toml.h>

#include <algorithm>
#include <sstream>

#include "platform/platform.h"

namespace comforts {
namespace {

constexpr int kMaxLevel = 100;

template <typename T>
struct Choice {
  std::string_view name;
  T value;
};

constexpr Choice<platform::ScaleMode> kScaleModes[] = {
    {"fit", platform::ScaleMode::kFit},
    {"integer", platform::ScaleMode::kInteger},
    {"stretch", platform::ScaleMode::kStretch},
};
constexpr Choice<platform::ScaleFilter> kFilters[] = {
    {"nearest", platform::ScaleFilter::kNearest},
    {"linear", platform::ScaleFilter::kLinear},
    {"sharp-bilinear", platform::ScaleFilter::kSharpBilinear},
};
constexpr Choice<bool> kSkipModes[] = {{"read", false}, {"all", true}};

template <typename T, size_t N>
std::string_view NameOf(const Choice<T> (&choices)[N], T value) {
  for (const auto& choice : choices)
    if (choice.value == value) return choice.name;
  return choices[0].name;
}

template <typename T, size_t N>
std::string ChoiceList(const Choice<T> (&choices)[N]) {
  std::string list;
  for (size_t i = 0; i < N; ++i) {
    if (i > 0) list += i + 1 == N ? " or " : ", ";
    list += choices[i].name;
  }
  return list;
}

// Reads one section of the file into `settings`, noting each value it cannot use.
class SectionReader {
 public:
  SectionReader(std::string_view file_name, ParsedSettings* out) : file_(file_name), out_(out) {}

  void Read(std::string_view section, const toml::node& node) {
    const toml::table* table = node.as_table();
    if (table == nullptr) return Problem(node, "'" + std::string(section) + "' must be a table");
    for (auto&& [key, value] : *table) {
      const std::string name = std::string(section) + "." + std::string(key.str());
      if (section == "keys") {
        Binding(name, key.str(), value);
      } else if (!Value(name, value)) {
        Problem(value, "unknown setting '" + name + "'");
      }
    }
  }

  void Problem(const toml::node& node, const std::string& text) {
    out_->problems.push_back(std::string(file_) + ":" + std::to_string(node.source().begin.line) +
                             ": " + text);
  }

 private:
  Settings& S() { return out_->settings; }

  // False when the name is none of the settings.
  bool Value(const std::string& name, const toml::node& value) {
    if (name == "display.scale_mode") return Pick(name, value, kScaleModes, &S().scale_mode);
    if (name == "display.filter") return Pick(name, value, kFilters, &S().filter);
    if (name == "display.fullscreen") return Flag(name, value, &S().full_screen);
    if (name == "audio.volume") return Level(name, value, &S().volume);
    if (name == "audio.sound_volume") return Level(name, value, &S().sound_volume);
    if (name == "audio.music_volume") return Level(name, value, &S().music_volume);
    if (name == "audio.mute") return Flag(name, value, &S().mute);
    if (name == "skip.mode") return Pick(name, value, kSkipModes, &S().skip_all);
    if (name == "gamepad.enabled") return Flag(name, value, &S().gamepad);
    return false;
  }

  template <typename T, size_t N>
  bool Pick(const std::string& name, const toml::node& value, const Choice<T> (&choices)[N],
            std::optional<T>* out) {
    if (const auto text = value.value_exact<std::string>()) {
      for (const auto& choice : choices) {
        if (choice.name == *text) {
          *out = choice.value;
          return true;
        }
      }
    }
    Problem(value, name + " must be " + ChoiceList(choices));
    return true;
  }

  bool Flag(const std::string& name, const toml::node& value, std::optional<bool>* out) {
    if (const auto flag = value.value_exact<bool>()) {
      *out = *flag;
    } else {
      Problem(value, name + " must be true or false");
    }
    return true;
  }

  bool Level(const std::string& name, const toml::node& value, std::optional<int>* out) {
    const auto number = value.value_exact<int64_t>();
    if (number && *number >= 0 && *number <= kMaxLevel) {
      *out = static_cast<int>(*number);
    } else {
      Problem(value, name + " must be a whole number from 0 to 100");
    }
    return true;
  }

  void Binding(const std::string& name, std::string_view action_name, const toml::node& value) {
    const auto action = ActionNamed(action_name);
    if (!action) return Problem(value, "unknown action '" + name + "'");
    const toml::array* list = value.as_array();
    if (list == nullptr) return Problem(value, name + " must be a list of key names");
    std::vector<uint32_t> keys;
    for (const toml::node& item : *list) {
      const auto key_name = item.value_exact<std::string>();
      const auto key = key_name ? KeyNamed(*key_name) : std::nullopt;
      if (!key)
        return Problem(item, name + ": unknown key name" +
                                 (key_name ? " '" + *key_name + "'" : std::string()));
      keys.push_back(*key);
    }
    S().bindings.emplace_back(*action, std::move(keys));
  }

  std::string_view file_;
  ParsedSettings* out_;
};

constexpr std::string_view kSections[] = {"display", "audio", "skip", "gamepad", "keys"};

toml::table& SectionOf(toml::table& root, std::string_view name) {
  toml::node* node = root.get(name);
  if (node == nullptr || !node->is_table()) {
    root.insert_or_assign(name, toml::table{});
    node = root.get(name);
  }
  return *node->as_table();
}

template <typename T>
void Put(toml::table& section, std::string_view key, const std::optional<T>& value) {
  if (value) section.insert_or_assign(key, *value);
}

}  // namespace

ParsedSettings ParseSettings(std::string_view text, std::string_view file_name) {
  ParsedSettings parsed;
  toml::table root;
  try {
    root = toml::parse(text, file_name);
  } catch (const toml::parse_error& error) {
    parsed.broken = true;
    parsed.problems.push_back(std::string(file_name) + ":" +
                              std::to_string(error.source().begin.line) + ": " +
                              std::string(error.description()) + "; the file is not used");
    return parsed;
  }
  SectionReader reader(file_name, &parsed);
  for (auto&& [key, node] : root) {
    const std::string_view section = key.str();
    if (std::find(std::begin(kSections), std::end(kSections), section) == std::end(kSections)) {
      reader.Problem(node, "unknown setting '" + std::string(section) + "'");
      continue;
    }
    reader.Read(section, node);
  }
  return parsed;
}

std::string SettingsText(const Settings& settings, std::string_view previous) {
  toml::table root;
  try {
    root = toml::parse(previous);
  } catch (const toml::parse_error&) {
    root = toml::table{};
  }
  toml::table& display = SectionOf(root, "display");
  if (settings.scale_mode)
    display.insert_or_assign("scale_mode", NameOf(kScaleModes, *settings.scale_mode));
  if (settings.filter) display.insert_or_assign("filter", NameOf(kFilters, *settings.filter));
  Put(display, "fullscreen", settings.full_screen);
  toml::table& audio = SectionOf(root, "audio");
  Put(audio, "volume", settings.volume);
  Put(audio, "sound_volume", settings.sound_volume);
  Put(audio, "music_volume", settings.music_volume);
  Put(audio, "mute", settings.mute);
  if (settings.skip_all)
    SectionOf(root, "skip").insert_or_assign("mode", NameOf(kSkipModes, *settings.skip_all));
  Put(SectionOf(root, "gamepad"), "enabled", settings.gamepad);
  for (const auto& [action, keys] : settings.bindings) {
    toml::array names;
    for (const uint32_t key : keys) names.push_back(KeyName(key));
    SectionOf(root, "keys").insert_or_assign(ActionName(action), std::move(names));
  }
  // Sections that hold nothing are left out.
  for (const std::string_view section : kSections) {
    const toml::node* node = root.get(section);
    if (node != nullptr && node->is_table() && node->as_table()->empty()) root.erase(section);
  }
  std::ostringstream text;
  text << root << "\n";
  return text.str();
}

std::string UserSettingsPath() {
  return platform::UserConfigHome() + "/aoat-player/settings.toml";
}

}  // namespace comforts
