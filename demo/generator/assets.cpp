#include "demo/generator/assets.h"

#include <fstream>
#include <stdexcept>

#include "demo/generator/art.h"
#include "demo/generator/bmp_writer.h"
#include "demo/generator/palette.h"
#include "demo/generator/songs.h"
#include "demo/generator/synth.h"
#include "demo/generator/wav_writer.h"

namespace demo {
namespace {

using Painter = Image (*)();

Asset Bmp24(std::string path, std::string purpose, Painter paint, BmpOptions options = {}) {
  return {std::move(path), std::move(purpose),
          [paint, options] { return EncodeBmp24(paint(), options); }};
}

// A picture of few flat colours, stored with its exact palette.
Asset BmpExact(std::string path, std::string purpose, Painter paint, int bits_per_pixel,
               BmpOptions options = {}) {
  return {std::move(path), std::move(purpose), [paint, bits_per_pixel, options] {
            const auto paletted = ExactPalette(paint(), size_t{1} << bits_per_pixel);
            if (!paletted) throw std::runtime_error("too many colours for the depth");
            return EncodeBmpPaletted(*paletted, bits_per_pixel, options);
          }};
}

Asset BmpDithered(std::string path, std::string purpose, Painter paint) {
  return {std::move(path), std::move(purpose),
          [paint] { return EncodeBmpPaletted(DitherToCube(paint()), 8); }};
}

Asset Wav(std::string path, std::string purpose, Sound (*synth)(), std::string comment = {}) {
  return {std::move(path), std::move(purpose), [synth, comment] {
            const Sound sound = synth();
            return EncodeWav16(sound.format, sound.samples, comment);
          }};
}

Asset Midi(std::string path, std::string purpose, MidiFile (*compose)()) {
  return {std::move(path), std::move(purpose), [compose] { return EncodeMidiFile(compose()); }};
}

}  // namespace

std::vector<Asset> GameAssets() {
  const BmpOptions no_size_field{.write_image_size = false};
  const BmpOptions full_table{.full_colour_table = true};
  return {
      Bmp24("lyout/mark.bmp", "start-up logo, 100x100, black transparent", PaintStartLogo),
      Bmp24("lyout/title.bmp", "title screen, 640x480 (image size field 0)", PaintTitle,
            no_size_field),
      Bmp24("lyout/bback.bmp", "screen backdrop with recessed panels, 640x480", PaintBackdrop),
      Bmp24("lyout/fback.bmp", "message window frame, 608x100, white corners transparent",
            PaintWindowFrame),
      Bmp24("lyout/mouse.bmp", "pointer arrow, 13x21, white transparent", PaintPointer),
      Bmp24("person/akari.bmp", "Akari, the girl; portrait 152x240", PaintAkari),
      Bmp24("person/kuro.bmp", "Kuro, the black cat; portrait 152x240", PaintKuro),
      Bmp24("person/kitsune.bmp", "the white fox spirit; portrait 152x240", PaintKitsune),
      Bmp24("backmain/room.bmp", "grandmother's tatami room by day, 448x336", PaintRoom),
      Bmp24("backmain/street.bmp", "village street at dusk, 448x336", PaintStreet),
      BmpDithered("backmain/forest.bmp", "forest path, 448x336, 8-bit dithered", PaintForest),
      Bmp24("backmain/shrine.bmp", "shrine gate at night, 448x336", PaintShrine),
      Bmp24("backmain/river.bmp", "river with fireflies at night, 448x336", PaintRiver),
      Bmp24("frontmain/lantern.bmp", "red paper lantern, 160x160, white transparent", PaintLantern),
      Bmp24("frontmain/box.bmp", "tied wooden box, 160x160, white transparent", PaintBox),
      BmpExact("frontmain/mask.bmp", "fox mask, 160x160, 8-bit, white transparent", PaintMask, 8),
      BmpExact("item/key.bmp", "key icon, 32x32, 4-bit, white transparent", PaintKeyItem, 4,
               full_table),
      BmpExact("item/bell.bmp", "bell icon, 32x32, 4-bit, white transparent", PaintBellItem, 4,
               full_table),
      BmpExact("item/charm.bmp", "charm icon, 32x32, 4-bit, white transparent", PaintCharmItem, 4),
      Wav("wav/click.wav", "short click, 22050 Hz mono", SynthClick),
      Wav("wav/chime.wav", "wind chime, 44100 Hz stereo", SynthChime, "wind chime"),
      Wav("wav/door.wav", "sliding door, 22050 Hz mono", SynthDoor),
      Wav("wav/steps.wav", "four footsteps, 22050 Hz mono", SynthSteps),
      Wav("wav/wind.wav", "night wind, 22050 Hz stereo", SynthWind),
      Wav("wav/bell.wav", "small shrine bell, 44100 Hz mono", SynthBell, "shrine bell"),
      Wav("wav/magic.wav", "rising sparkle for a found item, 44100 Hz stereo", SynthMagic),
      Midi("midi/title.mid", "title theme, calm (format 0)", ComposeTitleSong),
      Midi("midi/village.mid", "daytime village, light (format 1)", ComposeVillageSong),
      Midi("midi/night.mid", "night forest and shrine, mysterious (format 1, running status)",
           ComposeNightSong),
      Midi("midi/ending.mid", "ending, warm (format 1)", ComposeEndingSong),
  };
}

std::vector<Asset> ProgramResources() {
  return {
      Bmp24("kovadine2.bmp", "closing logo, 100x100, resource BITMAP KOVADINE2", PaintClosingLogo),
      {"main_icon.bmp", "window icon, 64x64 with alpha, resource ICON MAIN",
       [] {
         const IconPicture icon = PaintProgramIcon();
         return EncodeBmp32(icon.colour, icon.alpha);
       }},
  };
}

void WriteAssets(const std::vector<Asset>& assets, const std::filesystem::path& folder) {
  for (const Asset& asset : assets) {
    const std::filesystem::path path = folder / asset.path;
    const std::vector<uint8_t> bytes = asset.make();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace demo
