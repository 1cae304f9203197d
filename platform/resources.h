// Resources embedded in the program (the icon "MAIN", the bitmap "KOVADINE2",
// wave resources), found by type and name as the loaders' fallback after a
// file. The build embeds files with aoat_embed_resource; tests register their
// own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// Registers `data` (which must outlive the program) under `type` and `name`.
// Names compare case-insensitively, as resource names do.
void RegisterResource(std::string_view type, std::string_view name, std::span<const uint8_t> data);
void UnregisterResource(std::string_view type, std::string_view name);
std::optional<std::span<const uint8_t>> FindResource(std::string_view type, std::string_view name);

// Static registration for generated sources.
struct ResourceRegistration {
  ResourceRegistration(const char* type, const char* name, const unsigned char* data, size_t size) {
    RegisterResource(type, name, std::span<const uint8_t>(data, size));
  }
};

}  // namespace platform
