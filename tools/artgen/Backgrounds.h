#pragma once

#include <QImage>

namespace artgen {

// Backgrounds lie behind the tiles, so they stay dark and quiet. The pattern tiles are smaller
// than the 704 x 468 board and repeat seamlessly; the galaxy fills the board exactly.
QImage kanjiBackground();
QImage dragonsBackground();
QImage andromedaBackground();
QImage catPawsBackground();

}  // namespace artgen
