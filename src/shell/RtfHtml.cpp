// The help texts as simple HTML for the help window's rich-text view.
#include <algorithm>
#include <string>
#include <string_view>

#include "shell/RtfReader.h"

namespace velmor {

namespace {

void AppendEscaped(std::string& html, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\n':
        html += "<br />";
        break;
      default:
        html += c;
    }
  }
}

// Font sizes: whole points, or ".5" for an odd half-point.
std::string Points(int halfPoints) { return std::to_string(halfPoints / 2) + (halfPoints % 2 != 0 ? ".5" : ""); }

// Margins in pixels at 96 per inch: rich-text views honour pixel margins and may drop others.
std::string Pixels(int twips) { return std::to_string((twips + 7) / 15) + "px"; }

std::string HexColour(uint32_t rgb) {
  static const char digits[] = "0123456789abcdef";
  std::string s = "#";
  for (int shift = 20; shift >= 0; shift -= 4) s += digits[(rgb >> shift) & 0xF];
  return s;
}

}  // namespace

std::string RtfToHtml(const RtfDocument& doc) {
  std::string html = "<html><body>\n";
  bool inList = false;
  for (const RtfParagraph& p : doc.paragraphs) {
    if (p.bullet != inList) {
      // The list's own margins would add to the items' spacing.
      html += p.bullet ? "<ul style=\"margin-top:0; margin-bottom:0;\">\n" : "</ul>\n";
      inList = p.bullet;
    }
    // Margins are always written: a view's own default margins would undo the text's spacing.
    // A list already indents its items by about a quarter inch, which stands for that much of
    // the item's left indent. RTF keeps every space, hence pre-wrap.
    const int indent = p.bullet ? std::max(0, p.leftIndentTwips - 360) : p.leftIndentTwips;
    std::string style = "margin-top:0; margin-bottom:" + Pixels(p.spaceAfterTwips) + "; margin-left:" + Pixels(indent) +
                        "; white-space:pre-wrap;";
    if (p.alignment == 1) style += " text-align:center;";
    if (p.alignment == 2) style += " text-align:right;";
    html += p.bullet ? "<li style=\"" : "<p style=\"";
    html += style + "\">";
    for (const RtfRun& r : p.runs) {
      html += "<span style=\"font-size:" + Points(r.halfPoints) + "pt";
      if (r.colour != 0) html += ";color:" + HexColour(r.colour);
      html += "\">";
      if (r.bold) html += "<b>";
      if (r.italic) html += "<i>";
      if (r.underline) html += "<u>";
      AppendEscaped(html, r.text);
      if (r.underline) html += "</u>";
      if (r.italic) html += "</i>";
      if (r.bold) html += "</b>";
      html += "</span>";
    }
    // An empty paragraph is a blank line in RTF; some views drop an empty block altogether.
    if (p.runs.empty()) html += "&#160;";
    html += p.bullet ? "</li>\n" : "</p>\n";
  }
  if (inList) html += "</ul>\n";
  html += "</body></html>\n";
  return html;
}

}  // namespace velmor
