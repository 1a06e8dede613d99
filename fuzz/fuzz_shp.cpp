#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "layouts/LayoutFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::LayoutShape shape;
  std::string error;
  velmor::ParseShpFile(std::string_view(reinterpret_cast<const char*>(data), size), shape, error);
  return 0;
}
