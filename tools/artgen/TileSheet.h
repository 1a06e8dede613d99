#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace artgen {

// Where the game looks for each picture in a tileset file. A tile is 46 x 56: its 40 x 50 face
// at (6, 0), the tile's thickness showing as a side edge on the left and a lower edge below.
namespace sheet {
constexpr int Width = 369;
constexpr int Height = 567;
constexpr int FaceWidth = 40;
constexpr int FaceHeight = 50;
constexpr int TileWidth = 46;
constexpr int TileHeight = 56;
constexpr int Depth = TileWidth - FaceWidth;
constexpr int Columns = 9;
constexpr int Rows = 5;
constexpr int MaskOffset = 312;  // a face mask lies this far below its picture
constexpr int FaceCount = 42;
const QRect BlankTile(0, 256, TileWidth, TileHeight);
const QRect PickedFace(52, 256, FaceWidth, FaceHeight);
const QRect HintedFace(98, 256, FaceWidth, FaceHeight);
const QRect TileMask(138, 256, TileWidth, TileHeight);
const QPoint FaceInTile(Depth, 0);

QRect facePicture(int column, int row);
QRect faceMask(int column, int row);
QRect scaled(const QRect& rect, int k);  // the same place in a sheet drawn k times larger
QPoint cellOfFace(int face);             // face 1..42 -> sheet column and row
int faceAtCell(int column, int row);     // 0 for the cells no face uses
}  // namespace sheet

// Coloured tiles have bevelled faces and painted symbols. High contrast tiles are for players who
// see poorly: flat white faces framed in black, black symbols and a large corner index.
enum class Look { Coloured, HighContrast };

struct TileStyle {
  QString fileName;
  QColor border;  // the back layer of the tile, seen on its side and lower edges
  QColor ground;  // the face
  QColor picked;
  QColor hinted;
  bool palettised;
  Look look = Look::Coloured;
};

std::vector<TileStyle> tileStyles();

// Every picture below can be drawn k times larger (k = 1..4) for large boards: the outline and
// the bevels are drawn again at that size, with each distance multiplied by k.

// 46 x 56 (times k), Format_Grayscale8: 255 inside the tile's outline, 0 outside.
QImage tileOutline(int k = 1);
QImage blankTile(const TileStyle& style, const QImage& outline, int k = 1);
// 40 x 50 (times k): a face of `color` finished as the style's faces are.
QImage faceGround(const TileStyle& style, const QColor& color, const QImage& outline, int k = 1);

struct FaceParts {
  QImage picture;  // what the game ORs in; black wherever the ground shows
  QImage mask;     // black where the picture is drawn, white where the ground shows
};

// Splits a drawn face (premultiplied, transparent where nothing is drawn) into picture and mask,
// blending its soft edges into `ground` so they look smooth on the tile's own face colour.
FaceParts separateFace(const QImage& art, const QColor& ground, const QImage& outline, int k = 1);

// faces[0] is face 1, drawn for the same k. Returns a 24-bit-ready RGB32 sheet in the game's
// layout, every place in it k times as far from the corner.
QImage buildSheet(const TileStyle& style, const std::array<QImage, sheet::FaceCount>& faces, int k = 1);

}  // namespace artgen
