// Pictures the program draws itself: toolbar icons, the splash picture and the "TECHNO" pointer.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velmor {

// Icon of a toolbar button by the button's name ("ExplorerButton1", "PauseButton", ...).
QIcon ToolbarIcon(const QString& buttonName);

// The splash picture shown while the game starts.
QPixmap SplashPicture();

// A large arrow pointing to the upper left, white with a black outline, hot spot at its tip.
QCursor TechnoCursor();

}  // namespace velmor
