// Internals of the system queries, open to the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// The desktop mixer programs tried, in order, with their arguments.
const std::vector<std::vector<std::string>>& VolumeControlCandidates();
// The first candidate found as an executable in the folders of `path_list`
// (a PATH value), as its full path followed by its arguments; empty when none.
std::vector<std::string> FindVolumeControl(
    const std::string& path_list, const std::function<bool(const std::string&)>& executable);
// The available memory from the text of /proc/meminfo ("MemAvailable"), in
// bytes; 0 when the line is missing.
uint64_t MemAvailableFromMeminfo(const std::string& text);

}  // namespace platform
