// Dealing speed: the winnable construction, the plain random deal and the free-tile recount.
// Run: build/bench/bench_deal   (medians are over one deal per repetition, a new game each time)
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "board/Deal.h"
#include "fakes/FakePlatform.h"
#include "layouts/LayoutFile.h"
#include "shell/TVelmor.h"

using namespace velmor;

namespace {

LayoutShape Traditional() {
  std::string text, error;
  LayFile lay;
  if (!ReadWholeFile(std::string(VELMOR_DATA_DIR) + "/Layouts/Traditional.lay", text, error) ||
      !ParseLayFile(text, lay, error) || !lay.magicOk)
    throw std::runtime_error("cannot read Traditional.lay: " + error);
  return lay.shape;
}

void BM_CreateBoardTraditional(benchmark::State& state) {
  static const LayoutShape shape = Traditional();
  static uint32_t game = 1;
  BoardState board;
  Generator gen;
  DealHooks hooks;
  hooks.seed = [&] { gen.GeneratorState = game; };
  for (auto _ : state) {
    benchmark::DoNotOptimize(CreateBoard(board, shape, gen, hooks, nullptr));
    ++game;
  }
}
BENCHMARK(BM_CreateBoardTraditional)->Unit(benchmark::kMicrosecond)->Iterations(1)->Repetitions(501)->ReportAggregatesOnly(true);

void BM_RandomDealLayoutTraditional(benchmark::State& state) {
  FakePlatform platform;
  TVelmor game(platform, "/nonexistent/");
  game.Shape = Traditional();
  game.RandomSeed1.SetChecked(true);
  game.GameMode = ModeSolitaire;
  static int32_t number = 1;
  for (auto _ : state) {
    game.GameNumber = number++;
    game.DealLayout();
    benchmark::DoNotOptimize(game.Board.TilesLeft);
  }
}
BENCHMARK(BM_RandomDealLayoutTraditional)->Unit(benchmark::kMicrosecond)->Iterations(1)->Repetitions(501)->ReportAggregatesOnly(true);

void BM_IsItFreeFullBoard(benchmark::State& state) {
  FakePlatform platform;
  TVelmor game(platform, "/nonexistent/");
  game.Shape = Traditional();
  game.GameNumber = 1;
  game.Winnable.SetChecked(true);
  game.NewSpecificGame1Click();
  for (auto _ : state) {
    game.IsItFree();
    benchmark::DoNotOptimize(game.Free.MovesLeft);
  }
}
BENCHMARK(BM_IsItFreeFullBoard)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
