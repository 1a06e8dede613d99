// The layout generator: layer drawings in, checked layout files out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Say.h"
#include "board/LayoutShape.h"

namespace velmor::layoutgen {

// The layouts' names are marked where they are drawn: the Layout menu and the chooser show them,
// so they are translated along with the game's own texts.
VELMOR_SPEAKS(velmor)

// One layer of a heap drawn on the half-tile grid: line k of the picture is board row k, character
// k is board column k, so every layer of a layout lines up with the others in the source. A tile
// covers four half-cells, drawn as "/\" above "\/" with its top-left character on the tile's
// anchor. Spaces are empty.
struct LayerDrawing {
  int layer;  // 1 (the table) .. 5
  // One leading newline is skipped, so a raw string can start on a line of its own.
  std::string_view picture;
};

enum class FileKind { Lay, Shp };

// The mirrors a heap is drawn to be its own image in. Left-right turns column about the heap's
// middle and keeps row and layer; top-bottom does the same for rows.
enum class Symmetry { None, LeftRight, TopBottom, Both };

struct LayoutDrawing {
  std::string_view name;  // the name line of a .lay and the file's name
  FileKind kind;
  // Declared beside the drawing, so a slip of half a tile in one half cannot pass unseen.
  Symmetry symmetry;
  std::vector<LayerDrawing> layers;
};

const std::vector<LayoutDrawing>& ShippedLayouts();

// The heaps after the first nine, one family to a source file so each file stays readable.
void AddAnimalLayouts(std::vector<LayoutDrawing>& layouts);
void AddBuildingLayouts(std::vector<LayoutDrawing>& layouts);
void AddSymbolLayouts(std::vector<LayoutDrawing>& layouts);
void AddOpenLayouts(std::vector<LayoutDrawing>& layouts);
void AddSteepLayouts(std::vector<LayoutDrawing>& layouts);

// False with a message naming the layer, line and column of anything that is not a whole tile.
bool ReadDrawing(const LayoutDrawing& drawing, LayoutShape& shape, std::string& error);

// The layers of a shape drawn the way ReadDrawing reads them, each under a "layer N" heading.
std::string DrawLayers(const LayoutShape& shape);

// Figures printed beside each layout so a new drawing can be judged without starting the game.
struct LayoutFigures {
  int tiles = 0;
  int perLayer[5] = {};
  int freeAtStart = 0;
  // Pixels between the heap's pictures and the edges of the board picture.
  int marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
};
LayoutFigures Measure(const LayoutShape& shape);

// The rules every shipped heap obeys: 144 positions, every picture on the board picture, no two
// tiles of a layer overlapping, every raised tile supported, the heap roughly centred and enough
// tiles free to give the opening some choice. The first broken rule goes to `error`.
bool CheckShape(const LayoutShape& shape, std::string& error);

// The mirrors `shape` is its own image in, each taken about the middle of the heap's outermost
// anchors (the only line a mirror-image heap can be turned about).
Symmetry MeasureSymmetry(const LayoutShape& shape);
const char* SymmetryText(Symmetry symmetry);

// False when the heap is not exactly its own image in each declared mirror (`error` names the
// first tile whose image is empty), or when it is also symmetric in a mirror left undeclared,
// so the declarations stay true to the drawings.
bool CheckSymmetry(const LayoutShape& shape, Symmetry declared, std::string& error);

// Deals games 1..games with the winnable construction and replays each recorded removal order,
// pair by pair, under the standard free rule.
bool CheckDeals(const LayoutShape& shape, int games, std::string& error);

// ".shp" text for a shape: 144 CR LF lines, the tile index and then x, y, z in hexadecimal.
// False when a tile sits in the first board row or column, which the format cannot express.
bool FormatShpFile(const LayoutShape& shape, std::string& out, std::string& error);

}  // namespace velmor::layoutgen
