#include "display/Png.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <vector>

#include <zlib.h>

#include "base/Say.h"
#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

constexpr std::array<uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Deflate cannot expand data by more than about 1032 to 1; a header promising more pixels than
// the compressed data could hold is refused before the picture is allocated.
constexpr uint64_t MaxInflateRatio = 1032;

enum ColourType : uint8_t { Grey = 0, Truecolour = 2, Indexed = 3, GreyAlpha = 4, TruecolourAlpha = 6 };

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

struct Header {
  uint32_t width = 0, height = 0;
  int depth = 0;
  int colourType = 0;
  int channels = 0;

  int BitsPerPixel() const { return depth * channels; }
  // Bytes of one filtered row, without its filter byte.
  size_t RowBytes() const { return (static_cast<size_t>(width) * BitsPerPixel() + 7) / 8; }
  // The distance the filters look back: one whole pixel, at least one byte.
  size_t FilterStep() const { return std::max<size_t>(1, BitsPerPixel() / 8); }
};

struct Span {
  const uint8_t* data;
  size_t size;
};

bool ReadHeader(const uint8_t* p, uint32_t length, Header& h, std::string& error) {
  if (length != 13) {
    error = VELMOR_TEXT("the PNG header is damaged");
    return false;
  }
  h.width = BigEndian32(p);
  h.height = BigEndian32(p + 4);
  h.depth = p[8];
  h.colourType = p[9];
  if (h.width == 0 || h.height == 0) {
    error = VELMOR_TEXT("the PNG picture has no pixels");
    return false;
  }
  if (h.width > MaxPngSide || h.height > MaxPngSide) {
    error =
        Fill(VELMOR_TEXT("the PNG picture is too large (%1 x %2, at most %3 a side)"), h.width, h.height, MaxPngSide);
    return false;
  }
  const int d = h.depth;
  bool depthOk = false;
  switch (h.colourType) {
    case Grey:
      h.channels = 1, depthOk = d == 1 || d == 2 || d == 4 || d == 8 || d == 16;
      break;
    case Indexed:
      h.channels = 1, depthOk = d == 1 || d == 2 || d == 4 || d == 8;
      break;
    case Truecolour:
      h.channels = 3, depthOk = d == 8 || d == 16;
      break;
    case GreyAlpha:
      h.channels = 2, depthOk = d == 8 || d == 16;
      break;
    case TruecolourAlpha:
      h.channels = 4, depthOk = d == 8 || d == 16;
      break;
    default:
      error = VELMOR_TEXT("the PNG picture has an unknown colour type");
      return false;
  }
  if (!depthOk) {
    error = VELMOR_TEXT("the PNG picture has a bit depth its colour type does not allow");
    return false;
  }
  if (p[10] != 0 || p[11] != 0) {
    error = VELMOR_TEXT("the PNG picture uses an unknown compression or filter method");
    return false;
  }
  if (p[12] == 1) {
    error = VELMOR_TEXT("interlaced PNG pictures cannot be read; save the picture without interlacing");
    return false;
  }
  if (p[12] != 0) {
    error = VELMOR_TEXT("the PNG picture uses an unknown interlace method");
    return false;
  }
  return true;
}

int PaethPredictor(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  const int bc = pb <= pc ? b : c;
  return pa <= pb && pa <= pc ? a : bc;
}

// Undoes the row's filter in place; `previous` is the row above, already unfiltered (zeros for
// the first row). The first pixel has no left neighbour (taken as zero), so each filter does it
// apart and the rest of the row without a test per byte: a large picture is mostly this loop.
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* previous, size_t length, size_t step) {
  const size_t first = std::min(step, length);
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (size_t i = step; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - step]);
      return true;
    case 2:
      for (size_t i = 0; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      return true;
    case 3:
      for (size_t i = 0; i < first; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i] / 2);
      for (size_t i = first; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + (row[i - step] + previous[i]) / 2);
      return true;
    case 4:
      // With no left and upper-left neighbours the predictor is the byte above.
      for (size_t i = 0; i < first; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      for (size_t i = first; i < length; ++i)
        row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(row[i - step], previous[i], previous[i - step]));
      return true;
    default:
      return false;
  }
}

// The sample at `index` of a row packed `depth` bits a sample, scaled to 0..255 (16-bit samples
// keep their high byte).
int Sample(const uint8_t* row, size_t index, int depth) {
  switch (depth) {
    case 8:
      return row[index];
    case 16:
      return row[index * 2];
    default: {
      const size_t bit = index * static_cast<size_t>(depth);
      const int shift = 8 - depth - static_cast<int>(bit % 8);
      const int value = (row[bit / 8] >> shift) & ((1 << depth) - 1);
      return value * 255 / ((1 << depth) - 1);
    }
  }
}

// The packed value (palette index) at `index`, unscaled.
int Index(const uint8_t* row, size_t index, int depth) {
  if (depth == 8) return row[index];
  const size_t bit = index * static_cast<size_t>(depth);
  const int shift = 8 - depth - static_cast<int>(bit % 8);
  return (row[bit / 8] >> shift) & ((1 << depth) - 1);
}

// Pulls the compressed data through zlib one row at a time, so only two rows are ever held
// besides the picture itself.
class Inflater {
 public:
  VELMOR_SPEAKS(velmor)
  explicit Inflater(const std::vector<Span>& chunks) : chunks_(chunks) {}
  ~Inflater() {
    if (open_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  bool Open(std::string& error) {
    if (inflateInit(&stream_) != Z_OK) {
      error = VELMOR_TEXT("not enough memory to decode the PNG picture");
      return false;
    }
    open_ = true;
    return true;
  }

  // Fills `out` completely, or fails with the reason.
  bool Read(uint8_t* out, size_t size, std::string& error) {
    stream_.next_out = out;
    stream_.avail_out = static_cast<uInt>(size);
    while (stream_.avail_out > 0) {
      if (stream_.avail_in == 0) {
        if (next_ == chunks_.size() || ended_) {
          error = VELMOR_TEXT("the PNG picture is truncated");
          return false;
        }
        stream_.next_in = const_cast<Bytef*>(chunks_[next_].data);
        stream_.avail_in = static_cast<uInt>(chunks_[next_].size);
        ++next_;
        continue;
      }
      const int status = inflate(&stream_, Z_NO_FLUSH);
      if (status == Z_STREAM_END) {
        ended_ = true;
        if (stream_.avail_out > 0) {
          error = VELMOR_TEXT("the PNG picture is truncated");
          return false;
        }
      } else if (status != Z_OK && !(status == Z_BUF_ERROR && stream_.avail_in == 0)) {
        error = VELMOR_TEXT("the PNG picture data is damaged");
        return false;
      }
    }
    return true;
  }

 private:
  const std::vector<Span>& chunks_;
  size_t next_ = 0;
  z_stream stream_{};
  bool open_ = false;
  bool ended_ = false;
};

}  // namespace

bool IsPngPath(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return end == ".png";
}

bool DecodePng(const uint8_t* data, size_t size, Picture& out, std::string& error) {
  if (size < Signature.size() || std::memcmp(data, Signature.data(), Signature.size()) != 0) {
    error = VELMOR_TEXT("not a PNG picture");
    return false;
  }
  // First the chunks: their bounds and checksums, the header, the palette and where the
  // compressed data lies.
  Header header;
  bool haveHeader = false, haveEnd = false;
  std::vector<uint32_t> palette;
  std::vector<Span> idat;
  uint64_t compressed = 0;
  size_t at = Signature.size();
  while (!haveEnd) {
    if (size - at < 12) {
      error = VELMOR_TEXT("the PNG picture is truncated");
      return false;
    }
    const uint32_t length = BigEndian32(data + at);
    const uint8_t* type = data + at + 4;
    if (length > 0x7FFFFFFFu) {
      error = VELMOR_TEXT("the PNG picture is damaged");
      return false;
    }
    if (length > size - at - 12) {
      error = VELMOR_TEXT("the PNG picture is truncated");
      return false;
    }
    const uint8_t* body = type + 4;
    const uint32_t stored = BigEndian32(body + length);
    if (crc32(crc32(0L, Z_NULL, 0), type, length + 4) != stored) {
      error = VELMOR_TEXT("the PNG picture is damaged (a checksum does not match)");
      return false;
    }
    at += size_t{length} + 12;
    const std::string name(reinterpret_cast<const char*>(type), 4);
    if (!haveHeader && name != "IHDR") {
      error = VELMOR_TEXT("the PNG picture has no header");
      return false;
    }
    if (name == "IHDR") {
      if (haveHeader) {
        error = VELMOR_TEXT("the PNG picture has two headers");
        return false;
      }
      if (!ReadHeader(body, length, header, error)) return false;
      haveHeader = true;
    } else if (name == "PLTE") {
      if (length % 3 != 0 || length == 0 || length > 256 * 3) {
        error = VELMOR_TEXT("the PNG palette is damaged");
        return false;
      }
      palette.clear();
      for (uint32_t i = 0; i < length; i += 3) palette.push_back(Rgb(body[i], body[i + 1], body[i + 2]));
    } else if (name == "IDAT") {
      idat.push_back({body, length});
      compressed += length;
    } else if (name == "IEND") {
      haveEnd = true;
    } else if (!(type[0] & 0x20)) {
      // An upper-case first letter marks a chunk the picture cannot be shown without.
      error = Fill(VELMOR_TEXT("the PNG picture uses a feature that cannot be read (%1)"), name);
      return false;
    }
  }
  if (header.colourType == Indexed && palette.empty()) {
    error = VELMOR_TEXT("the PNG picture has no palette");
    return false;
  }
  const size_t rowBytes = header.RowBytes();
  const uint64_t raw = (uint64_t{rowBytes} + 1) * header.height;
  if (compressed == 0 || raw > compressed * MaxInflateRatio) {
    error = VELMOR_TEXT("the PNG picture is truncated");
    return false;
  }

  Inflater inflater(idat);
  if (!inflater.Open(error)) return false;
  Picture picture(static_cast<int>(header.width), static_cast<int>(header.height));
  // Each row with its filter byte in front; the row above is kept by swapping the two.
  std::vector<uint8_t> above(rowBytes + 1, 0), current(rowBytes + 1);
  const size_t step = header.FilterStep();
  const int d = header.depth;
  for (uint32_t y = 0; y < header.height; ++y) {
    if (!inflater.Read(current.data(), current.size(), error)) return false;
    uint8_t* samples = current.data() + 1;
    if (!Unfilter(current[0], samples, above.data() + 1, rowBytes, step)) {
      error = VELMOR_TEXT("the PNG picture data is damaged (an unknown row filter)");
      return false;
    }
    uint32_t* dst = picture.row(static_cast<int>(y));
    if (d == 8 && (header.colourType == Truecolour || header.colourType == TruecolourAlpha)) {
      // The common case, without a choice per pixel.
      const size_t n = header.channels;
      for (uint32_t x = 0; x < header.width; ++x, samples += n) dst[x] = Rgb(samples[0], samples[1], samples[2]);
    } else {
      for (uint32_t x = 0; x < header.width; ++x) {
        const size_t s = static_cast<size_t>(x) * header.channels;
        switch (header.colourType) {
          case Grey:
          case GreyAlpha: {
            const int v = Sample(samples, s, d);
            dst[x] = Rgb(v, v, v);
            break;
          }
          case Indexed: {
            const int i = Index(samples, x, d);
            if (static_cast<size_t>(i) >= palette.size()) {
              error = VELMOR_TEXT("the PNG picture uses a colour its palette does not have");
              return false;
            }
            dst[x] = palette[i];
            break;
          }
          default:
            dst[x] = Rgb(Sample(samples, s, d), Sample(samples, s + 1, d), Sample(samples, s + 2, d));
            break;
        }
      }
    }
    std::swap(above, current);
  }
  out = std::move(picture);
  return true;
}

bool DecodePngFile(const std::string& path, Picture& out, std::string& error) {
  return DecodePictureFile(path, DecodePng, out, error);
}

}  // namespace velmor
