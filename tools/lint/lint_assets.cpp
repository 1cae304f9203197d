// Checks of the asset lists, the fixed layout pictures and the speaker names.
#include <algorithm>

#include "tools/lint/lint.h"
#include "tools/lint/report.h"
#include "tools/story_source/flow.h"
#include "tools/story_source/schema.h"
#include "tools/story_source/text.h"

namespace lint {
namespace {

using story_source::kAssetLists;
using story_source::Severity;

// A path as the player builds it: too long for its buffer, or not there.
void CheckFile(const std::string& path, AssetKind kind, const std::string& where,
               const FileLookup& lookup, std::vector<Diagnostic>* out) {
  if (static_cast<int>(path.size()) + 1 > story_source::kPathBufferBytes) {
    Report(out, Severity::kError, where,
           "the path " + Shown(path) + " is " + std::to_string(path.size()) +
               " bytes; the loader's buffer of " + std::to_string(story_source::kPathBufferBytes) +
               " bytes holds " + std::to_string(story_source::kPathBufferBytes - 1) +
               " and the ending zero");
    return;
  }
  const auto found = lookup(path);
  if (!found) {
    Report(out, Severity::kError, where, "the file " + Shown(path) + " is not in the game folder");
    return;
  }
  const std::string problem = DecodingProblem(*found, kind);
  if (!problem.empty())
    Report(out, Severity::kError, where, "the file " + Shown(path) + " " + problem);
}

AssetKind KindOf(int list) {
  if (list == project::kSounds) return AssetKind::kSound;
  if (list == project::kSongs) return AssetKind::kSong;
  return AssetKind::kPicture;
}

void CheckList(const project::ProjectData& data, const story_source::AssetListInfo& info,
               const FileLookup& lookup, std::vector<Diagnostic>* out) {
  const int32_t count = data.picname.counts[info.list];
  const std::string where = "assets." + std::string(info.key);
  if (count > project::kMaxListCount) {
    Report(out, Severity::kError, where,
           "the count " + std::to_string(count) +
               " is above 199; the player reads names past the list");
  } else if (count < 0) {
    Report(out, Severity::kError, where,
           "the count " + std::to_string(count) + " is negative; the player loads none");
  }
  if (info.list == project::kSounds && count > story_source::kEngineSounds) {
    Report(out, Severity::kError, where,
           std::to_string(count) + " sounds are listed but the engine's sound table holds " +
               std::to_string(story_source::kEngineSounds) + "; sounds " +
               std::to_string(story_source::kEngineSounds + 1) + " and later fail to load");
  }
  const int used = std::clamp(count, 0, project::kMaxListCount);
  for (int n = 1; n <= used; ++n) {
    const std::string name(project::FieldText(data.picname.names[info.list][n]));
    const std::string entry = std::string(info.what) + " " + std::to_string(n);
    if (name.empty()) {
      Report(out, Severity::kError, entry, "has no file name");
      continue;
    }
    CheckFile(std::string(info.folder) + name, KindOf(info.list), entry, lookup, out);
  }
}

bool AnyLayoutShows(const project::ProjectData& data, int slot) {
  if (data.str6[slot].show != 0) return true;
  for (int page = 0; page < project::kPages; ++page)
    if (data.pagescrused[page] != 0 && data.pagescrinf[page][slot].show != 0) return true;
  return false;
}

void CheckLayoutPictures(const project::ProjectData& data, const FileLookup& lookup,
                         std::vector<Diagnostic>* out) {
  struct Fixed {
    std::string_view path;
    std::string_view role;
    int slot;  // -1: always drawn
  };
  static constexpr Fixed kFixed[] = {
      {story_source::kLogoPicture, "the start-up logo", -1},
      {story_source::kPointerPicture, "the pointer", -1},
      {story_source::kTitlePicture, "the title screen", -1},
      {story_source::kBackdropPicture, "the backdrop of the layouts", project::slot::kBackdrop},
      {story_source::kFramePicture, "the window frame of the layouts", project::slot::kFrame},
  };
  for (const auto& fixed : kFixed) {
    if (fixed.slot >= 0 && !AnyLayoutShows(data, fixed.slot)) continue;
    CheckFile(std::string(fixed.path), AssetKind::kPicture, std::string(fixed.role), lookup, out);
  }
}

void CheckSpeakers(const project::ProjectData& data, std::vector<Diagnostic>* out) {
  for (int k = 1; k <= project::kMaxListCount; ++k) {
    const std::string_view name = project::FieldText(data.str5[k]);
    if (!story_source::CutSpeakerName(name).plus_beyond_limit) continue;
    Report(out, Severity::kWarning, "speaker " + std::to_string(k),
           "the \"+\" lies at byte 40 or later, where the player no longer looks for it: the "
           "name is shown whole, " +
               Shown(name, project::kTextBytes));
  }
}

}  // namespace

void CheckAssets(const project::ProjectData& data, const FileLookup& lookup,
                 std::vector<Diagnostic>* out) {
  for (const auto& info : kAssetLists) CheckList(data, info, lookup, out);
  CheckLayoutPictures(data, lookup, out);
  CheckSpeakers(data, out);
}

}  // namespace lint
