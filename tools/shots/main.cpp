// Takes the README's pictures from the real window: a game under way, the flat game, the layout
// editor and the help window. Plays on a throw-away copy of the data, so the settings and records
// of the copy being photographed are never touched.
// Usage: velmor-shots DATA_FOLDER OUT_FOLDER   (run under QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "base/Version.h"
#include "board/Grid.h"
#include "platform/HelpWindow.h"
#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"
#include "shell/TVelmor.h"

namespace fs = std::filesystem;
using namespace velmor;

namespace {

void Settle(int ms = 120) {
  QTimer wait;
  wait.setSingleShot(true);
  wait.start(ms);
  while (wait.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Save(QWidget& widget, const fs::path& out, const char* name) {
  const QString file = QString::fromStdString((out / name).string());
  if (!widget.grab().save(file)) {
    std::fprintf(stderr, "velmor-shots: cannot write %s\n", file.toUtf8().constData());
    return false;
  }
  std::printf("saved %s\n", file.toUtf8().constData());
  return true;
}

QPoint FaceOf(const TVelmor& game, const Place& p) {
  return {game.Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
          game.Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25};
}

void Click(MainWindow& window, const TVelmor& game, const Place& p) {
  QTest::mouseMove(window.Board(), FaceOf(game, p));
  QTest::mouseClick(window.Board(), Qt::LeftButton, Qt::NoModifier, FaceOf(game, p));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmor-shots DATA_FOLDER OUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(VELMOR_NAME_AND_VERSION);
  const fs::path out = fs::absolute(argv[2]);
  const fs::path copy = fs::temp_directory_path() / ("velmor-shots-" + std::to_string(::getpid()));
  std::error_code ec;
  fs::create_directories(out, ec);
  fs::remove_all(copy, ec);
  fs::copy(argv[1], copy, fs::copy_options::recursive, ec);
  if (ec) {
    std::fprintf(stderr, "velmor-shots: cannot copy %s: %s\n", argv[1], ec.message().c_str());
    return 1;
  }
  int failures = 0;
  {
    QtPlatform platform;
    TVelmor game(platform, copy.string() + "/");
    MainWindow window(game);
    platform.SetWindow(&window);
    if (!game.Init()) return 1;
    game.Menus.Animate.SetChecked(false);
    game.Menus.PlayMusic.SetChecked(false);
    game.Menus.PlaySounds.SetChecked(false);
    window.StartTimer();
    window.show();
    Settle();

    // A numbered, winnable deal a few minutes in, one tile picked and another under the mouse.
    game.Menus.Winnable.SetChecked(true);
    game.Current.GameNumber = 2026;
    game.NewSpecificGame1Click();
    const std::vector<Place> order = game.Current.RemovalOrder;
    for (size_t k = 0; k < 47 && k < order.size(); ++k) Click(window, game, order[k]);
    if (order.size() > 60) QTest::mouseMove(window.Board(), FaceOf(game, order[60]));
    Settle(1200);
    failures += !Save(window, out, "game.png");

    // The flat game with some pairs gone.
    game.Menus.AnimateTileRivers.SetChecked(false);
    game.FourRivers(false, 2026);  // a fixed deal, so the picture only changes when the game does
    Settle();
    for (int taken = 0, a = 1; a <= 84 && taken < 9; ++a)
      for (int b = a + 1; b <= 84; ++b) {
        if (MatchGroup(a) != MatchGroup(b) || game.Current.Board.TilePlace[a].empty() ||
            game.Current.Board.TilePlace[b].empty() || !game.Flat.Reach(b, a))
          continue;
        const Place pa = game.Current.Board.TilePlace[a], pb = game.Current.Board.TilePlace[b];
        Click(window, game, pa);
        Click(window, game, pb);
        Settle(30);
        ++taken;
        break;
      }
    Settle(600);
    failures += !Save(window, out, "rivers.png");

    // The editor on the current heap, ready to change it.
    game.Stop();
    window.ActionOf(game.Menus.Editlayout1)->trigger();
    Settle(600);
    failures += !Save(window, out, "editor.png");
    window.ActionOf(game.Menus.CreateLayout1)->trigger();  // leave without saving anything
    game.Stop();

    // The help window on its first page.
    QTimer::singleShot(300, [&] {
      if (HelpWindow* help = window.Help()) {
        help->Pages()->setCurrentIndex(0);
        Settle();
        failures += !Save(*help, out, "help.png");
        help->accept();
      }
    });
    window.ShowHelp();
    window.close();
  }
  fs::remove_all(copy, ec);
  return failures == 0 ? 0 : 1;
}
