#include <array>

#include "LayoutGen.h"

namespace velmor::layoutgen {

namespace {

// A picture may reach one half-cell past the last anchor: that is where such a tile's right and
// bottom halves are drawn.
constexpr int PictureColumns = AnchorColumns + 1;
constexpr int PictureRows = AnchorRows + 1;

std::vector<std::string_view> PictureLines(std::string_view picture) {
  if (!picture.empty() && picture.front() == '\n') picture.remove_prefix(1);
  std::vector<std::string_view> lines;
  while (!picture.empty()) {
    const size_t end = picture.find('\n');
    lines.push_back(picture.substr(0, end));
    if (end == std::string_view::npos) break;
    picture.remove_prefix(end + 1);
  }
  return lines;
}

std::string Where(int layer, int line, int column) {
  return "layer " + std::to_string(layer) + ", line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

bool ReadDrawing(const LayoutDrawing& drawing, LayoutShape& shape, std::string& error) {
  shape.Clear();
  std::array<bool, AnchorLayers + 1> seen{};
  for (const LayerDrawing& layer : drawing.layers) {
    const int l = layer.layer;
    if (l < 1 || l > AnchorLayers) {
      error = "layer " + std::to_string(l) + " is drawn; layers run 1 to 5";
      return false;
    }
    if (seen[static_cast<size_t>(l)]) {
      error = "layer " + std::to_string(l) + " is drawn twice";
      return false;
    }
    seen[static_cast<size_t>(l)] = true;

    const std::vector<std::string_view> lines = PictureLines(layer.picture);
    if (static_cast<int>(lines.size()) > PictureRows) {
      error = "layer " + std::to_string(l) + " has " + std::to_string(lines.size()) + " lines; the board is " +
              std::to_string(PictureRows) + " half-rows high";
      return false;
    }
    std::array<std::array<char, PictureColumns>, PictureRows> cell{};
    for (auto& row : cell) row.fill(' ');
    for (size_t y = 0; y < lines.size(); ++y)
      for (size_t x = 0; x < lines[y].size(); ++x) {
        const char ch = lines[y][x];
        if (ch == ' ') continue;
        if (x >= PictureColumns) {
          error = Where(l, static_cast<int>(y) + 1, static_cast<int>(x) + 1) + ": the board is only " +
                  std::to_string(PictureColumns) + " half-columns wide";
          return false;
        }
        if (ch != '/' && ch != '\\') {
          error = Where(l, static_cast<int>(y) + 1, static_cast<int>(x) + 1) + ": '" + std::string(1, ch) +
                  "' is not part of a tile (draw one as /\\ above \\/)";
          return false;
        }
        cell[y][x] = ch;
      }

    // Reading in line order, the first character not yet used can only be the top-left corner of
    // its tile, because tiles of one layer never share a half-cell.
    for (int y = 0; y < PictureRows; ++y)
      for (int x = 0; x < PictureColumns; ++x) {
        if (cell[y][x] == ' ') continue;
        const bool whole = y + 1 < PictureRows && x + 1 < PictureColumns && cell[y][x] == '/' &&
                           cell[y][x + 1] == '\\' && cell[y + 1][x] == '\\' && cell[y + 1][x + 1] == '/';
        if (!whole) {
          error = Where(l, y + 1, x + 1) +
                  ": a broken tile (each tile is /\\ above \\/, whole, with no other tile over "
                  "any of its four characters)";
          return false;
        }
        if (y >= AnchorRows || x >= AnchorColumns) {
          error = Where(l, y + 1, x + 1) + ": a tile anchored outside the board grid";
          return false;
        }
        shape.at(l, y, x) = 1;
        cell[y][x] = cell[y][x + 1] = cell[y + 1][x] = cell[y + 1][x + 1] = ' ';
      }
  }
  return true;
}

std::string DrawLayers(const LayoutShape& shape) {
  std::string out;
  for (int l = 1; l <= AnchorLayers; ++l) {
    std::array<std::string, PictureRows> rows;
    for (auto& row : rows) row.assign(PictureColumns, ' ');
    int tiles = 0;
    for (int r = 0; r < AnchorRows; ++r)
      for (int c = 0; c < AnchorColumns; ++c)
        if (shape.at(l, r, c)) {
          ++tiles;
          rows[r][c] = '/';
          rows[r][c + 1] = '\\';
          rows[r + 1][c] = '\\';
          rows[r + 1][c + 1] = '/';
        }
    if (tiles == 0) continue;
    out += "layer " + std::to_string(l) + " (" + std::to_string(tiles) + " tiles)\n";
    size_t last = rows.size();
    while (last > 0 && rows[last - 1].find_first_not_of(' ') == std::string::npos) --last;
    for (size_t y = 0; y < last; ++y) {
      std::string line = rows[y];
      line.erase(line.find_last_not_of(' ') + 1);
      out += line + "\n";
    }
  }
  return out;
}

}  // namespace velmor::layoutgen
