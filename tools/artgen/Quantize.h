#pragma once

#include <QImage>

namespace artgen {

// Reduces a tileset picture to 256 colours with a palette of its own. Pure black and pure white
// keep palette entries of their own and nothing else maps to them: the game combines the pictures
// with the masks bitwise, so black must stay exactly where the picture is black, and nowhere else.
QImage quantizeTo256(const QImage& image);

}  // namespace artgen
