// Velmor: the program's main block.
#include <QApplication>
#include <QSplashScreen>

#include <malloc.h>

#include "chrome/Artwork.h"
#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"
#include "shell/TVelmor.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velmor 5.21");

  auto* splash = new QSplashScreen(velmor::SplashPicture());
  splash->show();
  app.processEvents();

  velmor::QtPlatform platform;
  velmor::TVelmor game(platform, QCoreApplication::applicationDirPath().toStdString() + "/");
  velmor::MainWindow window(game);
  platform.SetWindow(&window);
  if (!game.Init()) return 1;  // the player has been told what is missing

  window.StartTimer();
  window.show();
  splash->finish(&window);
  delete splash;
  // Start-up decoded pictures into temporary buffers; give those pages back to the system.
  malloc_trim(0);
  return app.exec();
}
