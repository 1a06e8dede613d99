#include "display/Picture.h"

#include <algorithm>

#include "base/Say.h"
#include "layouts/LayoutFile.h"

namespace velmor {

void Picture::Resize(int width, int height, uint32_t fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  viewed_.reset();
  if (pixels_ && pixels_.use_count() == 1)
    pixels_->assign(count, fill);
  else if (fill == 0)
    pixels_ = std::make_shared<Pixels>(count);  // zero as it comes; see ZeroedAllocator
  else
    pixels_ = std::make_shared<Pixels>(count, fill);
}

Picture Picture::Viewing(int width, int height, std::shared_ptr<const uint32_t> pixels) {
  Picture picture;
  if (width <= 0 || height <= 0 || !pixels) return picture;
  picture.width_ = width;
  picture.height_ = height;
  picture.viewed_ = std::move(pixels);
  return picture;
}

void Picture::Own() {
  if (viewed_) {
    const uint32_t* from = viewed_.get();
    pixels_ = std::make_shared<Pixels>(from, from + static_cast<size_t>(width_) * static_cast<size_t>(height_));
    viewed_.reset();
    return;
  }
  pixels_ = pixels_ ? std::make_shared<Pixels>(*pixels_) : std::make_shared<Pixels>();
}

Picture Picture::DrawingShared() {
  pixels();
  Picture shared = *this;
  shared.drawsShared_ = true;
  return shared;
}

Rect Picture::DrawableArea() const {
  Rect area{0, 0, width_, height_};
  if (clipped_) {
    area.left = std::max(area.left, clip_.left);
    area.top = std::max(area.top, clip_.top);
    area.right = std::min(area.right, clip_.right);
    area.bottom = std::min(area.bottom, clip_.bottom);
  }
  return area;
}

void Picture::Fill(Rect r, uint32_t pixel) {
  const Rect area = DrawableArea();
  r.left = std::max(r.left, area.left);
  r.top = std::max(r.top, area.top);
  r.right = std::min(r.right, area.right);
  r.bottom = std::min(r.bottom, area.bottom);
  for (int y = r.top; y < r.bottom; ++y) std::fill(row(y) + r.left, row(y) + std::max(r.left, r.right), pixel);
}

void Picture::Frame(Rect r, uint32_t pixel, int thickness) {
  if (r.empty()) return;
  Fill({r.left, r.top, r.right, r.top + thickness}, pixel);
  Fill({r.left, r.bottom - thickness, r.right, r.bottom}, pixel);
  Fill({r.left, r.top, r.left + thickness, r.bottom}, pixel);
  Fill({r.right - thickness, r.top, r.right, r.bottom}, pixel);
}

void Picture::PenRectangle(Rect r, int penWidth, uint32_t pixel) {
  if (r.empty() || penWidth <= 0) return;
  const int before = (penWidth - 1) / 2, after = penWidth / 2;
  // The outline runs through the first and the last pixel of each side.
  const int l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
  Fill({l - before, t - before, rr + after + 1, t + after + 1}, pixel);
  Fill({l - before, b - before, rr + after + 1, b + after + 1}, pixel);
  Fill({l - before, t - before, l + after + 1, b + after + 1}, pixel);
  Fill({rr - before, t - before, rr + after + 1, b + after + 1}, pixel);
}

namespace {

// One row between two different pictures; __restrict lets the compiler use vector instructions.
VELMOR_WIDE_VECTORS void RasterRow(uint32_t* __restrict d, const uint32_t* __restrict s, int w, RasterOp op) {
  constexpr uint32_t Colour = 0x00FFFFFF;
  switch (op) {
    case RasterOp::SRCCOPY:
      for (int x = 0; x < w; ++x) d[x] = s[x] & Colour;
      break;
    case RasterOp::SRCAND:
      for (int x = 0; x < w; ++x) d[x] = (d[x] & s[x]) & Colour;
      break;
    case RasterOp::SRCPAINT:
      for (int x = 0; x < w; ++x) d[x] = (d[x] | s[x]) & Colour;
      break;
    case RasterOp::SRCINVERT:
      for (int x = 0; x < w; ++x) d[x] = (d[x] ^ s[x]) & Colour;
      break;
  }
}

// The transparent copy of one row: AND the mask, then OR the picture.
VELMOR_WIDE_VECTORS void MaskRow(uint32_t* __restrict d, const uint32_t* __restrict m, const uint32_t* __restrict s,
                                 int w) {
  constexpr uint32_t Colour = 0x00FFFFFF;
  for (int x = 0; x < w; ++x) d[x] = ((d[x] & m[x]) | s[x]) & Colour;
}
}  // namespace

void BitBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op) {
  // Clip against the source, then the destination's drawable area, moving both corners together.
  const Rect area = dst.DrawableArea();
  if (sx < 0) {
    w += sx;
    dx -= sx;
    sx = 0;
  }
  if (sy < 0) {
    h += sy;
    dy -= sy;
    sy = 0;
  }
  if (dx < area.left) {
    w -= area.left - dx;
    sx += area.left - dx;
    dx = area.left;
  }
  if (dy < area.top) {
    h -= area.top - dy;
    sy += area.top - dy;
    dy = area.top;
  }
  w = std::min({w, src.width() - sx, area.right - dx});
  h = std::min({h, src.height() - sy, area.bottom - dy});
  if (w <= 0 || h <= 0) return;
  // A picture copied onto itself goes through a copy of each source row, so the rows may
  // overlap; everywhere else the rows are read and written in place.
  std::vector<uint32_t> row;
  const bool upward = &src == &dst && dy > sy;  // rows not yet read must not be overwritten
  for (int i = 0; i < h; ++i) {
    const int y = upward ? h - 1 - i : i;
    const uint32_t* s = src.row(sy + y) + sx;
    if (&src == &dst) {
      row.assign(s, s + w);
      s = row.data();
    }
    RasterRow(dst.row(dy + y) + dx, s, w, op);
  }
}

void MaskBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& mask, int mx, int my, const Picture& src,
             int sx, int sy) {
  // Move all three corners together past whatever lies outside one of the pictures.
  const Rect area = dst.DrawableArea();
  const int skipX = std::max({0, area.left - dx, -mx, -sx});
  const int skipY = std::max({0, area.top - dy, -my, -sy});
  dx += skipX, mx += skipX, sx += skipX, w -= skipX;
  dy += skipY, my += skipY, sy += skipY, h -= skipY;
  w = std::min({w, area.right - dx, mask.width() - mx, src.width() - sx});
  h = std::min({h, area.bottom - dy, mask.height() - my, src.height() - sy});
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < h; ++y) MaskRow(dst.row(dy + y) + dx, mask.row(my + y) + mx, src.row(sy + y) + sx, w);
}

bool DecodePictureFile(const std::string& path, PictureDecoder decode, Picture& out, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  if (!decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out, error)) {
    error = Fill(VELMOR_TEXT("\"%1\": %2"), path, error);
    return false;
  }
  return true;
}

}  // namespace velmor
