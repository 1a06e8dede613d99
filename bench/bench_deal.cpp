// Dealing speed: the winnable construction, the plain random deal and the free-tile recount.
// Run: build/bench/bench_deal   (medians are over one deal per repetition, a new game each time)
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "board/Deal.h"
#include "board/FreeTiles.h"
#include "layouts/LayoutFile.h"

using namespace velmor;

namespace {

LayoutShape Traditional() {
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  if (!ReadPlayableLayout(std::string(VELMOR_DATA_DIR) + "/Layouts/Traditional.lay", false, shape, name, refusal))
    throw std::runtime_error(refusal.reason);
  return shape;
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
BENCHMARK(BM_CreateBoardTraditional)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(501)
    ->ReportAggregatesOnly(true);

void BM_RandomDealTraditional(benchmark::State& state) {
  static const LayoutShape shape = Traditional();
  static uint32_t number = 1;
  for (auto _ : state) {
    const NumberedDeal deal = DealGameNumber(shape, number++, false, 0);
    benchmark::DoNotOptimize(deal.board.TilesLeft);
  }
}
BENCHMARK(BM_RandomDealTraditional)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(501)
    ->ReportAggregatesOnly(true);

void BM_FreeTilesFullBoard(benchmark::State& state) {
  const BoardState board = DealGameNumber(Traditional(), 1, true, 0).board;
  FreeTiles free;
  for (auto _ : state) {
    free.Recount(board.TileCount, [&](int t) { return IsTileFree(board, t, false); });
    benchmark::DoNotOptimize(free.MovesLeft);
  }
}
BENCHMARK(BM_FreeTilesFullBoard)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
