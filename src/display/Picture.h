// Off-screen pictures and the four raster operations the board is composed with.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <vector>

// The pixel loops are where a board's drawing time goes, and at the larger scales they outrun
// what the baseline vector instructions can do; where the processor has wider ones, a copy of the
// loops built for them is chosen when the program loads. The results are the same either way.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define VELMOR_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define VELMOR_WIDE_VECTORS
#endif

namespace velmor {

// A colour written as 0x00BBGGRR, the form the game's colour constants use.
struct ColorRef {
  uint32_t value;
};

// One pixel in memory: bytes B, G, R, X, read as a little-endian 0x00RRGGBB word. This is the
// layout of a 32-bit Windows DIB and of QImage::Format_RGB32, so the window shows it as is.
constexpr uint32_t Pixel(ColorRef c) {
  return ((c.value & 0xFF) << 16) | (c.value & 0xFF00) | ((c.value >> 16) & 0xFF);
}
constexpr uint32_t Rgb(int r, int g, int b) {
  return (static_cast<uint32_t>(r & 0xFF) << 16) | (static_cast<uint32_t>(g & 0xFF) << 8) |
         static_cast<uint32_t>(b & 0xFF);
}
constexpr int RedOf(uint32_t p) { return (p >> 16) & 0xFF; }
constexpr int GreenOf(uint32_t p) { return (p >> 8) & 0xFF; }
constexpr int BlueOf(uint32_t p) { return p & 0xFF; }

enum class RasterOp { SRCCOPY, SRCAND, SRCPAINT, SRCINVERT };

// Left and top included, right and bottom excluded.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool Intersects(const Rect& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
  // The same rectangle in a picture drawn `k` times larger.
  constexpr Rect Scaled(int k) const { return {left * k, top * k, right * k, bottom * k}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Pixel memory handed out zeroed (calloc) and left untouched by a value-initialising vector: a
// new black picture costs neither the time of filling it nor, until something is drawn on it,
// the memory, since fresh pages from the system are zero already.
template <class T>
struct ZeroedAllocator {
  using value_type = T;
  ZeroedAllocator() = default;
  template <class U>
  ZeroedAllocator(const ZeroedAllocator<U>&) {}
  T* allocate(size_t n) {
    if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
    throw std::bad_alloc();
  }
  void deallocate(T* p, size_t) { std::free(p); }
  template <class U>
  void construct(U*) noexcept {}  // value-initialised: calloc made it zero
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  friend bool operator==(const ZeroedAllocator&, const ZeroedAllocator&) { return true; }
};
using Pixels = std::vector<uint32_t, ZeroedAllocator<uint32_t>>;

// Copies share their pixels until one of them is drawn into: a look kept as read and the same
// look in use at 1x are one buffer, not two.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, uint32_t fill = 0) { Resize(width, height, fill); }

  void Resize(int width, int height, uint32_t fill = 0);
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  // A picture whose pixels are kept elsewhere (a file mapped into memory), read where they lie
  // and copied only when something is drawn into it; `pixels` holds width x height of them.
  static Picture Viewing(int width, int height, std::shared_ptr<const uint32_t> pixels);
  uint32_t* row(int y) { return pixels().data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const uint32_t* row(int y) const { return data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  uint32_t at(int x, int y) const { return row(y)[x]; }
  void set(int x, int y, uint32_t p) { row(y)[x] = p; }
  std::span<const uint32_t> pixels() const {
    return {data(), static_cast<size_t>(width_) * static_cast<size_t>(height_)};
  }
  // Writable pixels: a buffer still shared with a copy is copied first.
  Pixels& pixels() {
    if (!drawsShared_ && (!pixels_ || pixels_.use_count() > 1)) Own();
    return *pixels_;
  }
  // The very same pixels, drawn into directly with a clip of its own, so that parts of one
  // picture can be drawn side by side on several threads. Nothing is copied: while it lives,
  // nothing may draw into this picture but through it and its copies, which draw shared too.
  Picture DrawingShared();
  // Whether two pictures hold the very same buffer (not merely equal pixels).
  bool SharesPixelsWith(const Picture& other) const {
    return (pixels_ && pixels_ == other.pixels_) || (viewed_ && viewed_ == other.viewed_);
  }

  // Solid fill of a rectangle, clipped to the picture.
  void Fill(Rect r, uint32_t pixel);
  // A line `thickness` pixels wide just inside the rectangle's edges.
  void Frame(Rect r, uint32_t pixel, int thickness = 1);
  // The outline of (left, top)-(right, bottom) drawn with a pen `penWidth` pixels wide, centred
  // on the outline, inside untouched.
  void PenRectangle(Rect r, int penWidth, uint32_t pixel);

  // Drawing into this picture (BitBlt as destination, Fill, Frame, PenRectangle) stays inside
  // the clip rectangle while one is set.
  void SetClip(const Rect& clip) {
    clip_ = clip;
    clipped_ = true;
  }
  void ClearClip() { clipped_ = false; }
  Rect DrawableArea() const;

  friend bool operator==(const Picture& a, const Picture& b) {
    const auto pa = a.pixels(), pb = b.pixels();
    return a.width_ == b.width_ && a.height_ == b.height_ && std::equal(pa.begin(), pa.end(), pb.begin(), pb.end());
  }

 private:
  const uint32_t* data() const { return viewed_ ? viewed_.get() : pixels_ ? pixels_->data() : nullptr; }
  void Own();

  int width_ = 0, height_ = 0;
  std::shared_ptr<Pixels> pixels_;
  std::shared_ptr<const uint32_t> viewed_;  // pixels kept elsewhere, while nothing is drawn
  Rect clip_;
  bool clipped_ = false;
  bool drawsShared_ = false;  // see DrawingShared
};

// Copies the w x h rectangle at (sx, sy) of src onto (dx, dy) of dst with `op`, clipped to both
// pictures. Operations act on the colour bytes only; the fourth byte stays zero.
void BitBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op);

// The transparent copy in one pass: the same as SRCAND with `mask` at (mx, my), then SRCPAINT
// with `src` at (sx, sy), clipped to all three pictures. Neither may be `dst` itself.
void MaskBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& mask, int mx, int my, const Picture& src,
             int sx, int sy);

// Reads the file at `path` and hands its bytes to `decode`; the error names the file.
using PictureDecoder = bool (*)(const uint8_t* data, size_t size, Picture& out, std::string& error);
bool DecodePictureFile(const std::string& path, PictureDecoder decode, Picture& out, std::string& error);

}  // namespace velmor
