// Splitting an MCI command string into words: blanks separate them, double
// quotes enclose a word with blanks (the quotes are dropped).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::audio {

// nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitMciCommand(std::string_view command);

// ASCII case-insensitive equality, as MCI compares keywords and names.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace platform::audio
