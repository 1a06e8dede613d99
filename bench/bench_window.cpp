// What a player feels in the real window (offscreen platform): a window resized until its new
// picture is painted, a tile click at a size between whole scales, and a click while the
// winnability watch searches in the background.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_window
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "board/Grid.h"
#include "platform/MainWindow.h"
#include "platform/QtPlatform.h"

using namespace velmor;

namespace {

// The cache folder the benchmark's game keeps its pictures in, apart from the player's.
std::filesystem::path KeptFolder() { return std::filesystem::temp_directory_path() / "velmor-bench-cache"; }

struct Window {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmor-bench-window";
  QtPlatform platform;
  std::unique_ptr<TVelmor> game;
  std::unique_ptr<MainWindow> window;
  Window() {
    std::filesystem::remove_all(folder);
    std::filesystem::copy(VELMOR_DATA_DIR, folder, std::filesystem::copy_options::recursive);
    game = std::make_unique<TVelmor>(platform, folder.string() + "/");
    window = std::make_unique<MainWindow>(*game);
    platform.SetWindow(window.get());
    game->Menus.PlayMusic.SetChecked(false);
    if (!game->Init()) std::abort();
    window->show();
    game->Menus.Winnable.SetChecked(true);
    game->Current.GameNumber = 3;
    game->NewSpecificGame1Click();
    QApplication::processEvents();
  }
  ~Window() {
    window->close();
    window.reset();
    game.reset();
    std::filesystem::remove_all(folder);
  }
};

// Everything the events asked for painted into the window's backing store and flushed, as the
// screen would get it: only the parts that changed, as on a real display.
void Settle(MainWindow&) {
  QApplication::processEvents();
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

// From 1000 x 700 (untimed) to the size given, until its picture is painted: 1600 x 1000 keeps the
// scale the board is drawn at, 1920 x 1200 and 3840 x 2160 change it. The third argument: 0, the
// first time at that scale (nothing kept, the artwork decoded); 1, with the pictures kept from
// before, as every later time.
void BM_ResizeToSettled(benchmark::State& state) {
  Window w;
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const bool kept = state.range(2) != 0;
  auto* store = dynamic_cast<KeptArtwork*>(w.platform.KeptLooks());
  if (!store) std::abort();
  w.window->resize(size);
  Settle(*w.window);
  for (auto _ : state) {
    state.PauseTiming();
    w.window->resize(1000, 700);
    Settle(*w.window);
    store->Flush();
    if (!kept) std::filesystem::remove_all(KeptFolder());
    state.ResumeTiming();
    w.window->resize(size);
    Settle(*w.window);
  }
}
BENCHMARK(BM_ResizeToSettled)
    ->Args({1600, 1000, 1})
    ->Args({1920, 1200, 0})
    ->Args({1920, 1200, 1})
    ->Args({3840, 2160, 0})
    ->Args({3840, 2160, 1})
    ->Unit(benchmark::kMillisecond);

// A pick and its undo at 2700 x 1500 (the board drawn at 3x and reduced), then at the natural size.
void ClickAt(benchmark::State& state, QSize size, bool solving = false) {
  Window w;
  w.game->Menus.WatchWinnability.SetChecked(solving);
  if (!size.isEmpty()) w.window->resize(size);
  Settle(*w.window);
  PictureView* board = w.window->Board();
  const Place p = w.game->Current.RemovalOrder.front();
  const double f = board->Scale() / board->devicePixelRatioF();
  const QPoint face(static_cast<int>((w.game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26) * f),
                    static_cast<int>((w.game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25) * f));
  for (auto _ : state) {
    // Asked again before every click, the watch's worker searches the whole time.
    if (solving) w.game->Solver.PositionChanged();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, face);  // picked, then dropped
    Settle(*w.window);
  }
}
void BM_ClickNatural(benchmark::State& state) { ClickAt(state, {}); }
void BM_ClickBetweenScales(benchmark::State& state) { ClickAt(state, {2700, 1500}); }
void BM_ClickWhileSolving(benchmark::State& state) { ClickAt(state, {}, true); }
BENCHMARK(BM_ClickNatural)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickBetweenScales)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickWhileSolving)->Unit(benchmark::kMillisecond);

// A pair taken at 1600 x 1000 (between whole scales) and at 3840 x 2160, from the click on its
// second tile to the window settled; Back puts it again between rounds, untimed.
void PairAt(benchmark::State& state, QSize size) {
  Window w;
  w.window->resize(size);
  Settle(*w.window);
  PictureView* board = w.window->Board();
  const double f = board->Scale() / board->devicePixelRatioF();
  auto faceOf = [&](const Place& p) {
    return QPoint(static_cast<int>((w.game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26) * f),
                  static_cast<int>((w.game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25) * f));
  };
  // A winnable deal is built in reverse, so its first two places in removal order are a free pair.
  const Place a = w.game->Current.RemovalOrder[0], b = w.game->Current.RemovalOrder[1];
  for (auto _ : state) {
    state.PauseTiming();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, faceOf(a));
    Settle(*w.window);
    state.ResumeTiming();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, faceOf(b));
    Settle(*w.window);
    state.PauseTiming();
    if (w.game->Current.Board.TilesLeft != 142) state.SkipWithError("the two places were not a free pair");
    w.game->Back();
    Settle(*w.window);
    state.ResumeTiming();
  }
}
void BM_PairBetweenScales(benchmark::State& state) { PairAt(state, {1600, 1000}); }
void BM_PairAt4K(benchmark::State& state) { PairAt(state, {3840, 2160}); }
BENCHMARK(BM_PairBetweenScales)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairAt4K)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(KeptFolder().string()));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::filesystem::remove_all(KeptFolder());
  return 0;
}
