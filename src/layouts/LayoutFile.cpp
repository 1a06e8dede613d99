#include "layouts/LayoutFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

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
      error = "the tile map holds " + std::to_string(cells.size()) + " cells instead of " +
              std::to_string(LayoutShape::CellCount);
      return false;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
      if (cells[i] != '0' && cells[i] != '1') {
        error = "the tile map holds a character other than 0 or 1 at position " + std::to_string(i + 1);
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
    error = "it has " + std::to_string(lines.size()) + " lines; 144 are needed";
    return false;
  }
  LayoutShape shape;
  for (int i = 0; i < 144; ++i) {
    const std::string& line = lines[static_cast<size_t>(i)];
    const std::string where = "line " + std::to_string(i + 1);
    if (line.size() < 9) {
      error = where + " is shorter than 9 characters";
      return false;
    }
    for (int k = 3; k < 9; ++k)
      if (!IsHexDigit(line[static_cast<size_t>(k)])) {
        error = where + " has \"" + line.substr(3, 6) + "\" where hexadecimal coordinates belong";
        return false;
      }
    const int x = 16 * HexDigit(line[3]) + HexDigit(line[4]);
    const int y = 16 * HexDigit(line[5]) + HexDigit(line[6]);
    const int z = 16 * HexDigit(line[7]) + HexDigit(line[8]);
    if (x > 32 || y > 18 || z > 4) {
      error = where + " places a tile outside the board (x " + std::to_string(x) + ", y " + std::to_string(y) + ", z " +
              std::to_string(z) + ")";
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
  result.name = path;
  out = std::move(result);
  return true;
}

namespace {
std::string ShapeProblem(int positions) {
  if (positions == 0) return "it holds no tile";
  return "it holds " + std::to_string(positions) + " tiles, and a deal needs an even number of tiles from 2 to 144";
}
}  // namespace

bool ReadPlayableLayout(const std::string& path, bool shp, LayoutShape& shape, std::string& name,
                        LayoutRefusal& refusal) {
  auto refuse = [&refusal](std::string reason, bool currentStays = true) {
    refusal = {std::move(reason), currentStays};
    return false;
  };
  std::string text, error;
  if (!ReadWholeFile(path, text, error)) return refuse("The layout could not be loaded: " + error + ".", false);
  if (text.empty()) return refuse("The layout \"" + path + "\" is an empty file.");
  // Layout files are text; anything with control bytes is something else under a layout's name.
  const bool binary = std::any_of(text.begin(), text.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 && c != '\r' && c != '\n' && c != '\t' && c != 26;
  });
  if (binary) return refuse("\"" + path + "\" is not a layout file.");
  LayFile read;
  if (!ParseLayoutText(path, shp, text, read, error))
    return refuse("The layout \"" + path + "\" is damaged: " + error + ".");
  // A file with another first line keeps the current shape and only lends its name; with no
  // current shape there is nothing to keep.
  if (read.magicOk)
    shape = read.shape;
  else if (!IsDealableCount(shape.Count()))
    return refuse("\"" + path + "\" is not a layout file: its first line is not \"" + std::string(LayMagic) + "\".",
                  false);
  name = read.name;
  const int positions = shape.Count();
  if (!IsDealableCount(positions))
    return refuse("The layout \"" + path + "\" cannot be played: " + ShapeProblem(positions) + ".");
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

bool ReadWholeFile(const std::string& path, std::string& out, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "\"" + path + "\" is a folder, not a file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open \"" + path + "\": " + std::strerror(errno);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = "cannot read \"" + path + "\"";
    return false;
  }
  out = buffer.str();
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string& error) {
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    error = "cannot write \"" + path + "\": " + std::strerror(errno);
    return false;
  }
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (::fsync(::fileno(f)) == 0) && ok;
  const int savedErrno = errno;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::remove(temp.c_str());
    error = "cannot write \"" + path + "\": " + std::strerror(savedErrno ? savedErrno : EIO);
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot replace \"" + path + "\": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace velmor
