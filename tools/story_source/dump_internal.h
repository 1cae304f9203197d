// Pieces of `dump` shared by its files.
#pragma once

#include <array>

#include "runtime/project/project_file.h"
#include "tools/story_source/json_source.h"
#include "tools/story_source/names.h"

namespace story_source {

// How a page refers to list entries and persons in the story being written.
class RefWriter {
 public:
  explicit RefWriter(const AssetCatalog& catalog) : catalog_(catalog) {}
  // True when the number can be written for that list: 0 to its length.
  bool Valid(project::AssetList list, int32_t number) const;
  // The file name when it names that entry alone, else the number.
  Json Asset(project::AssetList list, int32_t number) const;
  // The speaker name or picture file when either names that person alone, else the number.
  Json Person(int32_t number) const;
  const AssetCatalog& Catalog() const { return catalog_; }

 private:
  const AssetCatalog& catalog_;
};

Json DumpPage(const project::ProjectData& data, int page, const RefWriter& refs);
Json DumpLayout(const std::array<project::ScreenParam, project::kSlots>& layout);
// A stored flag byte: true for 1, the number otherwise.
Json FlagJson(uint8_t value);

}  // namespace story_source
