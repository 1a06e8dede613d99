// The help window's two texts are RTF files that lie beside the program and can be edited by
// anyone, so they are read by a small reader of our own: it understands what our texts use,
// passes over the rest of RTF quietly, and refuses text that could not be a help file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

struct RtfRun {
  std::string text;  // UTF-8; "\t" for a tab, "\n" for a line break inside the paragraph
  bool bold = false, italic = false, underline = false;
  int halfPoints = 24;  // \fs
  uint32_t colour = 0;  // 0x00RRGGBB, 0 = default black
  bool SameLook(const RtfRun& o) const {
    return bold == o.bold && italic == o.italic && underline == o.underline && halfPoints == o.halfPoints &&
           colour == o.colour;
  }
};

struct RtfParagraph {
  std::vector<RtfRun> runs;  // never holds a run with empty text
  bool bullet = false;
  int alignment = 0;  // 0 left, 1 centre, 2 right
  int leftIndentTwips = 0;
  int spaceAfterTwips = 0;
  std::string Text() const;  // the runs' text joined
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
};

inline constexpr size_t RtfMaxBytes = size_t{8} << 20;
inline constexpr int RtfMaxDepth = 256;

// False with a one-sentence reason, and `out` emptied, for text that is not RTF, has unbalanced
// groups, is larger than RtfMaxBytes or nests groups deeper than RtfMaxDepth. One pass over
// the text; any byte sequence is safe.
bool ReadRtf(std::string_view rtf, RtfDocument& out, std::string& error);

// The document as simple HTML for a rich-text view: <p> per paragraph, <ul><li> for runs of
// bullet paragraphs, <b>, <i>, <u> and a <span> with the size and colour of every run.
std::string RtfToHtml(const RtfDocument& doc);

}  // namespace velmor
