// Internals of the single-instance lock shared with the SDL backend: a second
// start signals the holder, whose event pump raises its window.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// True once for every raise request received since the last call.
bool TakeRaiseRequest();
// The title (Shift-JIS) the lock was taken with: the window is raised only
// while its title still equals it.
const std::string& InstanceLockTitle();
// The lock file a name would use (tests and documentation).
std::string InstanceLockPath(std::string_view name);

}  // namespace platform
