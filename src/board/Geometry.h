// The board's pixel geometry: where the picture of a tile anchored at (column, row, layer) lies,
// and how large that picture is.
#pragma once

#include <cstdint>

namespace velmor {

// A tile covers two columns and two rows of the grid, so neighbours side by side are anchored two
// cells apart and a tile may sit half a tile off its neighbour.
constexpr int CellWidth = 20;
constexpr int CellHeight = 25;
// Each layer up is drawn this far right and up: the pile shows its left and lower edges.
constexpr int LayerShift = 6;

// Tile picture size, thickness included, and the face inside it: the side edge is the left
// strip of the box, the lower edge its bottom strip.
constexpr int TileBoxWidth = 46;
constexpr int TileBoxHeight = 56;
constexpr int FaceWidth = 40;
constexpr int FaceHeight = 50;
constexpr int EdgeWidth = TileBoxWidth - FaceWidth;     // the side edge, left of the face
constexpr int EdgeHeight = TileBoxHeight - FaceHeight;  // the lower edge, under the face

// Grid anchors run 1..34, 1..20 and 1..5; the grid itself keeps a margin of empty cells around
// them so the free rule may look two cells beyond an anchor.
constexpr int GridColumns = 38;  // columns 0..37
constexpr int GridRows = 23;     // rows 0..22
constexpr int GridLayers = 6;    // layers 0..5; anchors use 1..5
constexpr int AnchorColumns = 34;
constexpr int AnchorRows = 20;
constexpr int AnchorLayers = 5;

constexpr uint8_t PlaceMarker = 155;  // a layout position still waiting for its tile during a deal
// Grid values 1..HighestTileValue are drawn as tiles; the marker and anything above are not.
constexpr uint8_t HighestTileValue = PlaceMarker - 1;

// They put the face of anchor (1, 1, 1) at x -20 and its picture's top at y -40 from the board
// origin, so the margin column and row 0 lie off the board.
constexpr int FaceLeftOffset = 46;
constexpr int TileTopOffset = 59;

// Where the board origin lies in the board picture: the window has room for the whole board
// from 800 pixels of screen up; below that it starts further up and left.
constexpr int BoardOriginLeft = 36;
constexpr int BoardOriginTop = 25;
constexpr int SmallScreenOriginLeft = -5;
constexpr int SmallScreenOriginTop = 0;
constexpr int RoomyScreenWidth = 800;

// Left edge of the face and top of the picture of a tile anchored at (c, r, l), relative to the
// board origin; the picture's left edge is one side edge left of the face.
constexpr int FaceLeft(int c, int l) { return CellWidth * c + LayerShift * l - FaceLeftOffset; }
constexpr int TileTop(int r, int l) { return CellHeight * r - LayerShift * l - TileTopOffset; }
constexpr int TileLeft(int c, int l) { return FaceLeft(c, l) - EdgeWidth; }

// The same from zero-based column, row and layer indices, with the origin added.
constexpr int CoordX(int i, int k, int originX) { return FaceLeft(i + 1, k + 1) + originX; }
constexpr int CoordY(int j, int k, int originY) { return TileTop(j + 1, k + 1) + originY; }

}  // namespace velmor
