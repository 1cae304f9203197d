// The names by which a story source refers to pages, list entries and
// persons, and their numbers in the project file.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/project/project_file.h"

namespace story_source {

// The asset lists and speaker names of a story, as UTF-8 names; entry n of a
// list (numbered from 1) is at index n - 1.
class AssetCatalog {
 public:
  std::array<std::vector<std::string>, project::kAssetListCount> lists;
  std::vector<std::string> speakers;  // person k at index k - 1

  int Count(project::AssetList list) const { return static_cast<int>(lists[list].size()); }
  // Numbers of the entries of `list` with this file name.
  std::vector<int> Find(project::AssetList list, std::string_view name) const;
  // Numbers of the persons whose picture file or speaker name this is.
  std::vector<int> FindPerson(std::string_view name) const;
};

// Page names of a story source.
class PageNames {
 public:
  // False when the name is taken already.
  bool Add(const std::string& name, int page);
  // The page of that name, or -1.
  int Find(std::string_view name) const;
  // The name of a page, empty when it has none.
  std::string_view NameOf(int page) const;

 private:
  std::map<std::string, int, std::less<>> pages_;
  std::map<int, std::string> names_;
};

}  // namespace story_source
