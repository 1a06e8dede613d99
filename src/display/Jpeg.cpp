#include "display/Jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <new>

#include <jerror.h>
#include <jpeglib.h>

#include "base/Say.h"
#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

// A sensible progressive file has about ten scans. Each scan walks the whole coefficient
// buffer, so a hostile file with thousands of tiny scans could keep us busy for minutes.
constexpr int MaxScans = 500;

// libjpeg reports fatal errors through error_exit, which must not return; we jump back to the
// decoder with the reason kept here. Everything in here is trivially destructible, so the jump
// skips no destructor.
struct Session {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  char reason[JMSG_LENGTH_MAX + 64];
};

Session& SessionOf(j_common_ptr cinfo) { return *static_cast<Session*>(cinfo->client_data); }

// Keeps the filled reason in the session; the string it builds is gone before Fail jumps, since
// the jump would skip its destructor.
template <typename... Values>
void KeepReason(j_common_ptr cinfo, const char* pattern, const Values&... values) {
  Session& s = SessionOf(cinfo);
  const std::string reason = Fill(pattern, values...);
  std::snprintf(s.reason, sizeof s.reason, "%s", reason.c_str());
}

template <typename... Values>
[[noreturn]] void Fail(j_common_ptr cinfo, const char* pattern, const Values&... values) {
  KeepReason(cinfo, pattern, values...);
  std::longjmp(SessionOf(cinfo).jump, 1);
}

[[noreturn]] void FailTooLarge(j_decompress_ptr cinfo) {
  Fail(reinterpret_cast<j_common_ptr>(cinfo), VELMOR_TEXT("the JPEG picture is too large (%1 x %2, at most %3 a side)"),
       cinfo->image_width, cinfo->image_height, MaxJpegSide);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
  switch (cinfo->err->msg_code) {
    case JERR_NO_SOI:
      Fail(cinfo, VELMOR_TEXT("not a JPEG picture"));
    case JERR_INPUT_EMPTY:
    case JERR_INPUT_EOF:
      Fail(cinfo, VELMOR_TEXT("the JPEG picture is truncated"));
    case JERR_EMPTY_IMAGE:
      Fail(cinfo, VELMOR_TEXT("the JPEG picture has no pixels"));
    case JERR_IMAGE_TOO_BIG:
      FailTooLarge(reinterpret_cast<j_decompress_ptr>(cinfo));
    case JERR_OUT_OF_MEMORY:
      Fail(cinfo, VELMOR_TEXT("not enough memory to decode the JPEG picture"));
    default: {
      char text[JMSG_LENGTH_MAX];
      cinfo->err->format_message(cinfo, text);
      Fail(cinfo, VELMOR_TEXT("cannot decode the JPEG picture: %1"), text);
    }
  }
}

// Warnings (level -1) mostly mean damaged picture data that libjpeg papers over with grey or
// smeared blocks; a half-grey backdrop is worse than a clear error, so those fail. The ones
// that leave every pixel intact - junk between markers, odd JFIF versions, a bad colour
// profile or transform code - are let through. Trace messages (level > 0) are dropped.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  switch (cinfo->err->msg_code) {
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
      return;
    case JWRN_JPEG_EOF:
      Fail(cinfo, VELMOR_TEXT("the JPEG picture is truncated"));
    default: {
      char text[JMSG_LENGTH_MAX];
      cinfo->err->format_message(cinfo, text);
      Fail(cinfo, VELMOR_TEXT("the JPEG picture is damaged: %1"), text);
    }
  }
}

void OnOutputMessage(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MaxScans)
    Fail(cinfo, VELMOR_TEXT("the JPEG picture has too many scans"));
}

inline uint8_t Scale255(unsigned a, unsigned b) { return static_cast<uint8_t>((a * b + 127) / 255); }

// One decoded scanline of grey, RGB or CMYK samples into B, G, R, 0 pixels.
void ConvertRow(const JSAMPLE* in, uint32_t* out, JDIMENSION width, J_COLOR_SPACE space, bool inverted) {
  switch (space) {
    case JCS_GRAYSCALE:
      for (JDIMENSION x = 0; x < width; ++x) out[x] = in[x] * 0x010101u;
      break;
    case JCS_CMYK:
      // Adobe writes CMYK inverted (0 = full ink); without its marker assume the plain form.
      for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        unsigned c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        out[x] = (uint32_t{Scale255(c, k)} << 16) | (uint32_t{Scale255(m, k)} << 8) | Scale255(y, k);
      }
      break;
    default:
      for (JDIMENSION x = 0; x < width; ++x, in += 3) out[x] = (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
      break;
  }
}

// Reads the rows through a libjpeg buffer, converting each one.
void ReadConverted(j_decompress_ptr cinfo, Picture& decoded) {
  const int batch = cinfo->rec_outbuf_height;
  JSAMPARRAY rows = cinfo->mem->alloc_sarray(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                             cinfo->output_width * cinfo->output_components, batch);
  const bool inverted = cinfo->saw_Adobe_marker;
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION first = cinfo->output_scanline;
    const JDIMENSION got = jpeg_read_scanlines(cinfo, rows, batch);
    if (got == 0) Fail(reinterpret_cast<j_common_ptr>(cinfo), VELMOR_TEXT("the JPEG picture is truncated"));
    for (JDIMENSION i = 0; i < got; ++i)
      ConvertRow(rows[i], decoded.row(static_cast<int>(first + i)), cinfo->output_width, cinfo->out_color_space,
                 inverted);
  }
}

#ifdef JCS_EXTENSIONS
// libjpeg-turbo can write B, G, R, X pixels - our layout - straight into the picture's rows.
constexpr J_COLOR_SPACE DirectSpace = JCS_EXT_BGRX;

void ReadDirect(j_decompress_ptr cinfo, Picture& decoded) {
  constexpr JDIMENSION MaxRows = 16;
  JSAMPROW rows[MaxRows];
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION first = cinfo->output_scanline;
    const JDIMENSION count = std::min(MaxRows, cinfo->output_height - first);
    for (JDIMENSION i = 0; i < count; ++i)
      rows[i] = reinterpret_cast<JSAMPROW>(decoded.row(static_cast<int>(first + i)));
    if (jpeg_read_scanlines(cinfo, rows, count) == 0)
      Fail(reinterpret_cast<j_common_ptr>(cinfo), VELMOR_TEXT("the JPEG picture is truncated"));
  }
  // The X byte comes back as 0xFF and our pixels want it zero. Clearing each row right behind
  // the decoder doubled the decoding time (libjpeg's vector stores seem to bypass the cache);
  // one pass at the end is cheap.
  for (uint32_t& p : decoded.pixels()) p &= 0x00FFFFFFu;
}
#endif

// Runs libjpeg on `data`. Kept apart from DecodeJpeg so that nothing with a destructor lives
// in the frame that setjmp returns to twice.
bool Run(Session& s, const uint8_t* data, size_t size, Picture& decoded) {
  jpeg_decompress_struct& cinfo = s.cinfo;
  cinfo.err = jpeg_std_error(&s.err);
  s.err.error_exit = OnError;
  s.err.emit_message = OnMessage;
  s.err.output_message = OnOutputMessage;
  cinfo.client_data = &s;
  if (setjmp(s.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);  // keeps err and client_data, clears the rest
  s.progress.progress_monitor = OnProgress;
  cinfo.progress = &s.progress;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);

  const auto common = reinterpret_cast<j_common_ptr>(&cinfo);
  if (cinfo.image_width == 0 || cinfo.image_height == 0) Fail(common, VELMOR_TEXT("the JPEG picture has no pixels"));
  if (cinfo.image_width > MaxJpegSide || cinfo.image_height > MaxJpegSide) FailTooLarge(&cinfo);
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
#ifdef JCS_EXTENSIONS
      cinfo.out_color_space = DirectSpace;
#else
      // Grey is widened in ConvertRow: a plain libjpeg cannot turn it into RGB itself.
      cinfo.out_color_space = cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
#endif
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      break;
    default:
      Fail(common, VELMOR_TEXT("the JPEG picture has an unsupported colour layout (%1 components)"),
           cinfo.num_components);
  }
  jpeg_start_decompress(&cinfo);

  // Allocated only now: for a progressive file libjpeg has read every scan by this point, so a
  // truncated one has already failed.
  bool allocated = true;
  try {
    decoded.Resize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  } catch (const std::bad_alloc&) {
    allocated = false;  // jumping out of the handler itself would leak the exception
  }
  if (!allocated) Fail(common, VELMOR_TEXT("not enough memory to decode the JPEG picture"));
#ifdef JCS_EXTENSIONS
  if (cinfo.out_color_space == DirectSpace)
    ReadDirect(&cinfo, decoded);
  else
#endif
    ReadConverted(&cinfo, decoded);
  // Reads on to the end marker, so damage hidden after the last row still counts.
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Picture& out, std::string& error) {
  if (size == 0) {
    error = VELMOR_TEXT("the JPEG data is empty");
    return false;
  }
  if (size < 2 || data[0] != 0xFF || data[1] != 0xD8) {
    error = VELMOR_TEXT("not a JPEG picture");
    return false;
  }
  Session session{};
  Picture decoded;
  if (!Run(session, data, size, decoded)) {
    error = session.reason;
    return false;
  }
  out = std::move(decoded);
  return true;
}

bool DecodeJpegFile(const std::string& path, Picture& out, std::string& error) {
  return DecodePictureFile(path, DecodeJpeg, out, error);
}

}  // namespace velmor
