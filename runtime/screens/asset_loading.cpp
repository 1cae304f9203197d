// The loading screen: the project file, then every listed picture and sound
// once, into the tables the story screens draw and play from.
#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/el.h"
#include "platform/encoding.h"
#include "runtime/project/project_loading.h"
#include "runtime/screens/screens.h"

namespace {

// Every asset path is built in a buffer of this size, terminating zero
// included; a folder prefix and name that do not fit are not loaded.
constexpr size_t kPathBytes = 100;
// The name cut looks at the first 40 bytes of a speaker name only.
constexpr int kNameCutBytes = 40;
// The colour key of every picture the runtime loads: white.
constexpr uint32_t kWhite = 0xFFFFFF;
// Memory mode of the loaded pictures and mix count of the loaded sounds.
constexpr int kPictureMemory = 2;
constexpr int kSoundMixes = 1;

// The speaker names as the story draws them: each a copy of its record, cut
// and always terminated, so that a name filling its whole record is never
// read past its end. Entry 0 stays the empty name.
std::array<std::array<char, project::kTextBytes + 1>, kAssetTableSize> g_speaker_names{};

// Prefix and name joined, or nothing when they do not fit the path buffer.
bool BuildPath(std::string_view folder, std::string_view name, std::string* path) {
  if (folder.size() + name.size() >= kPathBytes) return false;
  path->assign(folder);
  path->append(name);
  return true;
}

// Loads pictures 1 to the list's count into `table`; a picture whose path
// does not fit keeps the loaders' failure value, sprite 0.
void LoadPictures(project::AssetList list, std::string_view folder,
                  std::array<int, kAssetTableSize>& table) {
  std::string path;
  for (int n = 1; n <= runtime::ListCount(list); ++n) {
    const auto index = static_cast<size_t>(n);
    table[index] = 0;
    if (BuildPath(folder, runtime::ListName(list, n), &path))
      table[index] = elDraw::LoadObject(path.c_str(), kPictureMemory);
  }
}

void LoadSounds() {
  std::string path;
  for (int n = 1; n <= runtime::ListCount(project::kSounds); ++n) {
    const auto index = static_cast<size_t>(n);
    effectwav[index] = -1;
    if (BuildPath("wav\\", runtime::ListName(project::kSounds, n), &path))
      effectwav[index] = elSound::LoadObject(path.c_str(), kSoundMixes);
  }
}

// Songs are opened only when a page starts one; here each listed name gets
// its folder. A name too long for the path is emptied: like a song file that
// cannot be opened, it never plays.
void PrefixSongs() {
  std::string path;
  for (int n = 1; n <= runtime::ListCount(project::kSongs); ++n) {
    project::TextRecord& entry = picname.names[project::kSongs][static_cast<size_t>(n)];
    const bool fits = BuildPath("midi\\", project::FieldText(entry), &path);
    entry.fill('\0');
    if (fits) std::memcpy(entry.data(), path.data(), path.size());
  }
}

void BuildSpeakerNames() {
  g_speaker_names[0].fill('\0');
  hitoname[0] = g_speaker_names[0].data();
  for (size_t k = 1; k < kAssetTableSize; ++k) {
    // The cut scans at most 40 bytes, well inside the 100-byte record, so it
    // can work on the record itself: the model then holds the cut name too.
    returnserch(str5[k].data());
    const std::string_view name = project::FieldText(str5[k]);
    g_speaker_names[k].fill('\0');
    std::memcpy(g_speaker_names[k].data(), name.data(), name.size());
    hitoname[k] = g_speaker_names[k].data();
  }
}

void LoadStory() {
  runtime::LoadProject();
  elDraw::SetSpriteColor(kWhite);
  mousebmp = elDraw::LoadObject("lyout\\mouse.bmp", kPictureMemory);
  titlebmp = elDraw::LoadObject("lyout\\title.bmp", kPictureMemory);
  screenbmp = elDraw::LoadObject("lyout\\bback.bmp", kPictureMemory);
  lyoutbmp = elDraw::LoadObject("lyout\\fback.bmp", kPictureMemory);
  LoadPictures(project::kPersons, "person\\", hitobmp);
  LoadPictures(project::kFronts, "frontmain\\", mainbmp);
  LoadPictures(project::kBacks, "backmain\\", backbmp);
  LoadPictures(project::kItems, "item\\", itembmp);
  LoadSounds();
  PrefixSongs();
  BuildSpeakerNames();
}

}  // namespace

void returnserch(char* msg) {
  int count = 0;
  while (count < kNameCutBytes && msg[count] != '\0') {
    const auto byte = static_cast<uint8_t>(msg[count]);
    if (byte == '+') {
      for (; count < kNameCutBytes && msg[count] != '\0'; ++count) msg[count] = '\0';
      return;
    }
    // The second byte of a double-byte character is never taken for "+";
    // a lead byte just before the terminator does not swallow it. msg[count]
    // is not the terminator, so msg[count + 1] can be read.
    count += static_cast<int>(platform::Cp932CharLength({msg + count, 2}, 0));
  }
}

void Main2Screen() {
  if (_ChangeScreen == 1) LoadStory();
  _ScreenNo = 3;
  _LastScreenNo = 0;
}
