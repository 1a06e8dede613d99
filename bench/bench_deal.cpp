// Dealing speed: the winnable construction, the plain random deal and the free-tile recount; and
// the searches behind a click in the flat game (Voverizo Dadazu).
// Run: build/bench/bench_deal   (medians are over one deal per repetition, a new game each time)
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "board/Deal.h"
#include "board/FreeTiles.h"
#include "layouts/LayoutFile.h"
#include "modes/FlatGame.h"

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

// A click on the second tile of a pair in the flat game: the path between the two is looked for,
// then the moves the board still offers are counted (the dead-end check after the move), on a
// fresh easy (0) or hard (1) board.
void BM_RiversClickSearch(benchmark::State& state) {
  BoardState board;
  Generator gen;
  gen.GeneratorState = 1;
  DealRivers(board, gen, state.range(0) == 1);
  const auto pair = FirstReachablePair(board);
  if (!pair) throw std::runtime_error("the deal offers no move");
  const Place from = board.TilePlace[static_cast<size_t>(pair->first)];
  const Place to = board.TilePlace[static_cast<size_t>(pair->second)];
  for (auto _ : state) {
    const RiverPath path = FindRiverPath(board.BoardGrid, from, to);
    benchmark::DoNotOptimize(path.found);
    benchmark::DoNotOptimize(CountReachablePairs(board));
  }
}
BENCHMARK(BM_RiversClickSearch)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
