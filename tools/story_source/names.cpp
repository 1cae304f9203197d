#include "tools/story_source/names.h"

#include <algorithm>

namespace story_source {

std::vector<int> AssetCatalog::Find(project::AssetList list, std::string_view name) const {
  std::vector<int> found;
  const auto& entries = lists[list];
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == name) found.push_back(static_cast<int>(i) + 1);
  return found;
}

std::vector<int> AssetCatalog::FindPerson(std::string_view name) const {
  std::vector<int> found = Find(project::kPersons, name);
  for (size_t i = 0; i < speakers.size(); ++i)
    if (speakers[i] == name) found.push_back(static_cast<int>(i) + 1);
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

bool PageNames::Add(const std::string& name, int page) {
  if (!pages_.emplace(name, page).second) return false;
  names_[page] = name;
  return true;
}

int PageNames::Find(std::string_view name) const {
  const auto it = pages_.find(name);
  return it == pages_.end() ? -1 : it->second;
}

std::string_view PageNames::NameOf(int page) const {
  const auto it = names_.find(page);
  return it == names_.end() ? std::string_view() : std::string_view(it->second);
}

}  // namespace story_source
