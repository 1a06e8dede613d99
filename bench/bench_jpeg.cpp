// Decoding speed of a background picture and of the large artwork, the file already in memory.
// Run: build/bench/bench_jpeg   (medians over 10 repetitions)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "display/Jpeg.h"
#include "display/Png.h"
#include "layouts/LayoutFile.h"

using namespace velmor;

namespace {

// Stand-in when the shipped picture is missing: same size, with gradients and fine detail so
// the entropy decoder has real work to do.
std::vector<uint8_t> EncodeStandIn(int width, int height) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      rgb.insert(rgb.end(), {uint8_t(x * 255 / width), uint8_t(y * 255 / height), uint8_t((x * y) ^ (x + y))});
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 85, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = rgb.data() + static_cast<size_t>(cinfo.next_scanline) * width * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

struct Input {
  std::vector<uint8_t> bytes;
  std::string label;
};

const Input& Andromeda() {
  static const Input input = [] {
    std::string text, error;
    if (ReadWholeFile(std::string(VELMOR_DATA_DIR) + "/Backgrounds/andromeda.jpg", text, error))
      return Input{std::vector<uint8_t>(text.begin(), text.end()), "andromeda.jpg"};
    return Input{EncodeStandIn(704, 468), "andromeda.jpg missing: 704 x 468 stand-in encoded in memory"};
  }();
  return input;
}

void BM_DecodeAndromeda(benchmark::State& state) {
  const Input& input = Andromeda();
  Picture pic;
  std::string error;
  for (auto _ : state) {
    if (!DecodeJpeg(input.bytes.data(), input.bytes.size(), pic, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    benchmark::DoNotOptimize(pic.pixels().data());
  }
  state.SetLabel(input.label);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(input.bytes.size()));
}
BENCHMARK(BM_DecodeAndromeda)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_DecodeStandIn(benchmark::State& state) {
  static const std::vector<uint8_t> bytes = EncodeStandIn(704, 468);
  Picture pic;
  std::string error;
  for (auto _ : state) {
    if (!DecodeJpeg(bytes.data(), bytes.size(), pic, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    benchmark::DoNotOptimize(pic.pixels().data());
  }
  state.SetLabel("704 x 468, detailed, quality 85");
}
BENCHMARK(BM_DecodeStandIn)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The artwork a change of scale decodes when nothing is kept from an earlier run.
void BM_DecodeArtworkPng(benchmark::State& state) {
  static const char* const files[] = {"Backgrounds/andromeda@3x.png", "Tilesets/pai@3x.png",
                                      "Backgrounds/andromeda@4x.png"};
  const std::string path = std::string(VELMOR_DATA_DIR) + "/" + files[state.range(0)];
  std::string text, error;
  if (!ReadWholeFile(path, text, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  Picture pic;
  for (auto _ : state) {
    if (!DecodePng(reinterpret_cast<const uint8_t*>(text.data()), text.size(), pic, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    benchmark::DoNotOptimize(pic.pixels().data());
  }
  state.SetLabel(files[state.range(0)]);
}
BENCHMARK(BM_DecodeArtworkPng)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
