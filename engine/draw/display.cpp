// Opening and closing the display: the driver, the display mode, the primary
// and back surfaces, the four internal sprites, the pixel format and tables.
#include <algorithm>

#include "engine/draw/internal/draw.h"
#include "platform/display_drivers.h"
#include "platform/gdi.h"
#include "platform/platform.h"

namespace {

int g_kept_driver = -1;  // the driver SearchDriver kept, or -1 for the default

std::optional<el::draw::SetupFailure> Fail(const char* message) {
  return el::draw::SetupFailure{message, el::draw::kGenericFailure};
}

// Choosing the driver: the first one with 3D hardware, else the default
// display.
bool OpenDriver() {
  g_kept_driver = -1;
  const auto drivers = platform::DisplayDrivers();
  for (size_t i = 0; i < drivers.size(); ++i) {
    if (elDraw::SearchDriver(static_cast<int>(i), drivers[i].description.c_str(),
                             drivers[i].name.c_str(), &DDObject) == 0)
      break;
  }
  if (DDObject == 0) {
    if (!platform::HasBackend() || drivers.empty()) return false;
    DDObject = 1;
  }
  return true;
}

// Changing the display mode in full screen: the mode at ColorBit, then at
// the fallback depths.
bool SetDisplayMode(int width_px, int height_px) {
  if (platform::SetDisplayMode(width_px, height_px, elDraw::ColorBit)) return true;
  if (elDraw::RetryColorBit1 == 0) return false;
  elDraw::ColorBit = elDraw::RetryColorBit1;
  if (platform::SetDisplayMode(width_px, height_px, elDraw::ColorBit)) return true;
  if (elDraw::RetryColorBit2 == 0) return false;
  elDraw::ColorBit = elDraw::RetryColorBit2;
  return platform::SetDisplayMode(width_px, height_px, elDraw::ColorBit);
}

struct InternalSprite {
  const char* name;
  uint32_t key_rgb;
  const char* failure;
};

constexpr InternalSprite kInternalSprites[4] = {
    {"内部用１", 0xFFFFFF, "Bufferスプライトが生成できません"},
    {"内部用２", 0x000000, "Screenスプライトが生成できません"},
    {"内部用３", 0x000000, "Fontスプライトが生成できません"},
    {"内部用４", 0x000000, "Fontバッファスプライトが生成できません"},
};

// Creating the four internal sprites, each of the display's size with its
// colour key.
std::optional<el::draw::SetupFailure> CreateInternalSprites() {
  for (int i = 0; i < 4; ++i) {
    elDraw::_sprite& entry = Sprite[i];
    el::draw::ResetEntry(entry);
    el::draw::StoreName(entry, kInternalSprites[i].name);
    entry.SizeX = static_cast<uint16_t>(elDraw::Width);
    entry.SizeY = static_cast<uint16_t>(elDraw::Height);
    entry.Object = el::draw::CreateSurface(elDraw::Width, elDraw::Height);
    if (!entry.Object) return Fail(kInternalSprites[i].failure);
    DDSetColorKey(entry.Object.get(), kInternalSprites[i].key_rgb);
  }
  return std::nullopt;
}

// Reading the capabilities: whether the kept driver (or the emulation, when
// none was kept) can stretch.
void ReadCapabilities() {
  const auto drivers = platform::DisplayDrivers();
  if (elDraw::SearchVideoCard == 1 && g_kept_driver >= 0) {
    elDraw::UseStretch = drivers[g_kept_driver].driver.stretch ? 1 : 0;
  } else {
    elDraw::UseStretch = !drivers.empty() && drivers[0].emulation.stretch ? 1 : 0;
  }
}

// Creating the screen surfaces (primary and back) and the internal sprites.
std::optional<el::draw::SetupFailure> CreateSurfaces() {
  // The primary surface stands for the backend's screen; presentation hands
  // the back surface to the backend, so it holds no pixels of its own.
  DDFront = std::make_unique<platform::Surface>(0, 0, el::draw::kDisplayFormat);
  DDBack = el::draw::CreateSurface(elDraw::Width, elDraw::Height);
  if (!DDBack) return Fail("裏画面が生成できません");
  return CreateInternalSprites();
}

}  // namespace

int elDraw::SearchDriver(int DriverIndex, const char* DriverDesc, const char* DriverName,
                         void* Context) {
  (void)DriverDesc;
  (void)DriverName;
  SearchVideoCard = 0;
  const auto drivers = platform::DisplayDrivers();
  if (DriverIndex < 0 || static_cast<size_t>(DriverIndex) >= drivers.size() ||
      !platform::HasBackend())
    return 1;
  auto* object = static_cast<int*>(Context);
  const platform::DisplayDriverInfo& driver = drivers[DriverIndex];
  if (driver.driver.hardware_3d && driver.device_3d) {
    if (object) *object = 1;
    SearchVideoCard = 1;
    g_kept_driver = DriverIndex;
    return 0;
  }
  if (object) *object = 0;
  return 1;
}

namespace el::draw {

std::optional<SetupFailure> OpenDisplay(int width_px, int height_px, int memory,
                                        int (*desktop_bits)()) {
  (void)memory;  // every surface lives in memory the display can reach
  DDObject = 0;
  elDraw::ReleaseDC();  // a held context must not outlive the surface
  DDFront.reset();
  DDBack.reset();
  if (width_px == -1) {
    width_px = _WindowSizeX;
    height_px = _WindowSizeY;
  }
  elDraw::Width = width_px;
  elDraw::Height = height_px;
  elDraw::VirtualScreen(0, 0, width_px, height_px);

  if (!OpenDriver()) return Fail("DirectDrawが使用できません");
  // Exclusive full screen needs the main window; a window does not.
  if (_FullScreen && !platform::HasMainWindow()) return Fail("フルスクリーン化できません");
  if (_FullScreen) {
    if (!SetDisplayMode(width_px, height_px)) return Fail("解像度が変更できません");
  } else {
    elDraw::ColorBit = desktop_bits();
  }
  if (auto failure = CreateSurfaces()) return failure;
  ReadCapabilities();
  if (!ReadPixelFormat(DDBack->Format())) return Fail("ピクセル情報が取得できません");
  FillRotateData();
  if (desktop_bits() == 16) FillSixteenBitTables();
  for (int i = kFirstFreeSprite; i < kSpriteCount; ++i) ResetEntry(Sprite[i]);
  elDraw::HelpBMP[0] = elDraw::HelpBMP[1] = 0;
  elDraw::RefreshSize = {0, 0, width_px, height_px};
  elDraw::RefreshPos = {_WindowX, _WindowY, _WindowX + width_px, _WindowY + height_px};
  return std::nullopt;
}

}  // namespace el::draw

void elDraw::DestroyObject() {
  if (DDObject != 0) {
    ReleaseDC();
    for (_sprite& entry : Sprite)
      if (entry.Object) el::draw::ResetEntry(entry);
    DDFront.reset();
    DDBack.reset();
    if (_FullScreen && platform::HasBackend()) platform::RestoreDisplayMode();
    DDObject = 0;
  }
  if ((_FullScreen || _FullWindow) && platform::HasBackend()) platform::MinimizeMainWindow();
}
