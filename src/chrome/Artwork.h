// Pictures the program draws itself: toolbar icons, the splash picture and the "TECHNO" pointer.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace velmor {

// The splash picture and the toolbar's icons are drawn when the program is built (by
// velmor-chromegen, with the Draw functions) and carried as resources; a picture whose resource
// cannot be read is drawn afresh.

// Icon of a toolbar button by the button's name ("ExplorerButton1", "PauseButton", ...).
QIcon ToolbarIcon(const QString& buttonName);
QPixmap DrawToolbarIcon(const QString& buttonName);
// The names of the buttons that have an icon.
QStringList ToolbarIconNames();

// The splash picture shown while the game starts.
QPixmap SplashPicture();
QPixmap DrawSplashPicture();

// A large arrow pointing to the upper left, white with a black outline, hot spot at its tip.
QCursor TechnoCursor();

}  // namespace velmor
