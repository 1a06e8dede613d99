#pragma once

#include <QImage>

#include "TileSheet.h"

namespace artgen {

// The picture of face 1..42 (the game's face numbering): 40 x 50, premultiplied, transparent
// wherever the tile's ground should show. It is the same for every tileset of one look; each
// tileset blends it into its own ground when the sheet is built. For a sheet k times larger the
// face is drawn again at that size (40k x 50k), not enlarged. A high contrast face is drawn from
// the same symbol, in black only, with a large corner index.
QImage drawFace(int face, int k = 1, Look look = Look::Coloured);

}  // namespace artgen
