// Reading bitmap files: sizes refused before decoding, empty and broken files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QImage>

#include "platform/QtPictures.h"

using namespace velmor;

namespace {
std::string Bmp(int width, int height) {
  auto le32 = [](std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto le16 = [](std::string& s, uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
  };
  std::string s = "BM";
  le32(s, 54 + 16);
  le32(s, 0);
  le32(s, 54);
  le32(s, 40);
  le32(s, static_cast<uint32_t>(width));
  le32(s, static_cast<uint32_t>(height));
  le16(s, 1);
  le16(s, 24);
  le32(s, 0);
  le32(s, 16);
  le32(s, 2835);
  le32(s, 2835);
  le32(s, 0);
  le32(s, 0);
  s.append(16, '\x40');  // far fewer pixels than the header claims
  return s;
}

std::string Write(const std::string& name, const std::string& bytes) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}
}  // namespace

TEST(BitmapFiles, AbsurdSizesAreRefusedBeforeDecoding) {
  Picture picture(3, 3, Rgb(1, 2, 3));
  std::string error;
  EXPECT_FALSE(LoadPictureFile(Write("velmor-huge.bmp", Bmp(60000, 60000)), picture, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));  // untouched
}

TEST(BitmapFiles, EmptyForeignAndMissingFilesFailWithAReason) {
  Picture picture(3, 3, Rgb(1, 2, 3));
  for (const std::string& path :
       {Write("velmor-empty.bmp", ""), Write("velmor-text.bmp", "just some words"), std::string("/no/such/file.bmp")}) {
    std::string error;
    EXPECT_FALSE(LoadPictureFile(path, picture, error)) << path;
    EXPECT_FALSE(error.empty()) << path;
  }
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));
}

TEST(BitmapFiles, TheShippedTilesetReadsAtItsSize) {
  Picture picture;
  std::string error;
  ASSERT_TRUE(LoadPictureFile(std::string(VELMOR_DATA_DIR) + "/Tilesets/pai256.bmp", picture, error)) << error;
  EXPECT_EQ(picture.width(), 369);
  EXPECT_EQ(picture.height(), 567);
  for (uint32_t p : picture.pixels()) ASSERT_EQ(p >> 24, 0u);  // the fourth byte stays zero
}

TEST(BitmapFiles, OnlyBitmapsAreDecodedWhateverTheirName) {
  // A picture of another kind named .bmp never reaches another decoder: the file that made
  // libpng ask for gigabytes is refused before any of it is decoded.
  QImage png(8, 8, QImage::Format_RGB32);
  png.fill(Qt::red);
  const std::string path = (std::filesystem::temp_directory_path() / "velmor-png-named.bmp").string();
  ASSERT_TRUE(png.save(QString::fromStdString(path), "PNG"));
  Picture picture(3, 3, Rgb(1, 2, 3));
  std::string error;
  EXPECT_FALSE(LoadPictureFile(path, picture, error));
  EXPECT_EQ(error, "not a bitmap (.bmp) file");
  EXPECT_EQ(picture, Picture(3, 3, Rgb(1, 2, 3)));

  // A real bitmap still reads, under any name.
  ASSERT_TRUE(png.save(QString::fromStdString(path), "BMP"));
  ASSERT_TRUE(LoadPictureFile(path, picture, error)) << error;
  EXPECT_EQ(picture.width(), 8);
  EXPECT_EQ(picture.pixels()[0], Rgb(255, 0, 0));
  std::filesystem::remove(path);
}
