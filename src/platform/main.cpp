// Velmor: the program's main block.
#include <QApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <QSplashScreen>
#include <QTimer>
#include <QWindow>

#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/Version.h"
#include "chrome/Artwork.h"
#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"
#include "shell/CommandLine.h"
#include "shell/GameFolders.h"
#include "shell/TVelmor.h"

namespace {

int signalPipe[2] = {-1, -1};
bool terminateAsked = false;
bool windowUp = false;

void OnTerminate(int) {
  const char byte = 1;
  // Only async-signal-safe work here; the event loop does the rest.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

// A logout or `kill` ends the game the way closing its window does, so the settings and records
// are written. During start-up nothing has changed yet and the state is half read, so then the
// program only leaves, after closing any message it is waiting on.
void CloseOnTerminate(QWidget& window) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
    if (terminateAsked) return;
    terminateAsked = true;
    notifier->setEnabled(false);
    for (int guard = 0; guard < 16; ++guard) {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == &window) break;
      modal->close();
    }
    if (windowUp) {
      window.close();
      QApplication::quit();
    }
  });
  struct sigaction action = {};
  action.sa_handler = OnTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

// The splash gives way once the window is on the screen, so that nothing flickers between the two.
// QSplashScreen::finish waits for that in sleeps of 10 ms, which the window's first frame would
// wait for too; here the window's own exposure closes it, and a second at most.
void CloseSplashWhenShown(QSplashScreen* splash, QWidget& window) {
  QWindow* shown = window.windowHandle();
  if (shown == nullptr || shown->isExposed()) {
    delete splash;
    return;
  }
  struct Watch : QObject {
    QSplashScreen* splash;
    explicit Watch(QSplashScreen* s, QObject* parent) : QObject(parent), splash(s) {}
    void Close() {
      if (splash == nullptr) return;
      splash->close();
      splash->deleteLater();
      splash = nullptr;
      deleteLater();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) Close();
      return false;
    }
  };
  auto* watch = new Watch(splash, shown);
  shown->installEventFilter(watch);
  QTimer::singleShot(1000, watch, [watch] { watch->Close(); });
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before the toolkit starts, so that --help and --version need no display.
  const velmor::CommandLine command = velmor::ReadCommandLine({argv + 1, argv + argc}, [] {
    std::error_code unread;
    const std::string program = std::filesystem::canonical("/proc/self/exe", unread).parent_path().string();
    return velmor::ListedLayouts(velmor::FindGameFolders(program, [](const char* name) { return std::getenv(name); }));
  });
  if (command.Ends()) {
    std::fputs(command.text.c_str(), command.ExitStatus() == 0 ? stdout : stderr);
    return command.ExitStatus();
  }
  // Fontconfig reads its configuration and font caches on first use, milliseconds the window's
  // first words would wait for: they are read beside the toolkit's own start instead.
  std::thread fonts([] { FcInit(); });
  QApplication app(argc, argv);
  QApplication::setApplicationName(VELMOR_NAME_AND_VERSION);
  QApplication::setDesktopFileName("org.velmor.Velmor");
  QIcon icon;
  // Up to 128 pixels: every window sends each size to the X server as it maps, and the desktop
  // takes its larger pictures from the installed icon theme.
  for (int size : {16, 24, 32, 48, 64, 128}) icon.addFile(QString(":/icons/velmor-%1.png").arg(size));
  // The program's own pictures, not the icon theme's: looking a name up in the theme reads its
  // folders and costs the start several milliseconds.
  QApplication::setWindowIcon(icon);

  fonts.join();
  auto* splash = new QSplashScreen(velmor::SplashPicture());
  splash->show();
  app.processEvents();

  const velmor::GameFolders folders = velmor::FindGameFolders(QCoreApplication::applicationDirPath().toStdString(),
                                                              [](const char* name) { return std::getenv(name); });
  velmor::CarryOverPlayerFiles(folders);

  velmor::QtPlatform platform;
  velmor::TVelmor game(platform, folders.app);
  game.Asked = command.start;
  game.Folders.UsePlayerFolders(folders.config, folders.userLayouts);
  velmor::MainWindow window(game);
  platform.SetWindow(&window);
  CloseOnTerminate(window);
  if (!game.Init()) return 1;  // the player has been told what is missing
  if (terminateAsked) return 0;
  windowUp = true;

  window.StartTimer();
  window.ShowAsSaved(game.Window.SavedWidth, game.Window.SavedHeight, game.Window.SavedMaximized,
                     game.Window.FirstStart);
  CloseSplashWhenShown(splash, window);
  // Start-up decoded pictures into temporary buffers; give those pages back to the system.
  malloc_trim(0);
  return app.exec();
}
