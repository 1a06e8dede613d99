// Drawing speed: a whole board with shadows, one tile box, and rebuilding the tile sheet.
// Run: build/bench/bench_render
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "display/Tileset.h"
#include "fakes/FakePlatform.h"
#include "layouts/LayoutFile.h"
#include "platform/QtPictures.h"
#include "shell/TVelmor.h"

using namespace velmor;

namespace {

const std::string Data = VELMOR_DATA_DIR;

// The window shows FrameBuffer as it is, so presenting costs nothing here either.
struct QuietPlatform : FakePlatform {
  void PresentBoard(const Picture&, const Rect&) override {}
};

// A dealt "Traditional" game with the real blue tileset and the kanji background.
struct Scene {
  QuietPlatform platform;
  TVelmor game{platform, Data + "/"};
  Scene() {
    std::string error;
    Picture tiles, kanji;
    if (!LoadPictureFile(Data + "/Tilesets/bluepai.bmp", tiles, error) ||
        !LoadPictureFile(Data + "/Backgrounds/kanji.bmp", kanji, error))
      throw std::runtime_error(error);
    platform.bitmaps[Data + "/Tilesets/bluepai.bmp"] = tiles;
    platform.bitmaps[Data + "/Backgrounds/kanji.bmp"] = kanji;
    game.MahJongg3.Click();
    game.Kanji1.Click();
    game.Shadows.SetChecked(true);
    game.LayoutPath = Data + "/Layouts/Traditional.lay";
    game.Winnable.SetChecked(true);
    game.GameNumber = 1;
    game.RandomSeed1.SetChecked(true);
    if (!game.LoadCurrentLayout()) throw std::runtime_error("cannot deal Traditional");
  }
};

void BM_FullRedrawTraditionalWithShadows(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) scene.game.FullRedraw();
}
BENCHMARK(BM_FullRedrawTraditionalWithShadows)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_RedrawTile(benchmark::State& state) {
  Scene scene;
  int tile = 1;
  for (auto _ : state) {
    scene.game.RedrawTile(tile);
    tile = tile % 144 + 1;
  }
}
BENCHMARK(BM_RedrawTile)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ChangeTexture(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) ChangeTexture(scene.game.TilesetPicture, scene.game.TileSheet);
}
BENCHMARK(BM_ChangeTexture)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

// One pair taken by two clicks: the first selects (one tile redrawn), the second removes the pair
// (the whole board redrawn with shadows).
void BM_ClickRemovesAPair(benchmark::State& state) {
  Scene scene;
  TVelmor& game = scene.game;
  size_t next = 0;
  auto click = [&game](const Place& p) {
    game.ButtonDown(TVelmor::Button::Primary, game.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                    game.BoardOriginY + TileTop(p.row, p.layer) + 25);
  };
  for (auto _ : state) {
    if (next == game.RemovalOrder.size()) {
      state.PauseTiming();
      game.NewSpecificGame1Click();
      next = 0;
      state.ResumeTiming();
    }
    click(game.RemovalOrder[next]);
    click(game.RemovalOrder[next + 1]);
    next += 2;
  }
}
BENCHMARK(BM_ClickRemovesAPair)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
