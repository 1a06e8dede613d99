#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>  // setenv
#include <string>

#include "platform/QtPictures.h"

namespace {
std::string& InputPath() {
  // Per process, so parallel jobs (-jobs/-fork) do not overwrite each other's input.
  // The suffix is the one the game's pictures carry; Qt still probes the content when it lies.
  static std::string path = "/tmp/velmor_fuzz_bitmap_" + std::to_string(getpid()) + ".bmp";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = InputPath();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  const bool written = std::fwrite(data, 1, size, f) == size;
  std::fclose(f);
  if (!written) return 0;
  velmor::Picture picture;
  std::string error;
  velmor::LoadPictureFile(path, picture, error);
  // libFuzzer leaves by _Exit, so nothing at exit would clean up after us.
  unlink(path.c_str());
  return 0;
}
