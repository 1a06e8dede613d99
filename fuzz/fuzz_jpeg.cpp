#include <cstddef>
#include <cstdint>
#include <string>

#include "display/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::Picture picture;
  std::string error;
  velmor::DecodeJpeg(data, size, picture, error);
  return 0;
}
