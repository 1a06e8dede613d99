#include <cstddef>
#include <cstdint>
#include <string>

#include "display/Png.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::Picture picture;
  std::string error;
  velmor::DecodePng(data, size, picture, error);
  return 0;
}
