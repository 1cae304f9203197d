// The project file data.aoat: a plain dump of fixed-size blocks, without
// header, version or checksum. This is the one description of its layout; the
// player's reader and the authoring tool's writer both go through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace project {

inline constexpr int kPages = 1000;
inline constexpr int kRecordsPerPage = 14;  // lines 0-9, then the four choice texts
inline constexpr int kMessageLines = 10;
inline constexpr int kChoices = 4;
inline constexpr int kTextBytes = 100;
inline constexpr int kPageFields = 50;
inline constexpr int kSlots = 9;
inline constexpr int kListEntries = 200;  // entry 0 is never used
inline constexpr int kMaxListCount = kListEntries - 1;
inline constexpr int kTextRecords = kPages * kRecordsPerPage;

using TextRecord = std::array<char, kTextBytes>;

// One layout slot as stored: 24 bytes with two padding gaps, kept as they
// came so that a file can be rewritten byte for byte.
struct ScreenParam {
  uint8_t show = 0;
  uint8_t sprite = 0;
  std::array<uint8_t, 2> padding1{};
  int32_t x = 0;
  int32_t y = 0;
  uint8_t stretch = 0;
  std::array<uint8_t, 3> padding2{};
  int32_t sizex = 0;
  int32_t sizey = 0;
};
inline constexpr size_t kScreenParamBytes = 24;

// Asset lists: six counts, then six lists of 200 names of 100 bytes.
enum AssetList { kPersons = 0, kFronts, kBacks, kSounds, kSongs, kItems, kAssetListCount };

struct AssetNames {
  std::array<int32_t, kAssetListCount> counts{};  // pnnum, fmnum, bmnum, wavnum, midinum, itemnum
  std::array<std::array<TextRecord, kListEntries>, kAssetListCount> names{};
};

// Fields of a page's 50 integers.
namespace field {
inline constexpr int kPerson0 = 0;  // 2k: person of line k
inline constexpr int kSound0 = 1;   // 2k+1: sound of line k
inline constexpr int kBackPicture = 20;
inline constexpr int kFrontPicture = 21;
inline constexpr int kSong = 22;
inline constexpr int kChoiceTarget0 = 23;  // 23..26
inline constexpr int kNextPage = 27;
inline constexpr int kEndType = 28;
inline constexpr int kRandomLow = 29;
inline constexpr int kRandomHigh = 30;
inline constexpr int kVisitedPage = 31;
inline constexpr int kVisitedTarget = 32;
inline constexpr int kNotVisitedTarget = 33;
inline constexpr int kGivesItem = 34;
inline constexpr int kGivenItem = 35;
inline constexpr int kTestedItem = 36;
inline constexpr int kHeldTarget = 37;
inline constexpr int kNotHeldTarget = 38;
inline constexpr int kAutoPage = 39;
inline constexpr int kAutoDelay = 40;  // units of 100 ms
}  // namespace field

// End types (field 28).
namespace end_type {
inline constexpr int kNext = 0;
inline constexpr int kChoice = 1;
inline constexpr int kRandom = 2;
inline constexpr int kVisited = 3;
inline constexpr int kItem = 4;
}  // namespace end_type

// Layout slots.
namespace slot {
inline constexpr int kMenu = 0;
inline constexpr int kMessage = 1;
inline constexpr int kItems = 2;
inline constexpr int kFrame = 3;
inline constexpr int kPerson = 4;
inline constexpr int kFront = 5;
inline constexpr int kBack = 6;
inline constexpr int kBackdrop = 7;
inline constexpr int kChoiceBox = 8;
}  // namespace slot

// The whole file in memory, block by block in file order.
struct ProjectData {
  std::array<TextRecord, kTextRecords> str{};                        // texts
  std::array<std::array<int32_t, kPageFields>, kPages> str2{};       // page table
  std::array<TextRecord, 3> str3{};                                  // [2] = window title
  int32_t str4 = 0;                                                  // ignored
  int32_t sinariono = 0;                                             // start page
  std::array<TextRecord, kListEntries> str5{};                       // speaker names
  std::array<ScreenParam, kSlots> str6{};                            // default layout
  std::array<int32_t, 5> str7{};                                     // ignored
  AssetNames picname{};                                              // asset lists
  std::array<std::array<ScreenParam, kSlots>, kPages> pagescrinf{};  // per-page layouts
  std::array<uint8_t, kPages> pagescrused{};                         // 1 = own layout
};

// One block of the file.
struct Block {
  std::string_view name;
  size_t offset;
  size_t size;
};

inline constexpr std::array<Block, 11> kBlocks{{
    {"str", 0, 1400000},
    {"str2", 1400000, 200000},
    {"str3", 1600000, 300},
    {"str4", 1600300, 4},
    {"sinariono", 1600304, 4},
    {"str5", 1600308, 20000},
    {"str6", 1620308, 216},
    {"str7", 1620524, 20},
    {"picname", 1620544, 120024},
    {"pagescrinf", 1740568, 216000},
    {"pagescrused", 1956568, 1000},
}};

inline constexpr size_t kFileSize = 1957568;

// Reads a file image of any length: what it holds is loaded, the rest is zero,
// bytes past the layout are ignored.
void Decode(std::span<const uint8_t> file, ProjectData* out);
// The full file image, exactly kFileSize bytes.
std::vector<uint8_t> Encode(const ProjectData& data);

// A text field as a string: it ends at its first zero byte, or at the field's
// end when it has none.
std::string_view FieldText(const TextRecord& record);

// Record number of line `line` (0-13) of page `page`.
constexpr int RecordIndex(int page, int line) {
  return page * kRecordsPerPage + line;
}

}  // namespace project
