// Draws the splash picture and the toolbar's icons once, where the program is built, so the game
// shows finished pictures at start instead of drawing them (and looking up their fonts) while the
// player waits. Their drawing stays in src/chrome/Artwork.cpp.
// Usage: velmor-chromegen OUT_FOLDER   (runs without a display; writes splash.png and toolbar/*.png)
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

#include "chrome/Artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: velmor-chromegen OUT_FOLDER\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir out(QString::fromLocal8Bit(argv[1]));
  auto save = [&](const QPixmap& picture, const QString& name) {
    if (picture.save(out.filePath(name), "PNG")) return true;
    std::fprintf(stderr, "velmor-chromegen: cannot write %s\n", qPrintable(out.filePath(name)));
    return false;
  };
  if (!out.mkpath("toolbar") || !save(velmor::DrawSplashPicture(), "splash.png")) return 1;
  for (const QString& button : velmor::ToolbarIconNames())
    if (!save(velmor::DrawToolbarIcon(button), "toolbar/" + button + ".png")) return 1;
  return 0;
}
