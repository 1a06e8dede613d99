// Pictures and block transfers: the four raster operations, clipping, fills and outlines.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/Picture.h"

using namespace velmor;

TEST(Picture, ColourConstantsBecomePixels) {
  EXPECT_EQ(Pixel({0x0000FF}), Rgb(255, 0, 0));  // 0x00BBGGRR: red in the low byte
  EXPECT_EQ(Pixel({0xFF0000}), Rgb(0, 0, 255));
  EXPECT_EQ(Pixel({0x808000}), Rgb(0, 128, 128));
  EXPECT_EQ(RedOf(Rgb(1, 2, 3)), 1);
  EXPECT_EQ(BlueOf(Rgb(1, 2, 3)), 3);
}

TEST(Picture, TheFourRasterOperations) {
  const uint32_t d0 = Rgb(0xF0, 0x0F, 0xAA), s0 = Rgb(0x3C, 0xFF, 0x55);
  const std::pair<RasterOp, uint32_t> cases[] = {{RasterOp::SRCCOPY, s0},
                                                 {RasterOp::SRCAND, d0 & s0},
                                                 {RasterOp::SRCPAINT, d0 | s0},
                                                 {RasterOp::SRCINVERT, d0 ^ s0}};
  for (auto [op, expected] : cases) {
    Picture dst(4, 4, d0), src(4, 4, s0 | 0xFF000000u);  // the fourth byte never leaks through
    BitBlt(dst, 0, 0, 4, 4, src, 0, 0, op);
    EXPECT_EQ(dst.at(3, 3), expected) << int(op);
  }
}

TEST(Picture, TransfersAreClippedToBothPictures) {
  Picture src(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) src.set(x, y, Rgb(x, y, 7));
  Picture dst(6, 6, Rgb(99, 99, 99));
  BitBlt(dst, -2, -3, 10, 10, src, 0, 0, RasterOp::SRCCOPY);  // hangs over the top-left corner
  EXPECT_EQ(dst.at(0, 0), Rgb(2, 3, 7));
  EXPECT_EQ(dst.at(5, 5), Rgb(7, 8, 7));
  Picture dst2(6, 6, Rgb(99, 99, 99));
  BitBlt(dst2, 1, 1, 20, 20, src, 8, -1, RasterOp::SRCCOPY);  // source runs out right and above
  EXPECT_EQ(dst2.at(1, 1), Rgb(99, 99, 99));                  // the row above the source: untouched
  EXPECT_EQ(dst2.at(1, 2), Rgb(8, 0, 7));
  EXPECT_EQ(dst2.at(2, 2), Rgb(9, 0, 7));
  EXPECT_EQ(dst2.at(3, 2), Rgb(99, 99, 99));
  BitBlt(dst2, 100, 100, 5, 5, src, 0, 0, RasterOp::SRCCOPY);  // entirely outside: nothing
  BitBlt(dst2, 0, 0, 5, 5, src, 50, 50, RasterOp::SRCCOPY);
  EXPECT_EQ(dst2.at(0, 0), Rgb(99, 99, 99));
}

TEST(Picture, MaskBltIsAndThenOrInOnePassClippedToAllThree) {
  Picture mask(6, 6), src(6, 6), dst(5, 5);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      mask.set(x, y, (x + y) % 2 ? Rgb(255, 255, 255) : 0);
      src.set(x, y, Rgb(x * 10, y * 10, 1));
    }
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) dst.set(x, y, Rgb(x, y, 200));
  Picture twoPass = dst;
  BitBlt(twoPass, -1, 1, 6, 6, mask, 0, 0, RasterOp::SRCAND);
  BitBlt(twoPass, -1, 1, 6, 6, src, 0, 0, RasterOp::SRCPAINT);
  MaskBlt(dst, -1, 1, 6, 6, mask, 0, 0, src, 0, 0);
  EXPECT_EQ(dst, twoPass);
  Picture small(3, 3, Rgb(1, 1, 1));
  Picture out(5, 5, Rgb(9, 9, 9));
  MaskBlt(out, 0, 0, 5, 5, mask, 0, 0, small, 1, 1);  // the picture runs out after two pixels
  EXPECT_NE(out.at(1, 1), Rgb(9, 9, 9));
  EXPECT_EQ(out.at(2, 2), Rgb(9, 9, 9));
}

TEST(Picture, ClipRectangleLimitsEveryDrawing) {
  Picture dst(10, 10, 0);
  const Picture src(10, 10, Rgb(1, 1, 1));
  dst.SetClip({2, 2, 5, 5});
  BitBlt(dst, 0, 0, 10, 10, src, 0, 0, RasterOp::SRCCOPY);
  dst.Fill({0, 0, 10, 10}, Rgb(2, 2, 2));
  dst.ClearClip();
  int touched = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) touched += dst.at(x, y) != 0;
  EXPECT_EQ(touched, 9);
  EXPECT_EQ(dst.at(2, 2), Rgb(2, 2, 2));
}

TEST(Picture, CopyOntoItselfHandlesOverlap) {
  Picture p(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) p.set(x, y, Rgb(x, y, 0));
  BitBlt(p, 1, 1, 4, 4, p, 0, 0, RasterOp::SRCCOPY);  // down and right by one
  EXPECT_EQ(p.at(4, 4), Rgb(3, 3, 0));
  EXPECT_EQ(p.at(1, 1), Rgb(0, 0, 0));
  EXPECT_EQ(p.at(2, 3), Rgb(1, 2, 0));
}

TEST(Picture, FillFrameAndThreePixelPen) {
  Picture p(20, 20, 0);
  p.Frame({2, 2, 8, 8}, Rgb(1, 0, 0));  // left and top included, right and bottom excluded
  EXPECT_EQ(p.at(2, 2), Rgb(1, 0, 0));
  EXPECT_EQ(p.at(7, 7), Rgb(1, 0, 0));
  EXPECT_EQ(p.at(8, 7), 0u);
  EXPECT_EQ(p.at(4, 4), 0u);
  Picture q(20, 20, 0);
  q.PenRectangle({5, 5, 15, 15}, 3, Rgb(0, 2, 0));  // outline through x 5 and 14, y 5 and 14
  for (int x : {4, 5, 6, 13, 14, 15}) EXPECT_EQ(q.at(x, 10), Rgb(0, 2, 0)) << x;
  for (int x : {3, 7, 12, 16}) EXPECT_EQ(q.at(x, 10), 0u) << x;
  EXPECT_EQ(q.at(10, 4), Rgb(0, 2, 0));
  EXPECT_EQ(q.at(10, 15), Rgb(0, 2, 0));
  EXPECT_EQ(q.at(10, 16), 0u);
  EXPECT_EQ(q.at(10, 10), 0u);  // the inside stays as it was
  Picture edge(4, 4, 0);
  edge.Fill({-5, -5, 50, 2}, Rgb(3, 3, 3));  // clipped to the picture
  EXPECT_EQ(edge.at(3, 1), Rgb(3, 3, 3));
  EXPECT_EQ(edge.at(3, 2), 0u);
}

TEST(Picture, CopiesShareUntilEitherIsDrawnInto) {
  const std::pair<const char*, void (*)(Picture&)> writes[] = {
      {"set", [](Picture& p) { p.set(1, 1, Rgb(9, 9, 9)); }},
      {"Fill",
       [](Picture& p) {
         p.Fill({0, 0, 2, 2}, Rgb(9, 9, 9));
       }},
      {"BitBlt", [](Picture& p) { BitBlt(p, 0, 0, 3, 3, Picture(3, 3, Rgb(9, 9, 9)), 0, 0, RasterOp::SRCCOPY); }},
      {"pixels", [](Picture& p) { p.pixels()[0] = Rgb(9, 9, 9); }},
      {"Resize", [](Picture& p) { p.Resize(4, 4, Rgb(9, 9, 9)); }},
  };
  // A picture may also read pixels kept elsewhere (a mapped file), which no drawing may touch.
  const auto elsewhere = std::make_shared<std::vector<uint32_t>>(16, Rgb(1, 2, 3));
  const std::shared_ptr<const uint32_t> kept(elsewhere, elsewhere->data());
  for (auto [name, write] : writes) {
    for (bool writeTheCopy : {false, true})
      for (bool viewing : {false, true}) {
        SCOPED_TRACE(std::string(name) + (writeTheCopy ? " on the copy" : " on the original") +
                     (viewing ? " of pixels kept elsewhere" : ""));
        Picture original = viewing ? Picture::Viewing(4, 4, kept) : Picture(4, 4, Rgb(1, 2, 3));
        EXPECT_EQ(original, Picture(4, 4, Rgb(1, 2, 3)));
        Picture copy = original;
        EXPECT_TRUE(copy.SharesPixelsWith(original));
        write(writeTheCopy ? copy : original);
        const Picture& untouched = writeTheCopy ? original : copy;
        EXPECT_FALSE(copy.SharesPixelsWith(original));
        EXPECT_EQ(untouched, Picture(4, 4, Rgb(1, 2, 3)));
        EXPECT_NE(copy, original);
        EXPECT_EQ(*elsewhere, std::vector<uint32_t>(16, Rgb(1, 2, 3)));
      }
  }
}

// New pictures come from zeroed memory without being filled: one made where a coloured one
// just was must still be black throughout, small or large.
TEST(Picture, ANewPictureIsBlackWhateverTheMemoryHeldBefore) {
  for (int side : {3, 64, 300, 1200}) {
    SCOPED_TRACE(side);
    for (int round = 0; round < 3; ++round) {
      { Picture used(side, side, Rgb(200, 100, 50)); }
      Picture fresh(side, side);
      Picture resized(1, 1, Rgb(1, 1, 1));
      resized.Resize(side, side);
      for (const Picture* p : {&fresh, &resized})
        ASSERT_TRUE(std::all_of(p->pixels().begin(), p->pixels().end(), [](uint32_t v) { return v == 0; }));
    }
  }
}
