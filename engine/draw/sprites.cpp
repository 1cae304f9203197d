// The sprite table: allocation, loading from BMP files or bitmap resources,
// blank sprites, replacement, release, colour keys and the reload after the
// display lost its surfaces.
#include <cstring>
#include <string>

#include "engine/draw/internal/draw.h"
#include "platform/dib.h"

namespace el::draw {

elDraw::_sprite* Entry(int number) {
  return number >= 0 && number < kSpriteCount ? &Sprite[number] : nullptr;
}

platform::Surface* SurfaceOf(int number) {
  elDraw::_sprite* entry = Entry(number);
  return entry ? entry->Object.get() : nullptr;
}

void ResetEntry(elDraw::_sprite& entry) {
  entry.Object.reset();
  entry.FileName[0] = '\0';
  entry.PackData = 0;
  entry.Memory = 2;
  entry.Color = 0;
  entry.SizeX = 0;
  entry.SizeY = 0;
}

int FindFreeEntry() {
  for (int i = kFirstFreeSprite; i < kSpriteCount; ++i)
    if (Sprite[i].FileName[0] == '\0') return i;
  return -1;
}

bool StoreName(elDraw::_sprite& entry, const char* name) {
  const size_t length = std::strlen(name);
  if (length >= sizeof(entry.FileName)) return false;
  std::memcpy(entry.FileName, name, length + 1);
  return true;
}

std::unique_ptr<platform::Surface> CreateSurface(int width_px, int height_px) {
  return platform::Surface::Create(width_px, height_px, kDisplayFormat);
}

void ApplyColorKeyRule(elDraw::_sprite& entry) {
  const uint32_t color = elDraw::SpriteLeftTop == 1 ? 0xFFFFFFFF : elDraw::SpriteColor;
  DDSetColorKey(entry.Object.get(), color);
  entry.Color = color;
}

}  // namespace el::draw

namespace {

using el::draw::Entry;

constexpr const char* kNameTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kTooManyObjects = "オブジェクト数が多過ぎます";

bool NameTooLong(const char* name) {
  return std::strlen(name) > el::draw::kMaxSpriteName;
}

enum class PictureLoad { kLoaded, kCopyFailed, kMissing };

// Loads a picture into the entry: the BMP file beside the program, else the
// program's bitmap resource of that name.
PictureLoad LoadPicture(elDraw::_sprite& entry, const char* name, int memory) {
  const std::string path = std::string(elSystem::Directory(0)) + name;
  if (auto surface = DDLoadBitmap(path.c_str(), &entry.SizeX, &entry.SizeY, memory)) {
    entry.Object = std::move(surface);
    return PictureLoad::kLoaded;
  }
  const auto bitmap = el::draw::LoadResourceBitmap(name);
  if (!bitmap) return PictureLoad::kMissing;
  auto surface = el::draw::CreateSurface(bitmap->Width(), bitmap->Height());
  if (!surface) return PictureLoad::kMissing;
  entry.SizeX = static_cast<uint16_t>(bitmap->Width());
  entry.SizeY = static_cast<uint16_t>(bitmap->Height());
  entry.Object = std::move(surface);
  if (DDCopyBitmap(entry.Object.get(), bitmap.get(), 0, 0, 0, 0) != 0)
    return PictureLoad::kCopyFailed;
  return PictureLoad::kLoaded;
}

// A free entry reserved under `name`, or -1 after the report.
int ReserveEntry(const char* name, const char* place) {
  const int number = el::draw::FindFreeEntry();
  if (number < 0) {
    elDraw::Error(place, kTooManyObjects, 0);
    return -1;
  }
  elDraw::_sprite& entry = Sprite[number];
  el::draw::StoreName(entry, name);
  entry.PackData = 0;
  entry.Memory = 2;
  return number;
}

}  // namespace

int elDraw::LoadObject(const char* FileName, int Memory) {
  if (FileName == nullptr) return 0;
  if (NameTooLong(FileName)) return Error("Draw::LoadObject", kNameTooLong, 0);
  const int number = ReserveEntry(FileName, "Draw::LoadObject");
  if (number < 0) return 0;
  if (LoadPicture(Sprite[number], FileName, Memory) != PictureLoad::kLoaded) return 0;
  el::draw::ApplyColorKeyRule(Sprite[number]);
  return number;
}

int elDraw::CreateObject(int Sx, int Sy, int Memory) {
  (void)Memory;
  const int number = ReserveEntry("*", "Draw::CreateObject");
  if (number < 0) return 0;
  _sprite& entry = Sprite[number];
  entry.SizeX = static_cast<uint16_t>(Sx);
  entry.SizeY = static_cast<uint16_t>(Sy);
  entry.Object = el::draw::CreateSurface(Sx, Sy);
  if (!entry.Object) return Error("Draw::CreateObject", "スプライトを作成できません", 0);
  el::draw::ApplyColorKeyRule(entry);
  return number;
}

void elDraw::FreeObject(int ObjDD) {
  _sprite* entry = Entry(ObjDD);
  if (entry == nullptr || !entry->Object) return;
  entry->Object.reset();
  entry->FileName[0] = '\0';
  entry->Color = 0;
  entry->SizeX = 0;
  entry->SizeY = 0;
}

int elDraw::SwapObject(const char* FileName, int ObjDD, int Memory) {
  _sprite* entry = Entry(ObjDD);
  if (FileName == nullptr || entry == nullptr) return 0;
  if (NameTooLong(FileName)) return Error("Draw::SwapObject", kNameTooLong, 0);
  entry->Object.reset();
  el::draw::StoreName(*entry, FileName);
  entry->PackData = 0;
  entry->Memory = 2;
  if (LoadPicture(*entry, FileName, Memory) == PictureLoad::kMissing)
    return Error("Draw::SwapObject", "BMPファイルを読み込めません", el::draw::kGenericFailure);
  el::draw::ApplyColorKeyRule(*entry);
  return 1;
}

void elDraw::ReloadObject() {
  if (DDFront) DDFront->Restore();
  if (DDBack && DDBack->IsLost()) DDBack->Restore();
  for (int i = 0; i < el::draw::kFirstFreeSprite; ++i)
    if (Sprite[i].Object && Sprite[i].Object->IsLost()) Sprite[i].Object->Restore();
  for (int i = el::draw::kFirstFreeSprite; i < el::draw::kSpriteCount; ++i) {
    _sprite& entry = Sprite[i];
    if (entry.FileName[0] == '\0' || !entry.Object || !entry.Object->IsLost()) continue;
    entry.Object->Restore();
    if (std::strcmp(entry.FileName, "*") == 0) continue;
    SetSpriteColor(entry.Color);
    const std::string name = entry.FileName;  // the reload rewrites the field
    if (entry.PackData != 0) {
      SwapPack(name.c_str(), i, entry.Memory);
    } else {
      SwapObject(name.c_str(), i, entry.Memory);
    }
  }
}

void elDraw::SetSpriteColor(uint32_t Color) {
  SpriteColor = Color;
  SpriteLeftTop = 0;
}

void elDraw::SetSpriteLeftTop() {
  SpriteLeftTop = 1;
}

void elDraw::ChangeSpriteColor(int ObjDD, uint32_t Color) {
  _sprite* entry = Entry(ObjDD);
  if (entry == nullptr) return;
  entry->Color = Color;
  DDSetColorKey(entry->Object.get(), Color);
}

void elDraw::ChangeSpriteLeftTop(int ObjDD) {
  ChangeSpriteColor(ObjDD, 0xFFFFFFFF);
}

void elDraw::CopySpriteColor(int ObjDD1, int ObjDD2) {
  platform::Surface* target = el::draw::SurfaceOf(ObjDD1);
  const platform::Surface* source = el::draw::SurfaceOf(ObjDD2);
  if (target != nullptr && source != nullptr) target->SetColorKey(source->ColorKey());
}
