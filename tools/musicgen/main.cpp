// velmor-musicgen: writes the tunes and sound effects the game ships in data/.
//
//   velmor-musicgen DATA_DIR
//
// Writes DATA_DIR/Musics/*.mid and DATA_DIR/{select,noway,done}.wav. The output depends only on
// this program, so running it again reproduces the files byte for byte.

#include "Effects.h"
#include "Tunes.h"
#include "WavFile.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out.flush()) throw std::runtime_error(path.string() + ": cannot write");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmor-musicgen DATA_DIR\n");
    return 1;
  }
  try {
    const std::filesystem::path data = argv[1];
    std::filesystem::create_directories(data / "Musics");
    for (const musicgen::Tune& tune : musicgen::tunes()) {
      const musicgen::WrittenTune written = musicgen::writeTune(tune);
      save(data / "Musics" / tune.fileName, written.bytes);
      std::printf("Musics/%-18s %6.1f s  %3d bars  %2zu parts  %4d notes\n", tune.fileName.c_str(), written.seconds,
                  written.bars, tune.voices.size(), written.notes);
    }
    for (const musicgen::Sound& sound : musicgen::effects()) {
      save(data / sound.fileName, musicgen::wavFile(sound.samples, sound.sampleRate));
      std::printf("%-25s %6.0f ms\n", sound.fileName.c_str(), 1000.0 * double(sound.samples.size()) / sound.sampleRate);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmor-musicgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
