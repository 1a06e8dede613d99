#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::RtfDocument doc;
  std::string error;
  if (velmor::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size), doc, error)) {
    for (const velmor::RtfParagraph& p : doc.paragraphs)
      for (const velmor::RtfRun& run : p.runs)
        if (run.text.empty()) __builtin_trap();
  }
  volatile size_t sink = velmor::RtfToHtml(doc).size();
  (void)sink;
  return 0;
}
