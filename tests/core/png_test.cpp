// Decoding PNG pictures: every colour type and bit depth the format allows, through every row
// filter, and damaged or hostile files that must come back as clear errors without touching the
// caller's picture. The pictures are encoded here, with zlib, so each case states its own bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <zlib.h>

#include "TestSupport.h"
#include "display/Png.h"
#include "display/ScaledArtwork.h"

using namespace velmor;
using namespace velmor::test;

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(Bytes& out, const char* type, const Bytes& body) {
  Put32(out, static_cast<uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

struct Image {
  int width = 0, height = 0, depth = 8, colourType = 2, interlace = 0;
  std::vector<uint32_t> palette;  // for colour type 3
  std::vector<Bytes> rows;        // unfiltered samples of each row
};

// The encoder's side of each filter, so the decoder has to undo real filtered data.
Bytes Filtered(const Bytes& row, const Bytes& above, int filter, size_t step) {
  Bytes out{static_cast<uint8_t>(filter)};
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= step ? row[i - step] : 0, b = above[i], c = i >= step ? above[i - step] : 0;
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    const int predictors[] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
    out.push_back(static_cast<uint8_t>(row[i] - predictors[filter]));
  }
  return out;
}

Bytes Encode(const Image& image, std::mt19937& random) {
  static const int channels[] = {1, 0, 3, 1, 2, 0, 4};
  const size_t step = std::max(1, image.depth * channels[image.colourType] / 8);
  Bytes raw, above(image.rows.empty() ? 0 : image.rows[0].size(), 0);
  for (const Bytes& row : image.rows) {
    const Bytes f = Filtered(row, above, static_cast<int>(random() % 5), step);
    raw.insert(raw.end(), f.begin(), f.end());
    above = row;
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(packedSize);

  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32(header, static_cast<uint32_t>(image.width));
  Put32(header, static_cast<uint32_t>(image.height));
  header.insert(header.end(), {static_cast<uint8_t>(image.depth), static_cast<uint8_t>(image.colourType), 0, 0,
                               static_cast<uint8_t>(image.interlace)});
  Chunk(out, "IHDR", header);
  Chunk(out, "tEXt", {'a', 0, 'b'});  // ancillary chunks are passed over
  if (!image.palette.empty()) {
    Bytes plte;
    for (uint32_t c : image.palette)
      plte.insert(plte.end(), {uint8_t(RedOf(c)), uint8_t(GreenOf(c)), uint8_t(BlueOf(c))});
    Chunk(out, "PLTE", plte);
  }
  // The data split over two chunks, as encoders are free to do.
  const size_t half = packed.size() / 2;
  Chunk(out, "IDAT", Bytes(packed.begin(), packed.begin() + static_cast<long>(half)));
  Chunk(out, "IDAT", Bytes(packed.begin() + static_cast<long>(half), packed.end()));
  Chunk(out, "IEND", {});
  return out;
}

// A random picture of the given kind with the pixels a correct decoder must produce.
struct Case {
  Image image;
  Picture expected;
};

Case RandomCase(int colourType, int depth, std::mt19937& random) {
  Case c;
  Image& im = c.image;
  im.width = 1 + static_cast<int>(random() % 19);
  im.height = 1 + static_cast<int>(random() % 7);
  im.depth = depth;
  im.colourType = colourType;
  c.expected.Resize(im.width, im.height);
  const int maxValue = (1 << depth) - 1;
  if (colourType == 3)
    for (int i = 0; i <= std::min(maxValue, 40); ++i) im.palette.push_back(random() & 0xFFFFFF);
  for (int y = 0; y < im.height; ++y) {
    Bytes row;
    uint32_t bits = 0;
    int used = 0;
    auto pack = [&](int value) {  // samples of fewer than 8 bits, most significant first
      bits = (bits << depth) | static_cast<uint32_t>(value);
      used += depth;
      if (used == 8) row.push_back(static_cast<uint8_t>(bits)), bits = 0, used = 0;
    };
    auto sample = [&](int value8) {  // an 8 or 16-bit sample whose high byte is value8
      row.push_back(static_cast<uint8_t>(value8));
      if (depth == 16) row.push_back(static_cast<uint8_t>(random()));
    };
    for (int x = 0; x < im.width; ++x) {
      const int r = static_cast<int>(random() & 0xFF), g = static_cast<int>(random() & 0xFF),
                b = static_cast<int>(random() & 0xFF);
      if (colourType == 3) {
        const int i = static_cast<int>(random() % im.palette.size());
        depth < 8 ? pack(i) : sample(i);
        c.expected.set(x, y, im.palette[i]);
      } else if (colourType == 0 && depth < 8) {
        const int v = static_cast<int>(random()) & maxValue;
        pack(v);
        const int grey = v * 255 / maxValue;
        c.expected.set(x, y, Rgb(grey, grey, grey));
      } else if (colourType == 0 || colourType == 4) {
        sample(g);
        if (colourType == 4) sample(r);  // alpha, dropped
        c.expected.set(x, y, Rgb(g, g, g));
      } else {
        sample(r), sample(g), sample(b);
        if (colourType == 6) sample(static_cast<int>(random() & 0xFF));
        c.expected.set(x, y, Rgb(r, g, b));
      }
    }
    if (used > 0) row.push_back(static_cast<uint8_t>(bits << (8 - used)));
    im.rows.push_back(row);
  }
  return c;
}

// A refused picture: a reason containing `expected`, and the caller's picture as it was.
void ExpectRefused(const Bytes& bytes, const std::string& expected) {
  const Picture before(3, 2, Rgb(1, 2, 3));
  Picture pic = before;
  std::string error;
  EXPECT_FALSE(DecodePng(bytes.data(), bytes.size(), pic, error));
  EXPECT_NE(error.find(expected), std::string::npos) << "error: " << error;
  EXPECT_TRUE(pic == before);
}

Bytes Simple(std::mt19937& random, int width = 5, int height = 4) {
  Case c = RandomCase(2, 8, random);
  c.image.width = width, c.image.height = height;
  c.image.rows.assign(static_cast<size_t>(height), Bytes(static_cast<size_t>(width) * 3, 0x40));
  return Encode(c.image, random);
}

TEST(Png, EveryColourTypeAndDepthDecodesToItsPixels) {
  std::mt19937 random(7);
  const std::pair<int, std::vector<int>> kinds[] = {
      {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
  for (const auto& [colourType, depths] : kinds)
    for (int depth : depths)
      for (int trial = 0; trial < 20; ++trial) {
        const Case c = RandomCase(colourType, depth, random);
        const Bytes file = Encode(c.image, random);
        Picture pic;
        std::string error;
        ASSERT_TRUE(DecodePng(file.data(), file.size(), pic, error))
            << "colour type " << colourType << ", depth " << depth << ": " << error;
        ASSERT_TRUE(pic == c.expected) << "colour type " << colourType << ", depth " << depth;
      }
}

TEST(Png, EveryTruncationIsRefusedWithoutTouchingThePicture) {
  std::mt19937 random(11);
  const Bytes file = Simple(random);
  for (size_t size = 0; size + 1 < file.size(); ++size)
    ExpectRefused(Bytes(file.begin(), file.begin() + static_cast<long>(size)), size < 8 ? "not a PNG" : "truncated");
}

TEST(Png, DamagedOrUnsupportedFilesAreRefused) {
  std::mt19937 random(13);
  Bytes flipped = Simple(random);
  flipped[40] ^= 0x10;  // inside the header or data: its checksum no longer matches
  ExpectRefused(flipped, "checksum");

  Case c = RandomCase(2, 8, random);
  c.image.interlace = 1;
  ExpectRefused(Encode(c.image, random), "interlaced");

  Case noPalette = RandomCase(3, 8, random);
  noPalette.image.palette.clear();
  ExpectRefused(Encode(noPalette.image, random), "no palette");

  Case shortPalette = RandomCase(3, 8, random);
  shortPalette.image.palette.resize(1);
  shortPalette.image.rows[0][0] = 5;
  ExpectRefused(Encode(shortPalette.image, random), "palette");

  Case badDepth = RandomCase(2, 8, random);
  badDepth.image.depth = 4;
  ExpectRefused(Encode(badDepth.image, random), "bit depth");

  Case badFilter = RandomCase(0, 8, random);
  Bytes raw{9, 0};
  uLongf size = compressBound(2);
  Bytes packed(size);
  compress(packed.data(), &size, raw.data(), 2);
  packed.resize(size);
  Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Chunk(file, "IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0, 0});
  Chunk(file, "IDAT", packed);
  Chunk(file, "IEND", {});
  ExpectRefused(file, "row filter");
}

TEST(Png, HugeOrEmptySizesAreRefusedBeforeAnythingIsAllocated) {
  std::mt19937 random(17);
  // A few bytes of data claiming 8192 x 8192 pixels: more than deflate could ever expand to.
  Bytes bomb = Simple(random, 1, 1);
  Bytes big = Bytes(bomb.begin(), bomb.begin() + 8);
  Chunk(big, "IHDR", {0, 0, 0x20, 0, 0, 0, 0x20, 0, 8, 2, 0, 0, 0});
  big.insert(big.end(), bomb.begin() + 33, bomb.end());
  ExpectRefused(big, "truncated");

  Bytes wide(bomb.begin(), bomb.begin() + 8);
  Chunk(wide, "IHDR", {0, 0, 0x20, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0});
  ExpectRefused(wide, "too large");

  Bytes empty(bomb.begin(), bomb.begin() + 8);
  Chunk(empty, "IHDR", {0, 0, 0, 0, 0, 0, 0, 1, 8, 2, 0, 0, 0});
  ExpectRefused(empty, "no pixels");
}

TEST(ScaledArtwork, LargerFilesLieBesideTheOneXFileAndAreFoundOnlyWhenPresent) {
  const std::vector<std::string> present = {"/d/Tilesets/pai@2x.png", "/d/hof@4x.png", "/d.v/kanji@3x.png"};
  auto exists = [&](const std::string& f) { return std::find(present.begin(), present.end(), f) != present.end(); };
  EXPECT_EQ(ArtworkForScale("/d/Tilesets/pai.bmp", 2, exists), "/d/Tilesets/pai@2x.png");
  EXPECT_EQ(ArtworkForScale("/d/hof.bmp", 4, exists), "/d/hof@4x.png");
  EXPECT_EQ(ArtworkForScale("/d.v/kanji", 3, exists), "/d.v/kanji@3x.png");  // the folder's dot is no extension
  EXPECT_EQ(ArtworkForScale("/d/Tilesets/pai.bmp", 3, exists), "");
  for (int k : {0, 5, -1}) EXPECT_EQ(ArtworkForScale("/d/hof.bmp", k, [](const std::string&) { return true; }), "");
  EXPECT_EQ(ArtworkForScale("/d/none.bmp", 1, exists), "/d/none.bmp");
}

}  // namespace
