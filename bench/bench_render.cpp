// Drawing speed: a whole board with shadows, one tile box, a pair taken, and rebuilding the tile
// sheet; the board and a tile box also at the larger scales (the argument), where the 1x looks
// are enlarged by repetition.
// Run: build/bench/bench_render
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "board/Deal.h"
#include "display/BoardRenderer.h"
#include "display/Scale.h"
#include "display/Tileset.h"
#include "layouts/LayoutFile.h"
#include "platform/QtPictures.h"

using namespace velmor;

namespace {

const std::string Data = VELMOR_DATA_DIR;

// Game 1 of "Traditional", winnable, with the real blue tileset and the kanji background.
struct Scene {
  int k;
  Picture tilesetPicture{SheetWidth, SheetHeight}, tileSheet{TileSheetWidth * k, TileSheetHeight*k};
  Picture background{BoardPictureWidth, BoardPictureHeight}, frame{BoardPictureWidth * k, BoardPictureHeight*k};
  LayoutShape shape;
  NumberedDeal deal;
  BoardRenderer renderer{{tilesetPicture, tileSheet, background, true}, BoardOriginLeft, BoardOriginTop, k};
  explicit Scene(int scale = 1) : k(scale) {
    std::string error, name;
    Picture kanji;
    if (!LoadPictureFile(Data + "/Tilesets/bluepai.bmp", tilesetPicture, error) ||
        !LoadPictureFile(Data + "/Backgrounds/kanji.bmp", kanji, error))
      throw std::runtime_error(error);
    PadTilesetPicture(tilesetPicture);
    TileBackground(background, kanji);
    if (k > 1) {
      tilesetPicture = EnlargeByRepetition(tilesetPicture, k);
      background = EnlargeByRepetition(background, k);
    }
    ChangeTexture(tilesetPicture, tileSheet, k);
    LayoutRefusal refusal;
    if (!ReadPlayableLayout(Data + "/Layouts/Traditional.lay", false, shape, name, refusal))
      throw std::runtime_error(refusal.reason);
    deal = DealGameNumber(shape, 1, true, 0);
  }
};

void BM_FullRedrawTraditionalWithShadows(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  const BoardMarks marks;
  for (auto _ : state) scene.renderer.Compose(scene.frame, scene.deal.board.BoardGrid, marks);
}
BENCHMARK(BM_FullRedrawTraditionalWithShadows)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_RedrawTile(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  const BoardMarks marks;
  const BoardState& board = scene.deal.board;
  int tile = 1;
  for (auto _ : state) {
    scene.renderer.Compose(scene.frame, board.BoardGrid, marks, scene.renderer.TileBox(board.TilePlace[tile]));
    tile = tile % 144 + 1;
  }
}
BENCHMARK(BM_RedrawTile)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ChangeTexture(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) ChangeTexture(scene.tilesetPicture, scene.tileSheet);
}
BENCHMARK(BM_ChangeTexture)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

// What the board shows when a pair is taken by two clicks: the first tile redrawn picked, then
// the pair off the board and the whole board redrawn with shadows.
void BM_PairTakenAndRedrawn(benchmark::State& state) {
  Scene scene;
  uint32_t game = 1;
  size_t next = 0;
  for (auto _ : state) {
    if (next == scene.deal.removalOrder.size()) {
      state.PauseTiming();
      scene.deal = DealGameNumber(scene.shape, ++game, true, 0);
      next = 0;
      state.ResumeTiming();
    }
    BoardState& board = scene.deal.board;
    const Place a = scene.deal.removalOrder[next], b = scene.deal.removalOrder[next + 1];
    BoardMarks marks;
    marks.picked1 = board.BoardGrid.at(a);
    scene.renderer.Compose(scene.frame, board.BoardGrid, marks, scene.renderer.TileBox(a));
    board.TakeTile(board.BoardGrid.at(a));
    board.TakeTile(board.BoardGrid.at(b));
    scene.renderer.Compose(scene.frame, board.BoardGrid, BoardMarks{});
    next += 2;
  }
}
BENCHMARK(BM_PairTakenAndRedrawn)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

// A board drawn at K brought down to the window's device pixels: the whole of it, as after a
// resize, for 1600 x 1000 (from 2x), 1920 x 1200 (from 3x) and 2700 x 1500 (from 4x).
void BM_ReduceBoard(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  const double scale = static_cast<double>(state.range(1)) / 100;
  const Picture board(BoardPictureWidth * k, BoardPictureHeight * k, Rgb(40, 90, 200));
  Picture out(static_cast<int>(BoardPictureWidth * scale), static_cast<int>(BoardPictureHeight * scale));
  const AreaReduction reduction(board.width(), board.height(), out.width(), out.height());
  for (auto _ : state) {
    reduction.Into(board, out, {0, 0, out.width(), out.height()});
    benchmark::DoNotOptimize(out.row(0));
  }
}
BENCHMARK(BM_ReduceBoard)->Args({2, 190})->Args({3, 241})->Args({4, 305})->Unit(benchmark::kMillisecond);

// A board drawn at the largest scale enlarged smoothly to a 3840 x 2160 window's board, the whole
// of it as after a resize.
void BM_EnlargeBoard(benchmark::State& state) {
  const int k = MaxScale;
  const double scale = 4.46;
  const Picture board(BoardPictureWidth * k, BoardPictureHeight * k, Rgb(40, 90, 200));
  const int w = static_cast<int>(BoardPictureWidth * scale), h = static_cast<int>(BoardPictureHeight * scale);
  std::vector<uint32_t> out(static_cast<size_t>(w) * static_cast<size_t>(h));
  const SmoothEnlargement enlargement(board.width(), board.height(), w, h);
  for (auto _ : state) {
    enlargement.Into(board, out.data(), w, {0, 0, w, h}, 0xFF000000u);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_EnlargeBoard)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
