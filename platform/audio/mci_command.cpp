#include "platform/audio/mci_command.h"

#include <cctype>

namespace platform::audio {

std::optional<std::vector<std::string>> SplitMciCommand(std::string_view command) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < command.size()) {
    const char c = command[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '"') {
      const size_t close = command.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      words.emplace_back(command.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      size_t end = i;
      while (end < command.size() && command[end] != ' ' && command[end] != '\t') ++end;
      words.emplace_back(command.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace platform::audio
