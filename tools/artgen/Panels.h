#pragma once

#include <QImage>

namespace artgen {

// The Hall of Fame panel at the right of the board, 92 x 468. The game writes its yellow, white
// and aqua lines over nearly all of it, so inside the frame it stays dark and plain. With k > 1
// the panel is drawn k times larger (92k x 468k) for a window that shows the game larger.
QImage hallOfFamePanel(int k = 1);

// The paper behind the help pages. It is stretched to each page and black and dark red text sit
// on it, so it stays light and its pattern faint.
QImage helpPaper();

}  // namespace artgen
