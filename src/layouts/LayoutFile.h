// Reading and writing layout files: the program's own ".lay" and the external ".shp".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "board/LayoutShape.h"

namespace velmor {

inline constexpr std::string_view LayMagic = "Velmor 3.0";

// Splits text the way the layout readers read lines: a line ends at CR, one LF right after a CR
// is skipped, a lone LF is an ordinary character, and character 26 ends the file.
std::vector<std::string> SplitLayoutLines(std::string_view text);

struct LayFile {
  bool magicOk = false;  // line 1 is exactly "Velmor 3.0"
  std::string name;      // line 2, taken even when the magic is wrong
  LayoutShape shape;     // valid only when magicOk
};

// Parses ".lay" text. With the right magic, line 3 must be 3400 characters of '0' and '1';
// anything else is refused with a message in `error` (returns false). A wrong magic is not an
// error: the caller keeps its shape and takes only the name.
bool ParseLayFile(std::string_view text, LayFile& out, std::string& error);

// Parses ".shp" text: the first 144 lines, hexadecimal x, y, z at positions 4-9. Short files,
// short lines, bad digits and places outside the board are refused with a message.
bool ParseShpFile(std::string_view text, LayoutShape& out, std::string& error);

// True when the file's extension is ".shp" in any case: the external format is known by its
// extension alone, never by ".shp" elsewhere in the path ("Spiral.shp.lay" is a ".lay" file).
bool IsShpPath(std::string_view path);

// Parses layout text with the reader `shp` calls for (callers go by IsShpPath or by the kind of
// their menu entry). A ".shp" is named by its file's base name ("Spiral") and never has a wrong first line.
bool ParseLayoutText(const std::string& path, bool shp, std::string_view text, LayFile& out, std::string& error);

// Why the game will not play a layout file, as the player is told.
struct LayoutRefusal {
  std::string reason;
  bool currentStays = true;  // the message ends by saying the current layout stays
};

// Reads a layout file for play. `shape` holds the current shape on entry: a ".lay" whose first
// line is another program's keeps it and only lends its name, as layout files always have.
// Refused: unreadable, empty or binary files, damaged ones, and shapes a deal cannot fill.
bool ReadPlayableLayout(const std::string& path, bool shp, LayoutShape& shape, std::string& name,
                        LayoutRefusal& refusal);

// The three CR LF-ended lines of a ".lay" file.
std::string FormatLayFile(std::string_view name, const LayoutShape& shape);

}  // namespace velmor
