#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "LayoutGen.h"
#include "board/Deal.h"
#include "display/Tileset.h"

namespace velmor::layoutgen {

namespace {

// Where the game puts the board inside its picture.
constexpr int OriginX = 36;
constexpr int OriginY = 25;

// Moving a heap one half-column changes the difference between its side margins by 40 pixels,
// one half-row changes the top and bottom difference by 50. A heap drawn as centred as its shape
// allows stays within these; beyond them the drawing has been shifted by mistake.
constexpr int MaxSidewaysImbalance = 40;
constexpr int MaxUpDownImbalance = 50;

// Fewer free tiles than this and the first moves are forced, which makes a dull opening.
constexpr int MinFreeAtStart = 16;

std::string PlaceText(int c, int r, int l) {
  return "the tile at column " + std::to_string(c) + ", row " + std::to_string(r) + ", layer " + std::to_string(l);
}

template <class Visit>
void ForEachTile(const LayoutShape& shape, Visit&& visit) {
  for (int l = 1; l <= AnchorLayers; ++l)
    for (int r = 1; r <= AnchorRows; ++r)
      for (int c = 1; c <= AnchorColumns; ++c)
        if (shape.at(l, r - 1, c - 1)) visit(c, r, l);
}

bool Holds(const LayoutShape& shape, int c, int r, int l) {
  return c >= 1 && c <= AnchorColumns && r >= 1 && r <= AnchorRows && l >= 1 && l <= AnchorLayers &&
         shape.at(l, r - 1, c - 1);
}

// The outermost anchors of a heap, over all its layers.
struct Extent {
  int left = AnchorColumns, right = 1, top = AnchorRows, bottom = 1;
  // A tile covers its anchor's cell and the next, so the image of anchor c is left + right - c:
  // its two cells are the images of c's two.
  std::pair<int, int> Mirrored(Symmetry mirror, int c, int r) const {
    return {mirror == Symmetry::TopBottom ? c : left + right - c, mirror == Symmetry::LeftRight ? r : top + bottom - r};
  }
};

Extent ExtentOf(const LayoutShape& shape) {
  Extent e;
  ForEachTile(shape, [&](int c, int r, int) {
    e.left = std::min(e.left, c);
    e.right = std::max(e.right, c);
    e.top = std::min(e.top, r);
    e.bottom = std::max(e.bottom, r);
  });
  return e;
}

}  // namespace

LayoutFigures Measure(const LayoutShape& shape) {
  LayoutFigures f;
  int left = BoardPictureWidth, right = 0, top = BoardPictureHeight, bottom = 0;
  ForEachTile(shape, [&](int c, int r, int l) {
    ++f.tiles;
    ++f.perLayer[l - 1];
    const int x = OriginX + TileLeft(c, l), y = OriginY + TileTop(r, l);
    left = std::min(left, x);
    right = std::max(right, x + TileBoxWidth);
    top = std::min(top, y);
    bottom = std::max(bottom, y + TileBoxHeight);
  });
  f.marginLeft = left;
  f.marginRight = BoardPictureWidth - right;
  f.marginTop = top;
  f.marginBottom = BoardPictureHeight - bottom;

  Grid grid;
  MarkLayoutPositions(grid, shape);
  f.freeAtStart = CountFreePositions(grid, BuildPositionList(grid));
  return f;
}

bool CheckShape(const LayoutShape& shape, std::string& error) {
  const int count = shape.Count();
  if (count != TileTotal) {
    error = "it holds " + std::to_string(count) + " tiles; a layout needs exactly " + std::to_string(TileTotal);
    return false;
  }

  bool ok = true;
  ForEachTile(shape, [&](int c, int r, int l) {
    if (!ok) return;
    const int x = OriginX + TileLeft(c, l), y = OriginY + TileTop(r, l);
    const char* side = nullptr;
    if (x < 0)
      side = "left";
    else if (x + TileBoxWidth > BoardPictureWidth)
      side = "right";
    else if (y < 0)
      side = "top";
    else if (y + TileBoxHeight > BoardPictureHeight)
      side = "bottom";
    if (side) {
      error = PlaceText(c, r, l) + " would be drawn past the " + side + " edge of the board";
      ok = false;
      return;
    }
    // Looking only right and down finds each overlapping pair once.
    for (int dc = 0; dc <= 1 && ok; ++dc)
      for (int dr = -1; dr <= 1 && ok; ++dr)
        if ((dc > 0 || dr > 0) && Holds(shape, c + dc, r + dr, l)) {
          error = PlaceText(c, r, l) + " overlaps " + PlaceText(c + dc, r + dr, l);
          ok = false;
        }
    if (!ok || l == 1) return;
    bool supported = false;
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr) supported = supported || Holds(shape, c + dc, r + dr, l - 1);
    if (!supported) {
      error = PlaceText(c, r, l) + " floats: nothing on the layer below holds it up";
      ok = false;
    }
  });
  if (!ok) return false;

  const LayoutFigures f = Measure(shape);
  if (std::abs(f.marginLeft - f.marginRight) > MaxSidewaysImbalance ||
      std::abs(f.marginTop - f.marginBottom) > MaxUpDownImbalance) {
    error = "the heap is off centre: margins of " + std::to_string(f.marginLeft) + " (left), " +
            std::to_string(f.marginRight) + " (right), " + std::to_string(f.marginTop) + " (top) and " +
            std::to_string(f.marginBottom) + " (bottom) pixels";
    return false;
  }
  if (f.freeAtStart < MinFreeAtStart) {
    error = "only " + std::to_string(f.freeAtStart) + " tiles are free at the start; at least " +
            std::to_string(MinFreeAtStart) + " are wanted";
    return false;
  }
  return true;
}

Symmetry MeasureSymmetry(const LayoutShape& shape) {
  const Extent e = ExtentOf(shape);
  const auto imageHeld = [&](Symmetry mirror, int c, int r, int l) {
    const auto [mc, mr] = e.Mirrored(mirror, c, r);
    return Holds(shape, mc, mr, l);
  };
  bool sideways = true, upDown = true;
  ForEachTile(shape, [&](int c, int r, int l) {
    sideways = sideways && imageHeld(Symmetry::LeftRight, c, r, l);
    upDown = upDown && imageHeld(Symmetry::TopBottom, c, r, l);
  });
  if (sideways && upDown) return Symmetry::Both;
  if (sideways) return Symmetry::LeftRight;
  if (upDown) return Symmetry::TopBottom;
  return Symmetry::None;
}

const char* SymmetryText(Symmetry symmetry) {
  switch (symmetry) {
    case Symmetry::LeftRight:
      return "left-right";
    case Symmetry::TopBottom:
      return "top-bottom";
    case Symmetry::Both:
      return "left-right and top-bottom";
    case Symmetry::None:
      break;
  }
  return "none";
}

bool CheckSymmetry(const LayoutShape& shape, Symmetry declared, std::string& error) {
  const Symmetry found = MeasureSymmetry(shape);
  if (found == declared) return true;
  const auto has = [](Symmetry s, Symmetry mirror) { return s == mirror || s == Symmetry::Both; };
  const Extent e = ExtentOf(shape);
  for (const Symmetry mirror : {Symmetry::LeftRight, Symmetry::TopBottom}) {
    if (!has(declared, mirror) || has(found, mirror)) continue;
    std::string first;
    ForEachTile(shape, [&](int c, int r, int l) {
      const auto [mc, mr] = e.Mirrored(mirror, c, r);
      if (first.empty() && !Holds(shape, mc, mr, l))
        first = PlaceText(c, r, l) + " has no tile at its image, column " + std::to_string(mc) + ", row " +
                std::to_string(mr);
    });
    error = std::string("it is drawn to be symmetric ") + SymmetryText(mirror) + ", but " + first;
    return false;
  }
  error = std::string("it is symmetric ") + SymmetryText(found) + " but declared symmetric " + SymmetryText(declared) +
          "; declare what it is";
  return false;
}

bool CheckDeals(const LayoutShape& shape, int games, std::string& error) {
  for (int game = 1; game <= games; ++game) {
    const std::string which = "game " + std::to_string(game);
    BoardState board;
    Generator gen;
    DealHooks hooks;
    hooks.seed = [&] { gen.GeneratorState = static_cast<uint32_t>(game); };
    std::vector<Place> order;
    if (!CreateBoard(board, shape, gen, hooks, &order)) {
      error = which + " cannot be dealt: the heap keeps running into dead ends";
      return false;
    }
    if (order.size() != static_cast<size_t>(shape.Count())) {
      error = which + " came back with " + std::to_string(order.size()) + " removals";
      return false;
    }
    Grid grid = board.BoardGrid;
    for (size_t k = 0; k < order.size(); k += 2) {
      const Place& a = order[k];
      const Place& b = order[k + 1];
      const int ta = grid.at(a), tb = grid.at(b);
      const std::string pair = which + ", pair " + std::to_string(k / 2 + 1) + " (" +
                               PlaceText(a.column, a.row, a.layer) + " and " + PlaceText(b.column, b.row, b.layer) +
                               ")";
      if (ta == 0 || tb == 0 || ta == PlaceMarker || tb == PlaceMarker || !TilesMatch(ta, tb)) {
        error = pair + ": not two matching tiles";
        return false;
      }
      if (!IsFreeAt(grid, a.column, a.row, a.layer, false) || !IsFreeAt(grid, b.column, b.row, b.layer, false)) {
        error = pair + ": not both free when their turn comes";
        return false;
      }
      grid.set(a, 0);
      grid.set(b, 0);
    }
  }
  return true;
}

bool FormatShpFile(const LayoutShape& shape, std::string& out, std::string& error) {
  out.clear();
  int index = 0;
  bool ok = true;
  ForEachTile(shape, [&](int c, int r, int l) {
    if (!ok) return;
    // The format counts from the second column and row of the grid.
    const int x = c - 2, y = r - 2, z = l - 1;
    if (x < 0 || y < 0) {
      error = PlaceText(c, r, l) + " lies in the first row or column, which .shp cannot hold";
      ok = false;
      return;
    }
    char line[32];
    std::snprintf(line, sizeof line, "%03d%02X%02X%02X\r\n", ++index, x, y, z);
    out += line;
  });
  return ok;
}

}  // namespace velmor::layoutgen
