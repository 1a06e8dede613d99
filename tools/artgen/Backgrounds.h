#pragma once

#include <QImage>

namespace artgen {

// Backgrounds lie behind the tiles, so they stay dark and quiet. The pattern tiles are smaller
// than the 704 x 468 board and repeat seamlessly; the galaxy fills the board exactly. Each can be
// drawn k times larger for a board shown k times larger: the same picture, drawn at that size.
QImage kanjiBackground(int k = 1);
QImage dragonsBackground(int k = 1);
QImage andromedaBackground(int k = 1);
QImage catPawsBackground(int k = 1);

}  // namespace artgen
