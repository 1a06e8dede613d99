#pragma once

#include <QImage>

namespace artgen {

// The picture of face 1..42 (the game's face numbering): 40 x 50, premultiplied, transparent
// wherever the tile's ground should show. It is the same for every tileset; each tileset blends
// it into its own ground when the sheet is built.
QImage drawFace(int face);

}  // namespace artgen
