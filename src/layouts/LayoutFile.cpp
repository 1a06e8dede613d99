#include "layouts/LayoutFile.h"

#include <algorithm>
#include <cstring>

#include "base/Files.h"
#include "base/Say.h"

namespace velmor {

std::vector<std::string> SplitLayoutLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  bool pending = false;  // a line has started (or a CR just ended one that may be followed by LF)
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == 26) break;
    if (ch == '\r') {
      lines.push_back(current);
      current.clear();
      pending = false;
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    current.push_back(ch);
    pending = true;
  }
  if (pending) lines.push_back(current);
  return lines;
}

bool ParseLayFile(std::string_view text, LayFile& out, std::string& error) {
  const std::vector<std::string> lines = SplitLayoutLines(text);
  LayFile result;
  result.magicOk = !lines.empty() && lines[0] == LayMagic;
  result.name = lines.size() > 1 ? lines[1] : std::string();
  if (result.magicOk) {
    const std::string cells = lines.size() > 2 ? lines[2] : std::string();
    if (cells.size() != LayoutShape::CellCount) {
      error = Fill(VELMOR_TEXT("the tile map holds %1 cells instead of %2"), cells.size(), LayoutShape::CellCount);
      return false;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
      if (cells[i] != '0' && cells[i] != '1') {
        error = Fill(VELMOR_TEXT("the tile map holds a character other than 0 or 1 at position %1"), i + 1);
        return false;
      }
      result.shape.cells[i] = static_cast<uint8_t>(cells[i] - '0');
    }
  }
  out = std::move(result);
  return true;
}

namespace {
int HexDigit(char c) { return (c >= '0' && c <= '9') ? c - '0' : static_cast<unsigned char>(c) - 55; }
bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
}  // namespace

bool ParseShpFile(std::string_view text, LayoutShape& out, std::string& error) {
  const std::vector<std::string> lines = SplitLayoutLines(text);
  if (lines.size() < 144) {
    error = Fill(VELMOR_TEXT("it has %1 lines; 144 are needed"), lines.size());
    return false;
  }
  LayoutShape shape;
  for (int i = 0; i < 144; ++i) {
    const std::string& line = lines[static_cast<size_t>(i)];
    if (line.size() < 9) {
      error = Fill(VELMOR_TEXT("line %1 is shorter than 9 characters"), i + 1);
      return false;
    }
    for (int k = 3; k < 9; ++k)
      if (!IsHexDigit(line[static_cast<size_t>(k)])) {
        error = Fill(VELMOR_TEXT("line %1 has \"%2\" where hexadecimal coordinates belong"), i + 1, line.substr(3, 6));
        return false;
      }
    const int x = 16 * HexDigit(line[3]) + HexDigit(line[4]);
    const int y = 16 * HexDigit(line[5]) + HexDigit(line[6]);
    const int z = 16 * HexDigit(line[7]) + HexDigit(line[8]);
    if (x > 32 || y > 18 || z > 4) {
      error = Fill(VELMOR_TEXT("line %1 places a tile outside the board (x %2, y %3, z %4)"), i + 1, x, y, z);
      return false;
    }
    shape.at(z + 1, y + 1, x + 1) = 1;
  }
  out = shape;
  return true;
}

bool IsShpPath(std::string_view path) {
  if (path.size() < 4) return false;
  std::string_view ext = path.substr(path.size() - 4);
  return ext[0] == '.' && (ext[1] | 0x20) == 's' && (ext[2] | 0x20) == 'h' && (ext[3] | 0x20) == 'p';
}

bool ParseLayoutText(const std::string& path, bool shp, std::string_view text, LayFile& out, std::string& error) {
  if (!shp) return ParseLayFile(text, out, error);
  LayFile result;
  if (!ParseShpFile(text, result.shape, error)) return false;
  result.magicOk = true;
  // The file carries no name of its own. Its path is no name: it would travel into the title and
  // into every ".lay" saved from it, naming a folder of the machine it was made on.
  result.name = FileStemOf(path);
  out = std::move(result);
  return true;
}

bool ReadPlayableLayout(const std::string& path, bool shp, LayoutShape& shape, std::string& name,
                        LayoutRefusal& refusal) {
  auto refuse = [&refusal](std::string reason, bool currentStays = true) {
    refusal = {std::move(reason), currentStays};
    return false;
  };
  std::string text, error;
  if (!ReadWholeFile(path, text, error))
    return refuse(Fill(VELMOR_TEXT("The layout could not be loaded: %1."), error), false);
  if (text.empty()) return refuse(Fill(VELMOR_TEXT("The layout \"%1\" is an empty file."), path));
  // Layout files are text; anything with control bytes is something else under a layout's name.
  const bool binary = std::any_of(text.begin(), text.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 && c != '\r' && c != '\n' && c != '\t' && c != 26;
  });
  if (binary) return refuse(Fill(VELMOR_TEXT("\"%1\" is not a layout file."), path));
  LayFile read;
  if (!ParseLayoutText(path, shp, text, read, error))
    return refuse(Fill(VELMOR_TEXT("The layout \"%1\" is damaged: %2."), path, error));
  // A file with another first line keeps the current shape and only lends its name; with no
  // current shape there is nothing to keep.
  if (read.magicOk)
    shape = read.shape;
  else if (!IsDealableCount(shape.Count()))
    return refuse(Fill(VELMOR_TEXT("\"%1\" is not a layout file: its first line is not \"%2\"."), path, LayMagic),
                  false);
  name = read.name;
  const int positions = shape.Count();
  if (!IsDealableCount(positions))
    return refuse(
        positions == 0
            ? Fill(VELMOR_TEXT("The layout \"%1\" cannot be played: it holds no tile."), path)
            : Fill(VELMOR_TEXT("The layout \"%1\" cannot be played: it holds %2 tiles, and a deal needs an even "
                               "number of tiles from 2 to 144."),
                   path, positions));
  return true;
}

std::string FormatLayFile(std::string_view name, const LayoutShape& shape) {
  std::string out;
  out.reserve(LayoutShape::CellCount + name.size() + 20);
  out.append(LayMagic).append("\r\n");
  out.append(name).append("\r\n");
  for (uint8_t v : shape.cells) out.push_back(static_cast<char>('0' + v));
  out.append("\r\n");
  return out;
}

}  // namespace velmor
