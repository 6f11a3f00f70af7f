// Renders the game's twelve sounds and writes each as <id>.wav into the folder given on
// the command line, ready to be packed into the sound bundle.

#include <cstdio>
#include <fstream>
#include <string>

#include "libraries/sounds/sounds.h"
#include "libraries/sounds/wave_file.h"

namespace {
struct Recipe {
  int id;
  std::size_t samples;
  synth::Signal (*render)(std::size_t);
};

// By sound id, with the exact length of each in samples. There is no sound 6.
const Recipe Recipes[] = {
    {1, 30411, sounds::BridgeAmbience}, {2, 60110, sounds::NewGameFanfare},  {3, 3476, sounds::Acknowledgement},
    {4, 12059, sounds::Explosion},      {5, 7606, sounds::EngineDrone},      {7, 60799, sounds::StartUpTheme},
    {8, 7606, sounds::PhaserBeam},      {9, 7595, sounds::TorpedoLaunch},    {10, 15647, sounds::AlienBeam},
    {11, 7626, sounds::HitOnShip},      {12, 34795, sounds::RedAlertKlaxon}, {13, 235687, sounds::EndOfGamePiece},
};
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
    return 2;
  }
  for (const Recipe& recipe : Recipes) {
    const synth::Signal signal = recipe.render(recipe.samples);
    const std::vector<std::uint8_t> image = sounds::WaveImage(synth::ToPcm8(signal));
    const std::string path = std::string(argv[1]) + "/" + std::to_string(recipe.id) + ".wav";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
