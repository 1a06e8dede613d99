#pragma once

#include <QImage>

namespace artgen {

// The picture of face 1..42 (the game's face numbering): 40 x 50, premultiplied, transparent
// wherever the tile's ground should show. It is the same for every tileset; each tileset blends
// it into its own ground when the sheet is built. For a sheet k times larger the face is drawn
// again at that size (40k x 50k), not enlarged.
QImage drawFace(int face, int k = 1);

}  // namespace artgen
