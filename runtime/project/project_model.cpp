#include "runtime/project/project_model.h"

#include <algorithm>

namespace {

// The one copy of the project; zero until data.aoat is read.
constinit project::ProjectData g_project{};

}  // namespace

std::array<project::TextRecord, project::kTextRecords>& str = g_project.str;
std::array<std::array<int32_t, project::kPageFields>, project::kPages>& str2 = g_project.str2;
std::array<project::TextRecord, 3>& str3 = g_project.str3;
int32_t& str4 = g_project.str4;
int32_t& sinariono = g_project.sinariono;
std::array<project::TextRecord, project::kListEntries>& str5 = g_project.str5;
ScreenLayout& str6 = g_project.str6;
std::array<int32_t, 5>& str7 = g_project.str7;
project::AssetNames& picname = g_project.picname;
std::array<ScreenLayout, project::kPages>& pagescrinf = g_project.pagescrinf;
std::array<uint8_t, project::kPages>& pagescrused = g_project.pagescrused;

int gyou = 0;
std::array<uint8_t, project::kPages> throwflug{};
std::array<int, kMaxItems> itembox{};
int itemnownum = 0;
int savemidi = 0;
int autoflug = 0;
int soundflug = 0;
int midiflug = 0;
int selectflug = 0;

uint32_t selectcolor(int number) {
  struct Rgb {
    uint32_t r, g, b;
  };
  static constexpr std::array<Rgb, 11> kColors{{
      {0, 0, 0},        // black
      {255, 255, 255},  // white
      {255, 0, 0},      // red
      {0, 0, 255},      // blue
      {255, 255, 0},    // yellow
      {0, 255, 0},      // green
      {255, 0, 255},    // magenta
      {0, 255, 255},    // cyan
      {128, 128, 128},  // grey
      {155, 160, 60},
      {208, 208, 208},  // light grey
  }};
  if (number < 0 || number >= static_cast<int>(kColors.size())) return 0;
  const Rgb& c = kColors[static_cast<size_t>(number)];
  return c.r | (c.g << 8) | (c.b << 16);
}

namespace runtime {
namespace {

bool InRange(int value, int count) {
  return value >= 0 && value < count;
}

}  // namespace

project::ProjectData& LoadedProject() {
  return g_project;
}

void DecodeProject(std::span<const uint8_t> image) {
  project::Decode(image, &g_project);
}

void ClearProject() {
  DecodeProject({});
  gyou = 0;
  throwflug.fill(0);
  itembox.fill(0);
  itemnownum = 0;
  savemidi = 0;
  autoflug = 0;
  soundflug = 0;
  midiflug = 0;
  selectflug = 0;
}

bool IsPage(int page) {
  return InRange(page, project::kPages);
}

int32_t PageField(int page, int index) {
  if (!IsPage(page) || !InRange(index, project::kPageFields)) return 0;
  return str2[static_cast<size_t>(page)][static_cast<size_t>(index)];
}

int32_t CurrentPageField(int index) {
  return PageField(sinariono, index);
}

std::string_view PageText(int page, int line) {
  if (!IsPage(page) || !InRange(line, project::kRecordsPerPage)) return {};
  return project::FieldText(str[static_cast<size_t>(project::RecordIndex(page, line))]);
}

const ScreenLayout& PageLayout(int page) {
  if (IsPage(page) && pagescrused[static_cast<size_t>(page)] != 0)
    return pagescrinf[static_cast<size_t>(page)];
  return str6;
}

int ListCount(project::AssetList list) {
  if (!InRange(list, project::kAssetListCount)) return 0;
  return std::clamp(picname.counts[static_cast<size_t>(list)], 0, project::kMaxListCount);
}

bool IsListNumber(project::AssetList list, int n) {
  return n >= 1 && n <= ListCount(list);
}

std::string_view ListName(project::AssetList list, int n) {
  if (!IsListNumber(list, n)) return {};
  return project::FieldText(picname.names[static_cast<size_t>(list)][static_cast<size_t>(n)]);
}

std::string_view PersonName(int k) {
  if (k < 1 || k > project::kMaxListCount) return {};
  return project::FieldText(str5[static_cast<size_t>(k)]);
}

std::string_view TitleText() {
  return project::FieldText(str3[2]);
}

bool PageVisited(int page) {
  return IsPage(page) && throwflug[static_cast<size_t>(page)] != 0;
}

void MarkPageVisited(int page) {
  if (IsPage(page)) throwflug[static_cast<size_t>(page)] = 1;
}

}  // namespace runtime
