#include "tools/story_source/dump.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "tools/story_source/build.h"
#include "tools/story_source/dump_internal.h"
#include "tools/story_source/raw.h"
#include "tools/story_source/schema.h"
#include "tools/story_source/text.h"

namespace story_source {
namespace {

// The lists and speakers exactly as the story being written will list them,
// so that references resolve in `build` as they do here.
AssetCatalog CatalogOf(const project::ProjectData& data) {
  AssetCatalog catalog;
  for (const auto& info : kAssetLists) {
    const int32_t count = data.picname.counts[info.list];
    if (count < 0 || count > project::kMaxListCount) continue;
    for (int n = 1; n <= count; ++n)
      catalog.lists[info.list].push_back(
          ReadableText(data.picname.names[info.list][n]).value_or(""));
  }
  for (int k = 1; k <= project::kMaxListCount; ++k)
    catalog.speakers.push_back(ReadableText(data.str5[k]).value_or(""));
  while (!catalog.speakers.empty() && catalog.speakers.back().empty()) catalog.speakers.pop_back();
  return catalog;
}

Json RunsJson(const std::vector<RawRun>& runs) {
  Json list = Json::array();
  for (const auto& run : runs) {
    const auto& block = project::kBlocks[BlockAt(run.offset)];
    const size_t last = run.offset + run.bytes.size() - 1;
    std::string comment = DescribeOffset(run.offset);
    if (run.bytes.size() > 1) comment += " to " + DescribeOffset(last);
    Json entry = Json::object();
    entry["comment"] = comment;
    entry["block"] = block.name;
    entry["at"] = run.offset - block.offset;
    entry["hex"] = ToHex(run.bytes);
    list.push_back(std::move(entry));
  }
  return list;
}

}  // namespace

bool RefWriter::Valid(project::AssetList list, int32_t number) const {
  return number >= 0 && number <= catalog_.Count(list);
}

Json RefWriter::Asset(project::AssetList list, int32_t number) const {
  if (number >= 1 && number <= catalog_.Count(list)) {
    const std::string& name = catalog_.lists[list][number - 1];
    if (!name.empty() && catalog_.Find(list, name) == std::vector<int>{number}) return name;
  }
  return number;
}

Json RefWriter::Person(int32_t number) const {
  const auto unique = [&](const std::string& name) {
    return !name.empty() && catalog_.FindPerson(name) == std::vector<int>{number};
  };
  if (number >= 1 && number <= static_cast<int>(catalog_.speakers.size()) &&
      unique(catalog_.speakers[number - 1]))
    return catalog_.speakers[number - 1];
  if (number >= 1 && number <= catalog_.Count(project::kPersons) &&
      unique(catalog_.lists[project::kPersons][number - 1]))
    return catalog_.lists[project::kPersons][number - 1];
  return number;
}

Json DumpReadable(const project::ProjectData& data) {
  Json story = Json::object();
  if (const auto title = ReadableText(data.str3[2]); title && !title->empty())
    story["title"] = *title;
  if (data.sinariono > 0 && data.sinariono < project::kPages) story["start"] = data.sinariono;
  const AssetCatalog catalog = CatalogOf(data);
  Json assets = Json::object();
  for (const auto& info : kAssetLists)
    if (!catalog.lists[info.list].empty()) assets[info.key] = catalog.lists[info.list];
  if (!assets.empty()) story["assets"] = std::move(assets);
  if (!catalog.speakers.empty()) story["speakers"] = catalog.speakers;
  if (Json layout = DumpLayout(data.str6); !layout.empty()) story["layout"] = std::move(layout);
  const RefWriter refs(catalog);
  Json pages = Json::array();
  for (int page = 0; page < project::kPages; ++page) {
    Json entry = DumpPage(data, page, refs);
    if (!entry.is_null()) pages.push_back(std::move(entry));
  }
  if (!pages.empty()) story["pages"] = std::move(pages);
  return story;
}

Json DumpStory(std::span<const uint8_t> image) {
  std::vector<uint8_t> original(project::kFileSize, 0);
  std::copy_n(image.begin(), std::min(image.size(), project::kFileSize), original.begin());
  auto data = std::make_unique<project::ProjectData>();
  project::Decode(original, data.get());
  JsonDocument readable;
  readable.root = DumpReadable(*data);
  // Build what was written and carry whatever differs as raw runs. Should the
  // readable part ever fail to build, everything goes raw: the round trip
  // holds either way.
  BuildResult built = BuildStory(readable);
  if (!built.ok) {
    readable.root = Json::object();
    built.image.assign(project::kFileSize, 0);
  }
  const auto runs = DiffImages(original, built.image);
  if (!runs.empty()) readable.root["raw"] = RunsJson(runs);
  return std::move(readable.root);
}

}  // namespace story_source
