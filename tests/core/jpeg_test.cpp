// Decoding JPEG backgrounds: good pictures of every colour layout, and damaged or hostile files
// that must come back as clear errors without touching the caller's picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "TestSupport.h"
#include "display/Jpeg.h"

using namespace velmor;
using namespace velmor::test;

namespace {

using Bytes = std::vector<uint8_t>;

struct Source {
  int width = 0, height = 0, components = 3;
  J_COLOR_SPACE space = JCS_RGB;
  Bytes samples;
};

struct EncodeOptions {
  bool progressive = false;
  J_COLOR_SPACE stored = JCS_UNKNOWN;      // JCS_UNKNOWN: libjpeg's default for the input
  std::vector<jpeg_scan_info> scans = {};  // a hand-made progression, if any
};

Bytes Encode(const Source& src, const EncodeOptions& options = {}) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(src.width);
  cinfo.image_height = static_cast<JDIMENSION>(src.height);
  cinfo.input_components = src.components;
  cinfo.in_color_space = src.space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (options.stored != JCS_UNKNOWN) jpeg_set_colorspace(&cinfo, options.stored);
  if (options.progressive) jpeg_simple_progression(&cinfo);
  if (!options.scans.empty()) {
    cinfo.scan_info = options.scans.data();
    cinfo.num_scans = static_cast<int>(options.scans.size());
  }
  jpeg_start_compress(&cinfo, TRUE);
  const size_t stride = static_cast<size_t>(src.width) * static_cast<size_t>(src.components);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(src.samples.data() + cinfo.next_scanline * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// Flat 16 x 16 blocks line up with the encoder's colour subsampling, so away from the block
// edges the decoded colours must come back almost exactly.
constexpr int Block = 16;
const uint32_t Palette[] = {Rgb(230, 20, 20),  Rgb(20, 200, 40),  Rgb(30, 40, 220),   Rgb(250, 240, 30),
                            Rgb(20, 220, 230), Rgb(200, 30, 210), Rgb(255, 255, 255), Rgb(0, 0, 0),
                            Rgb(128, 64, 32),  Rgb(40, 90, 160),  Rgb(180, 180, 90),  Rgb(90, 20, 60)};

uint32_t BlockColour(int x, int y) {
  constexpr int n = sizeof Palette / sizeof Palette[0];
  return Palette[(x / Block + 3 * (y / Block)) % n];
}

// Grey pictures use the green of each block; CMYK ones add a fourth sample of 255 on the left
// half and 128 on the right.
Source Blocks(int width, int height, int components = 3) {
  constexpr J_COLOR_SPACE spaces[] = {JCS_UNKNOWN, JCS_GRAYSCALE, JCS_UNKNOWN, JCS_RGB, JCS_CMYK};
  Source s{width, height, components, spaces[components], {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t p = BlockColour(x, y);
      if (components == 1) {
        s.samples.push_back(uint8_t(GreenOf(p)));
        continue;
      }
      s.samples.insert(s.samples.end(), {uint8_t(RedOf(p)), uint8_t(GreenOf(p)), uint8_t(BlueOf(p))});
      if (components == 4) s.samples.push_back(x < width / 2 ? 255 : 128);
    }
  return s;
}

bool InsideBlock(int x, int y) {
  const int bx = x % Block, by = y % Block;
  return bx >= 3 && bx < Block - 3 && by >= 3 && by < Block - 3;
}

// Every pixel away from block edges within `tolerance` of `expected`, and no pixel with
// anything in its fourth byte (the raster operations rely on that byte staying zero).
template <typename Expected>
void ExpectBlocks(const Picture& pic, Expected expected, int tolerance = 4) {
  int bad = 0;
  for (int y = 0; y < pic.height(); ++y)
    for (int x = 0; x < pic.width(); ++x) {
      const uint32_t p = pic.at(x, y);
      if (p >> 24) ++bad;
      if (!InsideBlock(x, y)) continue;
      const uint32_t e = expected(x, y);
      if (std::abs(RedOf(p) - RedOf(e)) > tolerance || std::abs(GreenOf(p) - GreenOf(e)) > tolerance ||
          std::abs(BlueOf(p) - BlueOf(e)) > tolerance) {
        if (bad++ < 5) ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << p << ", expected " << e;
      }
    }
  EXPECT_EQ(bad, 0);
}

Picture MustDecode(const Bytes& bytes) {
  Picture pic;
  std::string error;
  EXPECT_TRUE(DecodeJpeg(bytes.data(), bytes.size(), pic, error)) << error;
  return pic;
}

// A refused picture: a one-sentence reason containing `expected`, and the caller's picture
// exactly as it was.
void ExpectRefused(const Bytes& bytes, const std::string& expected) {
  const Picture before(3, 2, Rgb(1, 2, 3));
  Picture pic = before;
  std::string error;
  EXPECT_FALSE(DecodeJpeg(bytes.data(), bytes.size(), pic, error));
  EXPECT_NE(error.find(expected), std::string::npos) << "error: " << error;
  EXPECT_FALSE(error.empty() || error.back() == '.') << error;
  EXPECT_TRUE(pic == before);
}

// Offset of the first marker in [first, last], found by walking the segments.
size_t MarkerOffset(const Bytes& b, uint8_t first, uint8_t last) {
  size_t i = 2;
  while (i + 4 <= b.size() && b[i] == 0xFF) {
    if (b[i + 1] >= first && b[i + 1] <= last) return i;
    i += 2 + (size_t{b[i + 2]} << 8 | b[i + 3]);
  }
  ADD_FAILURE() << "no marker " << int(first);
  return 0;
}

// Where the width and height of the first frame header (SOF0 to SOF2) are.
size_t FrameSizeOffset(const Bytes& b) { return MarkerOffset(b, 0xC0, 0xC2) + 5; }

// Where the entropy-coded data of the first scan begins.
size_t ScanDataOffset(const Bytes& b) {
  const size_t sos = MarkerOffset(b, 0xDA, 0xDA);
  return sos + 2 + (size_t{b[sos + 2]} << 8 | b[sos + 3]);
}

Bytes WithSize(Bytes b, int width, int height) {
  const size_t at = FrameSizeOffset(b);
  b[at] = uint8_t(height >> 8), b[at + 1] = uint8_t(height);
  b[at + 2] = uint8_t(width >> 8), b[at + 3] = uint8_t(width);
  return b;
}

TEST(JpegDecode, ColourAndGreyPicturesComeBackFaithfully) {
  // 208 is 13 blocks, so rows do not repeat the palette; 37 x 21 leaves partial blocks.
  const auto grey = [](int x, int y) { return GreenOf(BlockColour(x, y)) * 0x010101u; };
  for (auto [width, height] : {std::pair{208, 96}, std::pair{37, 21}})
    for (bool progressive : {false, true}) {
      SCOPED_TRACE(testing::Message() << width << " x " << height << (progressive ? " progressive" : " baseline"));
      Picture pic = MustDecode(Encode(Blocks(width, height), {.progressive = progressive}));
      ASSERT_EQ(pic.width(), width);
      ASSERT_EQ(pic.height(), height);
      ExpectBlocks(pic, BlockColour);
      pic = MustDecode(Encode(Blocks(width, height, 1), {.progressive = progressive}));
      ASSERT_EQ(pic.width(), width);
      for (uint32_t p : pic.pixels()) ASSERT_TRUE(RedOf(p) == GreenOf(p) && GreenOf(p) == BlueOf(p)) << std::hex << p;
      ExpectBlocks(pic, grey, 2);
    }
  // RGB stored as is rather than as YCbCr.
  ExpectBlocks(MustDecode(Encode(Blocks(64, 32), {.stored = JCS_RGB})), BlockColour);
}

TEST(JpegDecode, CmykAndYcckAreConvertedToRgb) {
  const Source src = Blocks(64, 32, 4);
  const auto expected = [](bool adobe) {
    return [adobe](int x, int y) {
      const uint32_t p = BlockColour(x, y);
      const int k = x < 32 ? 255 : 128;
      // Adobe's inverted form: 255 is no ink, so the samples read as RGB darkened by k.
      const auto ink = [&](int v) { return adobe ? (v * k + 127) / 255 : ((255 - v) * (255 - k) + 127) / 255; };
      return Rgb(ink(RedOf(p)), ink(GreenOf(p)), ink(BlueOf(p)));
    };
  };
  for (J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
    SCOPED_TRACE(stored == JCS_CMYK ? "CMYK" : "YCCK");
    const Picture pic = MustDecode(Encode(src, {.stored = stored}));
    ASSERT_EQ(pic.width(), 64);
    ExpectBlocks(pic, expected(true), 6);
  }
  // Without Adobe's marker the samples are taken as plain ink amounts.
  Bytes plain = Encode(src, {.stored = JCS_CMYK});
  const size_t adobe = MarkerOffset(plain, 0xEE, 0xEE);
  plain.erase(plain.begin() + static_cast<long>(adobe),
              plain.begin() + static_cast<long>(adobe + 2 + (size_t{plain[adobe + 2]} << 8 | plain[adobe + 3])));
  ExpectBlocks(MustDecode(plain), expected(false), 6);
}

TEST(JpegDecode, JunkBetweenSegmentsIsTolerated) {
  // Some writers leave stray bytes before a marker; libjpeg skips them with a warning and
  // every pixel is still there.
  Bytes bytes = Encode(Blocks(64, 32));
  const size_t sos = MarkerOffset(bytes, 0xDA, 0xDA);
  bytes.insert(bytes.begin() + static_cast<long>(sos), {0x00, 0x17, 0x2A});
  ExpectBlocks(MustDecode(bytes), BlockColour);
}

TEST(JpegRefused, EmptyAndForeignData) {
  ExpectRefused({}, "empty");
  ExpectRefused({0xFF}, "not a JPEG picture");
  ExpectRefused({'B', 'M', 0, 0, 0, 0}, "not a JPEG picture");
  std::mt19937 rng(7);
  Bytes garbage(4096);
  for (uint8_t& b : garbage) b = uint8_t(rng());
  garbage[0] = 0x42;
  ExpectRefused(garbage, "not a JPEG picture");
  // A start marker followed by noise gets past the first check but no further.
  garbage[0] = 0xFF, garbage[1] = 0xD8;
  ExpectRefused(garbage, "JPEG");
  ExpectRefused({0xFF, 0xD8}, "truncated");
}

TEST(JpegRefused, TruncatedFilesAreErrorsNotGreyPictures) {
  const Source src = Blocks(128, 64);
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const Bytes whole = Encode(src, {.progressive = progressive});
    ExpectRefused(Bytes(whole.begin(), whole.begin() + whole.size() / 2), "truncated");
    ExpectRefused(Bytes(whole.begin(), whole.begin() + long(FrameSizeOffset(whole)) + 4), "truncated");
    ExpectRefused(Bytes(whole.begin(), whole.end() - 40), "truncated");
  }
}

TEST(JpegRefused, DamagedScanDataIsAnError) {
  const Bytes good = Encode(Blocks(128, 64));
  const size_t data = ScanDataOffset(good);
  ASSERT_GT(good.size(), data + 40);
  // A marker early in the entropy-coded data: the scan ends after a few blocks.
  Bytes bytes = good;
  bytes[data + 8] = 0xFF, bytes[data + 9] = 0xD0;
  ExpectRefused(bytes, "damaged");
  // Codes that exist in no Huffman table.
  bytes = good;
  for (size_t i = data + 4; i < data + 24; ++i) bytes[i] = 0xFE;
  ExpectRefused(bytes, "damaged");
}

TEST(JpegRefused, SidesBeyondTheLimitOrEmpty) {
  const Picture widest = MustDecode(Encode(Blocks(MaxJpegSide, 16)));
  EXPECT_EQ(widest.width(), MaxJpegSide);
  const Bytes good = Encode(Blocks(64, 32));
  ExpectRefused(WithSize(good, 60000, 60000), "too large (60000 x 60000");
  ExpectRefused(WithSize(good, MaxJpegSide + 1, 10), "too large");
  ExpectRefused(WithSize(good, 10, MaxJpegSide + 1), "too large");
  ExpectRefused(WithSize(good, 65535, 65535), "too large");
  ExpectRefused(WithSize(good, 0, 0), "no pixels");
  ExpectRefused(WithSize(good, 64, 0), "no pixels");
}

TEST(JpegRefused, EndlessProgressionsAreCutShort) {
  // Every coefficient of every component refined one bit at a time: a legal file, but with
  // about two thousand scans over the whole picture.
  std::vector<jpeg_scan_info> scans;
  for (int al = 10; al >= 0; --al) scans.push_back({3, {0, 1, 2, 0}, 0, 0, al == 10 ? 0 : al + 1, al});
  for (int c = 0; c < 3; ++c)
    for (int k = 1; k < 64; ++k)
      for (int al = 10; al >= 0; --al) scans.push_back({1, {c, 0, 0, 0}, k, k, al == 10 ? 0 : al + 1, al});
  ExpectRefused(Encode(Blocks(16, 16), {.scans = scans}), "too many scans");
}

TEST(JpegRefused, RandomlyDamagedFilesNeverCrashOrHalfDecode) {
  std::mt19937 rng(12345);
  int refused = 0;
  for (int round = 0; round < 600; ++round) {
    static const Bytes baseline = Encode(Blocks(64, 48));
    static const Bytes progressive = Encode(Blocks(64, 48), {.progressive = true});
    Bytes bytes = round % 2 ? progressive : baseline;
    for (int hits = 0; hits < 3; ++hits) bytes[2 + rng() % (bytes.size() - 2)] = uint8_t(rng());
    const Picture before(1, 1, Rgb(7, 7, 7));
    Picture pic = before;
    std::string error;
    if (DecodeJpeg(bytes.data(), bytes.size(), pic, error)) {
      EXPECT_FALSE(pic.empty());
      EXPECT_LE(std::max(pic.width(), pic.height()), MaxJpegSide);
    } else {
      ++refused;
      EXPECT_TRUE(pic == before);
      EXPECT_FALSE(error.empty() || error.back() == '.') << error;
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(JpegFile, MissingEmptyAndShippedFiles) {
  Picture pic;
  std::string error;
  EXPECT_FALSE(DecodeJpegFile("/nonexistent/velmor/back.jpg", pic, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;

  ScratchFolder folder;
  const std::string empty = folder.Write("empty.jpg", "");
  EXPECT_FALSE(DecodeJpegFile(empty, pic, error));
  EXPECT_NE(error.find(empty), std::string::npos) << error;
  EXPECT_NE(error.find("empty"), std::string::npos) << error;

  const Bytes bytes = Encode(Blocks(32, 32));
  const std::string good = folder.Write("good.jpg", std::string(bytes.begin(), bytes.end()));
  ASSERT_TRUE(DecodeJpegFile(good, pic, error)) << error;
  EXPECT_EQ(pic.width(), 32);

  const std::string shipped = DataDir() + "/Backgrounds/andromeda.jpg";
  if (!std::filesystem::exists(shipped)) GTEST_SKIP() << shipped << " is not there yet";
  ASSERT_TRUE(DecodeJpegFile(shipped, pic, error)) << error;
  EXPECT_EQ(pic.width(), 704);
  EXPECT_EQ(pic.height(), 468);
}

}  // namespace
