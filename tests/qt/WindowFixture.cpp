#include "WindowFixture.h"

#include <unistd.h>

namespace velmor::test {

void GameWindow::SetUp() { FreshFolder(); }

void GameWindow::TearDown() {
  Close();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

void GameWindow::FreshFolder() {
  static int counter = 0;
  folder = std::filesystem::temp_directory_path() /
           ("velmor-window-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::copy(VELMOR_DATA_DIR, folder, std::filesystem::copy_options::recursive);
}

bool GameWindow::Start() {
  platform = std::make_unique<QtPlatform>();
  game = std::make_unique<TVelmor>(*platform, folder.string() + "/");
  window = std::make_unique<MainWindow>(*game);
  platform->SetWindow(window.get());
  if (!game->Init()) return false;
  window->StartTimer();
  window->show();
  QApplication::processEvents();
  return true;
}

void GameWindow::Close() {
  if (window && window->isVisible()) window->close();
  QApplication::processEvents();
  window.reset();
  game.reset();
  platform.reset();
}

int GameWindow::TilePixelsOnScreen() {
  const QImage shown = window->Board()->Shown();
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(shown.constScanLine(y));
    const uint32_t* bg = game->Pictures.BackgroundImage.row(y);
    for (int x = 0; x < shown.width(); ++x) differing += (line[x] & 0xFFFFFF) != bg[x];
  }
  return differing;
}

}  // namespace velmor::test
