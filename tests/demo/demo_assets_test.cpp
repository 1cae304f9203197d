// The generated game tree: what the story and the player rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "demo/generator/assets.h"
#include "demo/generator/songs.h"
#include "tests/demo/file_probe.h"
#include "tests/support/support.h"

namespace demo {
namespace {

using demo_test::BmpPixel;
using demo_test::Colour;
using demo_test::ReadBmpInfo;
using demo_test::Tag;
using demo_test::U16;
using demo_test::U32;
using Bytes = std::vector<uint8_t>;

constexpr Colour kWhite{255, 255, 255};

// Every asset of the game and the resources by path, each made when a test
// first asks for it: painting all pictures takes a while in sanitizer builds,
// and each test runs in its own process.
const std::map<std::string, Asset>& Manifest() {
  static const std::map<std::string, Asset> manifest = [] {
    std::map<std::string, Asset> out;
    for (const auto& list : {GameAssets(), ProgramResources()}) {
      for (const Asset& asset : list) out.emplace(asset.path, asset);
    }
    return out;
  }();
  return manifest;
}

const Bytes& File(const std::string& path) {
  static std::map<std::string, Bytes> made;
  auto it = made.find(path);
  if (it == made.end()) it = made.emplace(path, Manifest().at(path).make()).first;
  return it->second;
}

std::vector<std::string> InFolder(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& [path, asset] : Manifest()) {
    if (path.starts_with(folder + "/")) names.push_back(path);
  }
  return names;
}

TEST(DemoAssets, PicturesHaveTheSizesTheLayoutExpectsAndDepthsThePlayerReads) {
  const struct {
    std::string path;
    int width, height;
  } cases[] = {{"lyout/mark.bmp", 100, 100},  {"lyout/title.bmp", 640, 480},
               {"lyout/bback.bmp", 640, 480}, {"lyout/fback.bmp", 608, 100},
               {"lyout/mouse.bmp", 13, 21},   {"kovadine2.bmp", 100, 100},
               {"main_icon.bmp", 64, 64}};
  for (const auto& c : cases) {
    const auto info = ReadBmpInfo(File(c.path));
    EXPECT_EQ(info.width, c.width) << c.path;
    EXPECT_EQ(info.height, c.height) << c.path;
  }
  for (const auto& [folder, size] :
       std::map<std::string, std::pair<int, int>>{{"person", {152, 240}},
                                                  {"backmain", {448, 336}},
                                                  {"frontmain", {160, 160}},
                                                  {"item", {32, 32}}}) {
    for (const std::string& path : InFolder(folder)) {
      const auto info = ReadBmpInfo(File(path));
      EXPECT_EQ(std::make_pair(info.width, info.height), size) << path;
    }
  }
  // What the player reads is uncompressed, of 24, 8 or 4 bits, and each of
  // the three depths occurs. (The icon is for the window system.)
  std::multiset<uint32_t> depths;
  for (const auto& [path, asset] : Manifest()) {
    if (!path.ends_with(".bmp") || path == "main_icon.bmp") continue;
    const Bytes& bytes = File(path);
    EXPECT_EQ(Tag(bytes, 0, 2), "BM") << path;
    EXPECT_EQ(U32(bytes, 30), 0u) << path << " is compressed";
    depths.insert(ReadBmpInfo(bytes).bits);
  }
  EXPECT_GE(depths.count(24), 1u);
  EXPECT_GE(depths.count(8), 1u);
  EXPECT_GE(depths.count(4), 1u);
  EXPECT_EQ(depths.size(), depths.count(24) + depths.count(8) + depths.count(4));
}

TEST(DemoAssets, FoldersHoldEnoughOfEachKind) {
  EXPECT_GE(InFolder("person").size(), 2u);
  EXPECT_GE(InFolder("backmain").size(), 4u);
  EXPECT_GE(InFolder("frontmain").size(), 1u);
  EXPECT_GE(InFolder("item").size(), 3u);
  EXPECT_GE(InFolder("wav").size(), 5u);
  EXPECT_GE(InFolder("midi").size(), 3u);
  EXPECT_EQ(InFolder("lyout"),
            (std::vector<std::string>{"lyout/bback.bmp", "lyout/fback.bmp", "lyout/mark.bmp",
                                      "lyout/mouse.bmp", "lyout/title.bmp"}));
}

// Whether `edge` looks like `inner` partly mixed with white: what a soft
// (blended) outline leaves behind, which shows as a pale fringe once white
// is transparent.
bool MixedWithWhite(Colour edge, Colour inner) {
  float lo = 1, hi = 0;
  int channels = 0;
  for (const auto& [e, i] : {std::pair{edge.r, inner.r}, {edge.g, inner.g}, {edge.b, inner.b}}) {
    if (255 - i < 24) continue;  // too close to white to tell
    const float t = static_cast<float>(e - i) / static_cast<float>(255 - i);
    lo = std::min(lo, t);
    hi = std::max(hi, t);
    ++channels;
  }
  return channels > 0 && lo > 0.08f && hi < 0.97f && hi - lo < 0.08f;
}

TEST(DemoAssets, KeyedPicturesHaveTransparentCornersAndNoPaleFringe) {
  std::vector<std::string> keyed = {"lyout/fback.bmp", "lyout/mouse.bmp"};
  for (const auto& folder : {"frontmain", "item"}) {
    for (const std::string& path : InFolder(folder)) keyed.push_back(path);
  }
  constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const std::string& path : keyed) {
    const Bytes& bmp = File(path);
    const auto info = ReadBmpInfo(bmp);
    const auto at = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < info.width && y < info.height ? BmpPixel(bmp, x, y) : kWhite;
    };
    EXPECT_EQ(at(info.width - 1, 0), kWhite) << path;
    EXPECT_EQ(at(0, info.height - 1), kWhite) << path;
    int fringe = 0, opaque = 0;
    for (int y = 0; y < info.height; ++y) {
      for (int x = 0; x < info.width; ++x) {
        const Colour c = at(x, y);
        if (c == kWhite) continue;
        ++opaque;
        bool by_key = false, mixed = false;
        for (const auto& s : kSteps) {
          const Colour n = at(x + s[0], y + s[1]);
          if (n == kWhite) by_key = true;
          const Colour far = at(x - s[0], y - s[1]);
          if (n == kWhite && far != kWhite && MixedWithWhite(c, far)) mixed = true;
        }
        if (by_key && mixed) ++fringe;
      }
    }
    EXPECT_EQ(fringe, 0) << path;
    EXPECT_GT(opaque, info.width * info.height / 8) << path << " is nearly empty";
  }
}

TEST(DemoAssets, LogosSitOnBlack) {
  for (const std::string path : {"lyout/mark.bmp", "kovadine2.bmp"}) {
    const Bytes& bmp = File(path);
    EXPECT_EQ(BmpPixel(bmp, 0, 0), (Colour{0, 0, 0})) << path;
    EXPECT_EQ(BmpPixel(bmp, 99, 99), (Colour{0, 0, 0})) << path;
    EXPECT_NE(BmpPixel(bmp, 50, 40), (Colour{0, 0, 0})) << path;
  }
}

TEST(DemoAssets, IconIsTransparentOutsideItsRoundedPlate) {
  const Bytes& bmp = File("main_icon.bmp");
  ASSERT_EQ(ReadBmpInfo(bmp).bits, 32u);
  const auto alpha = [&](int x, int y) { return bmp[54 + ((63 - y) * 64 + x) * 4 + 3]; };
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(63, 63), 0);
  EXPECT_EQ(alpha(32, 32), 255);
  EXPECT_EQ(alpha(32, 0), 255);
}

TEST(DemoAssets, SoundsAre16BitPcmAtCommonRates) {
  for (const std::string& path : InFolder("wav")) {
    const Bytes& wav = File(path);
    EXPECT_EQ(Tag(wav, 0), "RIFF") << path;
    EXPECT_EQ(U32(wav, 4), wav.size() - 8) << path;
    EXPECT_EQ(U16(wav, 20), 1u) << path;
    EXPECT_TRUE(U16(wav, 22) == 1 || U16(wav, 22) == 2) << path;
    EXPECT_TRUE(U32(wav, 24) == 22050 || U32(wav, 24) == 44100) << path;
    EXPECT_EQ(U16(wav, 34), 16u) << path;
    const double seconds = static_cast<double>(wav.size() - 44) / (U32(wav, 28));
    EXPECT_GT(seconds, 0.02) << path;
    EXPECT_LT(seconds, 5.0) << path;
  }
}

TEST(DemoAssets, SongsLastTwentyToSixtySecondsAndUseSeveralChannels) {
  for (const auto compose :
       {ComposeTitleSong, ComposeVillageSong, ComposeNightSong, ComposeEndingSong}) {
    const MidiFile song = compose();
    const double seconds = MidiDurationSeconds(song);
    EXPECT_GE(seconds, 20.0);
    EXPECT_LE(seconds, 60.0);
    // Channels that receive notes, from the encoded bytes (status 0x9n),
    // read without running status.
    MidiFile plain = song;
    plain.running_status = false;
    const Bytes smf = EncodeMidiFile(plain);
    std::set<int> channels;
    for (size_t i = 0; i + 2 < smf.size(); ++i) {
      if ((smf[i] & 0xF0) == 0x90 && smf[i + 1] < 0x80 && smf[i + 2] < 0x80 && smf[i + 2] > 0) {
        channels.insert(smf[i] & 0x0F);
      }
    }
    EXPECT_GE(channels.size(), 3u);
    EXPECT_TRUE(channels.contains(kDrumChannel) || channels.size() >= 4);
  }
}

TEST(DemoAssets, SameBytesEveryTime) {
  // Those made with noise, dithering and random placement.
  for (const std::string path : {"lyout/title.bmp", "backmain/forest.bmp", "backmain/river.bmp",
                                 "wav/steps.wav", "wav/wind.wav", "midi/night.mid"}) {
    EXPECT_EQ(Manifest().at(path).make(), File(path)) << path;
  }
}

TEST(DemoAssets, WritesTheTreeAndReportsFailure) {
  test_support::TempFolder folder;
  WriteAssets(ProgramResources(), folder.Path());
  const std::string written = folder.Read("kovadine2.bmp");
  EXPECT_EQ(Bytes(written.begin(), written.end()), File("kovadine2.bmp"));
  // A file where a folder must go.
  folder.Write("blocked", "x");
  EXPECT_THROW(WriteAssets(ProgramResources(), folder.Path() / "blocked"), std::exception);
}

}  // namespace
}  // namespace demo
