// Image packs: naming the current pack, loading a picture from it into a new
// or an existing sprite, and building packs from folders of BMP files.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/common/pack_files.h"
#include "engine/draw/internal/draw.h"
#include "engine/draw/internal/image_pack_reader.h"
#include "platform/byte_order.h"
#include "platform/dib.h"
#include "platform/platform.h"

namespace {

constexpr const char* kPackMissing = "パックファイル名が指定されていません";
constexpr const char* kEntryMissing = "BMPファイルを読み込めません";
constexpr int kCopyAttempts = 10;

struct PackPicture {
  el::draw::ImagePackEntry entry;
  std::vector<uint16_t> pixels;
};

// The search shared by LoadPack and SwapPack, with its two reports.
std::optional<PackPicture> FindPicture(const char* place, const std::string& upper_name) {
  const auto pack = el::common::OpenPackFile(elDraw::PackFileName);
  if (!pack) {
    elDraw::Error(place, kPackMissing, 0);
    return std::nullopt;
  }
  // A name the sprite's name field cannot hold is never loaded.
  std::optional<el::draw::ImagePackEntry> entry;
  if (upper_name.size() <= el::draw::kMaxSpriteName)
    entry = el::draw::FindImageEntry(*pack, upper_name);
  std::optional<std::vector<uint16_t>> pixels;
  if (entry) pixels = el::draw::ReadImagePixels(*pack, *entry);
  if (!pixels) {
    elDraw::Error(place, kEntryMissing, 0);
    return std::nullopt;
  }
  return PackPicture{*entry, std::move(*pixels)};
}

// Puts each 5-bit channel on the top 5 bits of the display's channel.
bool WritePixels(platform::Surface& surface, const PackPicture& picture) {
  if (surface.Lock() == nullptr) return false;
  const int width = picture.entry.width_px;
  for (int y = 0; y < picture.entry.height_px; ++y) {
    uint8_t* row = surface.Row(y);
    for (int x = 0; x < width; ++x) {
      const uint16_t v = picture.pixels[static_cast<size_t>(y) * width + x];
      const auto out =
          static_cast<uint16_t>((v >> 10 & 31) << elDraw::ShiftR2 |
                                (v >> 5 & 31) << elDraw::ShiftG2 | (v & 31) << elDraw::ShiftB2);
      std::memcpy(row + 2 * x, &out, sizeof out);
    }
  }
  surface.Unlock();
  return true;
}

// Fills the surface of sprite `number` (already of the picture's size) from
// a temporary surface, reloading lost surfaces between attempts; on success
// the entry becomes a pack sprite. False after a failed lock (silent) or a
// copy that kept failing (reported).
bool FillSprite(const char* place, int number, const std::string& upper_name,
                const PackPicture& picture) {
  const auto temp = el::draw::CreateSurface(picture.entry.width_px, picture.entry.height_px);
  if (!temp) return false;
  platform::BltResult result = platform::BltResult::kLockFailed;
  for (int attempt = 0; attempt < kCopyAttempts; ++attempt) {
    if (temp->IsLost()) temp->Restore();
    if (!WritePixels(*temp, picture)) return false;
    platform::Surface* target = el::draw::SurfaceOf(number);
    if (target == nullptr) break;
    result = target->BltFast(0, 0, *temp, temp->Bounds(), false);
    if (result != platform::BltResult::kSurfaceLost) break;
    elDraw::ReloadObject();
  }
  if (result != platform::BltResult::kOk) {
    elDraw::Error(place, "サーフェース間で展開できません", el::draw::kGenericFailure);
    return false;
  }
  elDraw::_sprite& entry = Sprite[number];
  el::draw::ApplyColorKeyRule(entry);
  el::draw::StoreName(entry, upper_name.c_str());
  entry.PackData = 1;
  entry.Memory = 2;
  entry.SizeX = picture.entry.width_px;
  entry.SizeY = picture.entry.height_px;
  return true;
}

std::string UpperName(const char* name) {
  return el::common::UpperSjis(name == nullptr ? "" : name);
}

// Appends one entry: size, base name and the picture's pixels.
void AppendEntry(std::FILE* pack, std::string_view base, const platform::Dib& bitmap) {
  const int width = bitmap.Width();
  std::vector<uint8_t> head;
  platform::AppendLe16(head, static_cast<uint32_t>(width));
  platform::AppendLe16(head, static_cast<uint32_t>(bitmap.Height()));
  head.insert(head.end(), base.begin(), base.end());
  head.push_back(0);
  std::fwrite(head.data(), 1, head.size(), pack);
  std::vector<uint32_t> colors(static_cast<size_t>(width));
  std::vector<uint8_t> row(2 * colors.size());
  for (int y = 0; y < bitmap.Height(); ++y) {
    bitmap.ReadRow(y, 0, width, colors.data());
    for (size_t x = 0; x < colors.size(); ++x) {
      platform::StoreLe16(&row[2 * x], el::draw::PackPixel(colors[x]));
    }
    std::fwrite(row.data(), 1, row.size(), pack);
  }
}

}  // namespace

void elDraw::SetPack(const char* PackName) {
  std::snprintf(PackFileName, sizeof PackFileName, "%s%s", elSystem::Directory(0),
                PackName == nullptr ? "" : PackName);
}

int elDraw::LoadPack(const char* FileName, int Memory) {
  constexpr const char* kPlace = "Draw::LoadPack";
  const std::string name = UpperName(FileName);
  const auto picture = FindPicture(kPlace, name);
  if (!picture) return 0;
  const int number = CreateObject(picture->entry.width_px, picture->entry.height_px, Memory);
  if (number == 0) return 0;
  if (!FillSprite(kPlace, number, name, *picture)) {
    // The sprite is given back rather than left reserved without a picture.
    el::draw::ResetEntry(Sprite[number]);
    return 0;
  }
  return number;
}

int elDraw::SwapPack(const char* FileName, int ObjDD, int Memory) {
  constexpr const char* kPlace = "Draw::SwapPack";
  (void)Memory;  // every surface lives in memory the display can reach
  _sprite* entry = el::draw::Entry(ObjDD);
  if (entry == nullptr) return 0;
  const std::string name = UpperName(FileName);
  const auto picture = FindPicture(kPlace, name);
  if (!picture) return 0;
  entry->Object.reset();
  entry->FileName[0] = '\0';
  entry->Object = el::draw::CreateSurface(picture->entry.width_px, picture->entry.height_px);
  if (!entry->Object) return Error(kPlace, "スプライトを作成できません", 0);
  if (!FillSprite(kPlace, ObjDD, name, *picture)) {
    entry->Object.reset();
    return 0;
  }
  return ObjDD;
}

int elDraw::Convert(const char* PackName, const char* BmpDir, int Delete) {
  if (elSystem::ColorBit() <= 16) return Error("Draw::Convert", "画面をフルカラーにして下さい", 0);
  if (PackName == nullptr) return 0;
  if (Delete != 0) el::common::DeletePack(PackName);
  const std::string dir = BmpDir == nullptr ? "" : BmpDir;
  const std::string folder = std::string(elSystem::Directory(0)) + dir;
  for (const std::string& file :
       el::common::FilesWithExtension(platform::ResolvePath(folder).value_or(folder), ".bmp")) {
    const std::string name = dir.empty() ? file : dir + "\\" + file;
    ConvertFile(PackName, el::common::UpperSjis(name).c_str());
  }
  return 1;
}

void elDraw::ConvertFile(const char* PackName, const char* BmpName) {
  if (PackName == nullptr || BmpName == nullptr) return;
  // The picture is read at 8 bits a channel whatever the display's depth.
  const std::string path = std::string(elSystem::Directory(0)) + BmpName;
  std::unique_ptr<platform::Dib> bitmap = ORGLoadBitmap(path.c_str());
  if (!bitmap) bitmap = el::draw::LoadResourceBitmap(BmpName);
  const std::string_view base = el::common::BaseName(BmpName);
  // An entry whose name no lookup can match is not written.
  if (!bitmap || base.size() > el::common::kMaxPackNameLength) return;
  std::FILE* pack = std::fopen(el::common::PackPathForWriting(PackName).c_str(), "ab");
  if (pack == nullptr) return;
  AppendEntry(pack, base, *bitmap);
  std::fclose(pack);
}
