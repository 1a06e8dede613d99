#pragma once

#include <QString>

namespace artgen {

// Contact sheets for looking at the artwork as the game will show it: every face composed onto
// the tile from the files just written (the same bitwise steps the game takes), on each of the
// three face grounds, at 1x and 3x; each background tiled over a whole board; the Hall of Fame
// panel beside boards and in each of its modes, with sample text; and a help page on its paper.
bool writePreview(const QString& dataDir, const QString& outDir, QString* error);

}  // namespace artgen
